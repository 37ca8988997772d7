"""The Windows command line (brenmoor-cli.exe under Wine) end to end.

The simulated gateway runs on this machine's pseudo-terminals; a COM port
of the Wine prefix is a link in its dosdevices folder to one of them, so the
Windows program opens it through the Windows communications functions as it
would a real port. The frames the gateway receives from the Windows program
are compared with those it receives from this machine's command line.

Usage: windows_e2e.py WINE CLI_EXE LINUX_CLI SIM WORKDIR
WINEPREFIX and WINESERVER name the prefix and the Wine server
(scripts/test-windows sets them up and keeps one server running).
"""
import json
import os
import shutil
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
from e2e_support import SimulatorProcess, fail, require_binaries  # noqa: E402

WINE, CLI_EXE, LINUX_CLI, SIM, WORK = sys.argv[1:6]
require_binaries(WINE, LINUX_CLI, SIM)
if not os.path.isfile(CLI_EXE):
    fail("missing binary " + CLI_EXE)

PREFIX = os.environ["WINEPREFIX"]
# Wine hands the Windows program its arguments decoded from this locale.
os.environ["LC_ALL"] = "C.UTF-8"
DOSDEVICES = os.path.join(PREFIX, "dosdevices")
WINESERVER = os.environ["WINESERVER"]


def windows_path(path):
    """This machine's path as the Windows program sees it: Wine shows / as Z:."""
    return "Z:" + os.path.abspath(path).replace("/", "\\")


def wine(*args, expect=0, timeout=120):
    done = subprocess.run([WINE, *args], capture_output=True, timeout=timeout)
    out, err = done.stdout.decode("utf-8"), done.stderr.decode("utf-8")
    if expect is not None and done.returncode != expect:
        fail(f"wine {' '.join(args)} exited {done.returncode}, expected {expect}\n{out}\n{err}")
    return out.replace("\r\n", "\n"), err.replace("\r\n", "\n")


def windows_cli(*args, expect=0):
    return wine(CLI_EXE, *args, expect=expect)


def linux_cli(*args, expect=0):
    done = subprocess.run([LINUX_CLI, *args], capture_output=True, text=True, timeout=120)
    if expect is not None and done.returncode != expect:
        fail(f"{' '.join(args)} exited {done.returncode}, expected {expect}\n{done.stdout}\n{done.stderr}")
    return done.stdout, done.stderr


def path(name):
    return os.path.join(WORK, name)


def map_port(com, device):
    """COMn of the Wine prefix opens `device`."""
    link = os.path.join(DOSDEVICES, com.lower())
    if os.path.lexists(link):
        os.remove(link)
    os.symlink(device, link)


def unmap_port(com):
    link = os.path.join(DOSDEVICES, com.lower())
    if os.path.lexists(link):
        os.remove(link)


class Simulator(SimulatorProcess):
    # Replies timed for 115200 baud: the upload waits a fixed 50 ms for each,
    # and Wine on a busy machine needs the slack.
    def __init__(self, frames, *args):
        self.frames = frames
        super().__init__([SIM, "--baud", "115200", "--frames", frames, *args])

    def received(self):
        """The request frames, once the simulator has stopped."""
        self.stop()
        with open(self.frames) as f:
            return f.read().splitlines()


def write_project(name):
    """Two nodes and three commands, with a non-ASCII node name."""
    commands = [
        {"slaveAddress": "3", "functionCode": "3", "startAddress": "0", "dataCount": "2",
         "mapAddress": "2", "nodeNumber": 1},
        {"slaveAddress": "7", "functionCode": "16", "startAddress": "10", "dataCount": "2",
         "mapAddress": "4000", "nodeNumber": 2},
        {"slaveAddress": "3", "functionCode": "4", "startAddress": "20", "dataCount": "1",
         "mapAddress": "6", "nodeNumber": 1},
    ]
    project = {
        "fieldbus": {"stationAddress": "5", "inputSize": "64", "outputSize": "64"},
        "subnets": [{
            "protocolMode": "Modbus Master",
            "nodes": [{"address": "3", "name": "Node-3"}, {"address": "7", "name": "Pumpe-Süd"}],
            "commands": commands,
        }],
    }
    with open(path(name + ".json"), "w", encoding="utf-8") as out:
        json.dump(project, out, ensure_ascii=False)
    chg = path(name + ".chg")
    linux_cli("import", path(name + ".json"), "--output", chg)
    return chg


def read(name):
    with open(name, "rb") as f:
        return f.read()


def transfer_frames(run, device, source, uploaded, frames):
    """Download with the read-back check, then upload: the frames the gateway got."""
    with Simulator(frames) as sim:
        device_name = device(sim.device)
        out, _ = run("download", source, "--port", device_name, "--verify")
        if "Downloading is successful!" not in out:
            fail("the download did not succeed:\n" + out)
        run("upload", "--port", device_name, "--output", uploaded)
        return sim.received()


def restart_wine():
    """A new Wine server: Wine registers its COM ports as it starts."""
    quiet = {"stdout": subprocess.DEVNULL, "stderr": subprocess.DEVNULL}
    subprocess.run([WINESERVER, "--kill"], check=True, **quiet)
    subprocess.run([WINESERVER, "--persistent"], check=True, **quiet)
    # The first program after a start brings up Wine's own services, which
    # live as long as the server and hold its output open: it must not be
    # one whose output is waited for.
    subprocess.run([WINE, "wineboot"], check=True, **quiet)


def case_ports():
    # Wine lists the ports it is told of in the registry's serial device map
    # (HKLM\Hardware\DeviceMap\SerialComm); `ports` prints that map's value
    # data in the registry's own order.
    for com in ("COM12", "COM3"):
        wine("reg", "add", r"HKLM\Software\Wine\Ports", "/v", com, "/t", "REG_SZ", "/d", "/dev/null",
             "/f")
    restart_wine()
    out, _ = wine("reg", "query", r"HKLM\Hardware\DeviceMap\SerialComm")
    listed = [line.split()[-1] for line in out.splitlines() if "REG_SZ" in line]
    if "COM12" not in listed or "COM3" not in listed:
        fail("Wine did not list the ports:\n" + out)
    out, _ = windows_cli("ports")
    # Each line starts with the name --port takes; the registry knows no
    # descriptions, so the fields after it stay empty.
    if [line.split("\t")[0] for line in out.splitlines()] != listed:
        fail(f"ports printed:\n{out}\nthe registry lists {listed}")


def case_transfers():
    # The same download (with its read-back) and upload from the Windows
    # command line and from this machine's: the gateway gets the same frames
    # and both uploads write the same file.
    source = write_project("source")
    linux = transfer_frames(linux_cli, lambda device: device, source, path("linux.chg"),
                            path("linux.frames"))

    def on_com5(device):
        map_port("COM5", device)
        return "COM5"
    windows = transfer_frames(windows_cli, on_com5, windows_path(source),
                              windows_path(path("windows.chg")), path("windows.frames"))
    unmap_port("COM5")
    if not linux or windows != linux:
        fail(f"the gateway got other frames from Windows:\n{windows}\nthan from Linux:\n{linux}")
    if read(path("windows.chg")) != read(path("linux.chg")):
        fail("the Windows upload wrote another file than the Linux one")
    print(f"{len(windows)} frames alike")


def case_long_port_names():
    # COM12 opens only under its "\\.\" name; a failure names the port as listed.
    source = write_project("com12")
    with Simulator(path("com12.frames")) as sim:
        map_port("COM12", sim.device)
        out, _ = windows_cli("download", windows_path(source), "--port", "COM12")
        if "Downloading is successful!" not in out:
            fail("the download on COM12 did not succeed:\n" + out)
    unmap_port("COM12")
    _, err = windows_cli("upload", "--port", "COM13", "--output", windows_path(path("x.chg")),
                         expect=1)
    if err.splitlines()[:1] != ["Port COM13 failed to open!"]:
        fail("expected the failure naming COM13, got:\n" + err)


def case_missing_port():
    unmap_port("COM7")
    _, err = windows_cli("upload", "--port", "COM7", "--output", windows_path(path("y.chg")),
                         expect=1)
    lines = err.splitlines()
    if lines[:1] != ["Port COM7 failed to open!"] or not lines[1:2] or \
            not lines[1].startswith("There is no such device."):
        fail("expected the failure naming COM7 and why, got:\n" + err)
    if os.path.exists(path("y.chg")):
        fail("a failed upload wrote its output")
    # A device that opens but is no serial port has no device-control block.
    map_port("COM8", "/dev/null")
    _, err = windows_cli("upload", "--port", "COM8", "--output", windows_path(path("y.chg")),
                         expect=1)
    unmap_port("COM8")
    if err.splitlines() != ["Error reading the serial port parameters"]:
        fail("expected the device-control block's failure, got:\n" + err)


def case_atomic_save():
    # A save replaces the old file whole, under a non-ASCII name, and leaves
    # nothing else in the folder; a read-only file is kept as it was.
    folder = path("saves-Ωmega")
    os.makedirs(folder, exist_ok=True)
    target = os.path.join(folder, "Prüfstand.chg")
    with open(target, "wb") as f:
        f.write(b"old contents")
    windows_cli("new", "--output", windows_path(target))
    linux_cli("new", "--output", path("new-linux.chg"))
    if read(target) != read(path("new-linux.chg")):
        fail("the Windows save differs from the Linux one")
    if os.listdir(folder) != ["Prüfstand.chg"]:
        fail("the save left files behind: " + ", ".join(os.listdir(folder)))
    windows_cli("show", windows_path(target))

    kept = os.path.join(folder, "Gesperrt.chg")
    with open(kept, "wb") as f:
        f.write(b"keep me")
    wine("cmd", "/c", "attrib", "+R", windows_path(kept))
    _, err = windows_cli("new", "--output", windows_path(kept), expect=1)
    if err.splitlines() != [f"Access to {windows_path(kept)} was denied."]:
        fail("expected access denied naming the file, got:\n" + err)
    if read(kept) != b"keep me" or sorted(os.listdir(folder)) != ["Gesperrt.chg", "Prüfstand.chg"]:
        fail("a refused save touched the folder")

    missing = windows_path(path("no-such-folder")) + "\\x.chg"
    _, err = windows_cli("new", "--output", missing, expect=1)
    if err.splitlines() != [f"{missing} contains an invalid path."]:
        fail("expected the invalid path message, got:\n" + err)


CASES = [case_ports, case_transfers, case_long_port_names, case_missing_port, case_atomic_save]

shutil.rmtree(WORK, ignore_errors=True)
os.makedirs(WORK)
for case in CASES:
    started = time.monotonic()
    case()
    print(f"{case.__name__[5:]}: ok ({time.monotonic() - started:.1f} s)")
print("ok")
