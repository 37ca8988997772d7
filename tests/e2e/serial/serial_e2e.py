"""End-to-end transfers between brenmoor-cli and brenmoor-gateway-sim.

Each case starts its own simulator, waits for the device path it prints on
its first line, runs the command line against it and stops it by its
process id. Usage: serial_e2e.py CLI SIM CASE WORKDIR
"""
import fcntl
import grp
import json
import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
from e2e_support import SimulatorProcess, fail, require_binaries  # noqa: E402

CLI, SIM, CASE, WORK = sys.argv[1:5]


require_binaries(CLI, SIM)


class Simulator(SimulatorProcess):
    # The upload waits a fixed 50 ms for each reply, and a command-list packet
    # needs 40 ms of it at 19200 baud: too little slack for a machine busy
    # with parallel builds. The cases other than the round trip therefore
    # time the replies for 115200 baud; the round trip keeps 19200 and runs
    # alone.
    def __init__(self, *args, baud="115200"):
        super().__init__([SIM, "--baud", baud, *args])


def cli(*args, expect=0):
    started = time.monotonic()
    done = subprocess.run([CLI, *args], capture_output=True, text=True, timeout=120)
    elapsed = time.monotonic() - started
    if expect is not None and done.returncode != expect:
        fail(f"{' '.join(args)} exited {done.returncode}, expected {expect}\n{done.stdout}\n{done.stderr}")
    return done, elapsed


def path(name):
    return os.path.join(WORK, name)


def write_project(name, commands=48, flags=None, protocol="Modbus Master", overlap=False):
    """A configuration that survives a round trip: addresses as an upload
    writes them (lower-case hex), nodes named as an upload names them."""
    slaves = [(k % 5) * 3 + 1 for k in range(commands)]
    nodes = []
    for s in slaves:
        if s not in nodes:
            nodes.append(s)
    codes = [1, 2, 3, 4, 5, 6, 15, 16]
    size = {1: 1, 2: 1, 3: 2, 4: 2, 5: 1, 6: 2, 15: 1, 16: 2}  # bytes for a data count of 1
    cursor = {"input": 0, "output": 0x4000}
    commands = []
    for k, s in enumerate(slaves):
        code = codes[k % 8]
        area = "input" if code <= 4 else "output"
        commands.append({
            "slaveAddress": str(s),
            "functionCode": str(code),
            "startAddress": str(100 * k),
            "dataCount": "1",
            "mapAddress": format(cursor[area], "x"),
            "bitOffset": "0",
            "scanType": "Slow Scan" if k % 3 else "Fast Scan",
            "swapMode": ["No Swap", "Two Bytes Swap", "Four Bytes Swap"][k % 3],
            "nodeNumber": nodes.index(s) + 1,
        })
        if not overlap:
            cursor[area] += size[code]
    subnet = {
        "protocolMode": protocol,
        "masterBaud": "9600",
        "masterParity": "Even",
        "masterTransmission": "ASCII",
        "responseTimeout": "750",
        "pollDelay": "20",
        "scanRate": "25",
        "nodes": [{"address": str(s), "name": "Node-" + str(s)} for s in nodes],
        "commands": commands,
    }
    project = {
        "fieldbus": {"stationAddress": "33", "fieldbusBaud": "500K", "inputSize": "128", "outputSize": "96"},
        "subnets": [subnet],
    }
    double_fault = bool(flags and flags.pop("doubleFault", False))
    if flags:
        project["flags"] = flags
    if double_fault:
        project["subnets"] = [dict(subnet, doubleFaultClear=DF_MARK)] + [{"doubleFaultClear": DF_MARK}] * 3
    with open(path(name + ".json"), "w") as out:
        json.dump(project, out)
    chg = path(name + ".chg")
    cli("import", path(name + ".json"), "--output", chg)
    if double_fault:
        set_double_fault_flag(chg)
    return chg


DF_MARK = "DFMARK"


def set_double_fault_flag(chg):
    # This program writes the feature flags as 0; files of other editions
    # carry them. The flag is the int32 right before each record's
    # doubleFaultClear text, made findable by a marker text.
    with open(chg, "rb") as f:
        data = bytearray(f.read())
    needle = b"\0\0\0\0" + bytes([len(DF_MARK)]) + DF_MARK.encode()
    at = data.find(needle)
    count = 0
    while at >= 0:
        data[at] = 1
        count += 1
        at = data.find(needle, at + 1)
    if count != 4:
        fail("could not mark the double-fault flag")
    with open(chg, "wb") as f:
        f.write(data)
    shown = json.loads(cli("show", chg, "--json")[0].stdout)
    if not shown["flags"]["doubleFault"]:
        fail("double-fault flag not set")


TRANSFERRED_SUBNET = ["protocolMode", "masterBaud", "masterDataBits", "masterParity", "masterStopBits",
                      "masterTransmission", "responseTimeout", "pollDelay", "outputMode", "scanRate",
                      "commInterface", "nodeCount", "commandCount", "nodes"]
TRANSFERRED_COMMAND = ["slaveAddress", "functionCode", "startAddress", "dataCount", "mapAddress",
                       "bitOffset", "scanType", "swapMode", "nodeNumber"]


def transferred(chg):
    shown = json.loads(cli("show", chg, "--json")[0].stdout)
    fieldbus = {k: shown["fieldbus"][k] for k in ("stationAddress", "fieldbusBaud", "inputSize", "outputSize")}
    subnet = shown["subnets"][0]
    return {
        "fieldbus": fieldbus,
        "subnet": {k: subnet[k] for k in TRANSFERRED_SUBNET},
        "commands": [{k: c[k] for k in TRANSFERRED_COMMAND} for c in subnet["commands"]],
    }


def expect_message(done, text):
    if text not in done.stderr.splitlines():
        fail(f"expected the message {text!r}, got:\n{done.stdout}\n{done.stderr}")


def case_roundtrip():
    source = write_project("source")
    with Simulator("--save", path("gateway.chg"), baud="19200") as sim:
        startup = min(cli("show", source)[1] for _ in range(3))
        done, elapsed = cli("download", source, "--port", sim.device)
        lines = done.stdout.splitlines()
        if lines[0] != "Downloading, please wait" or lines[-1] != "Downloading is successful!":
            fail("unexpected progress lines:\n" + done.stdout)
        cli("upload", "--port", sim.device, "--output", path("uploaded.chg"))
    if transferred(source) != transferred(path("uploaded.chg")):
        fail("uploaded configuration differs:\n%s\n%s" % (transferred(source), transferred(path("uploaded.chg"))))
    if transferred(source) != transferred(path("gateway.chg")):
        fail("the simulator's saved configuration differs")
    # The exchanges' minimum waits: 100 ms for the first device information
    # request, 150 ms for every other exchange with its short acknowledgement.
    minimum = 0.100 + 0.150 * (1 + 1 + 1 + 48)
    transfer = elapsed - startup
    print(f"48-command download: {elapsed:.3f} s in all, {startup:.3f} s program start, "
          f"{transfer:.3f} s transfer; minimum waits {minimum:.3f} s; ratio {transfer / minimum:.3f}")


def case_loaded_gateway():
    source = write_project("loaded", commands=13)
    with Simulator("--load", source) as sim:
        cli("upload", "--port", sim.device, "--output", path("from-loaded.chg"))
    if transferred(source) != transferred(path("from-loaded.chg")):
        fail("upload from a loaded simulator differs")


def case_timeout_third_command():
    source = write_project("timeout", commands=5)
    with Simulator("--fault", "10:3:none") as sim:
        done, _ = cli("download", source, "--port", sim.device, expect=1)
    expect_message(done, "Adding Modbus command timeout")


def case_negative_detail_3():
    source = write_project("negative", commands=5)
    with Simulator("--fault", "10:1:negative:03:00") as sim:
        done, _ = cli("download", source, "--port", sim.device, expect=1)
    expect_message(done, "Does not support more than one Modbus slave")
    with Simulator("--fault", "10:2:negative:04:00") as sim:
        done, _ = cli("download", source, "--port", sim.device, expect=1)
    expect_message(done, "Subnet 1Modbus command configures 1 download error")


def case_wrong_device_type():
    source = write_project("wrongtype", commands=2)
    with Simulator("--device-type", "2") as sim:
        done, _ = cli("download", source, "--port", sim.device, expect=1)
        expect_message(done, "Device type does not match!")
        done, _ = cli("upload", "--port", sim.device, "--output", path("never.chg"), expect=1)
        expect_message(done, "Device type does not match!")
    if os.path.exists(path("never.chg")):
        fail("a failed upload wrote its output")


def case_device_type_5():
    plain = write_project("type5", commands=3)
    double = write_project("type5df", commands=3, flags={"doubleFault": True})
    with Simulator("--device-type", "5") as sim:
        done, _ = cli("download", plain, "--port", sim.device, expect=1)
        expect_message(done, "Device type does not match!")
        done, _ = cli("download", double, "--port", sim.device)
        if "Downloading DeviceNet parameters configuration" in done.stdout:
            fail("device type 5 shows no step lines")
        done, _ = cli("upload", "--port", sim.device, "--output", path("t5.chg"), expect=1)
        expect_message(done, "Upload error. Please check the serial port selection and configuration, "
                             "the device is powered on, whether it is in configuration mode.")
        done, _ = cli("upload", "--port", sim.device, "--output", path("t5.chg"), "--flags-from", double,
                      expect=1)
        expect_message(done, "Device type does not match!")


def case_faults_on_the_line():
    source = write_project("line", commands=2)
    with Simulator("--fault", "21:1:badsum") as sim:
        done, _ = cli("download", source, "--port", sim.device, expect=1)
    expect_message(done, "DeviceNet or Profibus parameter configuration download error")
    with Simulator("--fault", "03:1:late:400") as sim:
        done, _ = cli("download", source, "--port", sim.device, expect=1)
        expect_message(done, "Modbus configuration parameters Timeout")
        # The late reply arrives during the next download and is thrown away.
        cli("download", source, "--port", sim.device)


def case_conflict_question():
    source = write_project("conflict", commands=4, overlap=True)
    question = "Memory mapping conflict! Whether to download the configuration?"
    with Simulator() as sim:
        done, _ = cli("download", source, "--port", sim.device, expect=1)
        if question not in done.stdout or "Downloading, please wait" in done.stdout:
            fail("No to the conflict question must stop the download:\n" + done.stdout)
        done, _ = cli("download", source, "--port", sim.device, "--yes")
        if question not in done.stdout or "Downloading is successful!" not in done.stdout:
            fail("Yes to the conflict question must download:\n" + done.stdout)


def case_ports():
    done, _ = cli("ports")
    # Each line starts with what --port takes; what the system knows follows
    # after tabs, in the same four fields on every line.
    for line in done.stdout.splitlines():
        fields = line.split("\t")
        if len(fields) != 5 or not fields[0].startswith("/dev/"):
            fail("unexpected port line: %r" % line)
    done, _ = cli("download", path("none.chg"), "--port", "/dev/brenmoor-no-such-port", expect=1)
    # A device that opens but has no line settings fails at reading them.
    done, _ = cli("upload", "--port", "/dev/null", "--output", path("null.chg"), expect=1)
    expect_message(done, "Error reading the serial port parameters")


def expect_refusal(done, first, why):
    """The program's message exactly as before, then one line saying why."""
    lines = done.stderr.splitlines()
    if len(lines) != 2 or lines[0] != first or why not in lines[1]:
        fail(f"expected {first!r} and a line with {why!r}, got:\n{done.stderr}")


def as_nobody(*args):
    """The command line as a user with no groups: root opens any device."""
    if os.geteuid() != 0:
        return list(args)
    return ["setpriv", "--reuid=nobody", "--regid=nogroup", "--clear-groups", *args]


def case_open_failures():
    missing = "/dev/brenmoor-no-such-port"
    done, _ = cli("upload", "--port", missing, "--output", path("m.chg"), expect=1)
    expect_refusal(done, f"Port {missing} failed to open!", "no such device")
    done, _ = cli("monitor", "--port", missing, "--records", "1", expect=1)
    expect_refusal(done, "Open the serial port failed!", "no such device")

    with Simulator() as sim:
        # Held by another program: this script, through the lock each copy
        # of the program takes.
        with open(sim.device, "rb", buffering=0) as held:
            fcntl.flock(held, fcntl.LOCK_EX)
            done, _ = cli("upload", "--port", sim.device, "--output", path("b.chg"), expect=1)
        with open(f"/proc/{os.getpid()}/comm") as comm:
            me = comm.read().strip()
        expect_refusal(done, f"Port {sim.device} failed to open!", f'"{me}" is using this device')

        # Without permission: a device open to its owner alone, and (where
        # this script may give it away) one of a group nobody is not in.
        before = os.stat(sim.device)
        output = os.path.join("/tmp", f"brenmoor-e2e-{os.getpid()}.chg")
        refusals = [(0o600 if os.geteuid() == 0 else 0o000, None, "let only its owner open it")]
        if os.geteuid() == 0 and "dialout" in {g.gr_name for g in grp.getgrall()}:
            refusals.append((0o660, grp.getgrnam("dialout").gr_gid,
                             '"sudo usermod -aG dialout $USER"'))
        for mode, group, why in refusals:
            if group is not None:
                os.chown(sim.device, -1, group)
            os.chmod(sim.device, mode)
            done = subprocess.run(as_nobody(CLI, "upload", "--port", sim.device, "--output",
                                            output), capture_output=True, text=True, timeout=120)
            if done.stderr.startswith("setpriv:"):
                print("SKIP permission: this machine cannot run a command as nobody: " +
                      done.stderr)
                break
            if done.returncode != 1:
                fail(f"an upload without permission exited {done.returncode}\n{done.stderr}")
            expect_refusal(done, f"Port {sim.device} failed to open!", why)
        # The port opens again for whoever may use it: nothing was changed.
        os.chown(sim.device, -1, before.st_gid)
        os.chmod(sim.device, before.st_mode & 0o777)
        cli("upload", "--port", sim.device, "--output", path("ok.chg"))


CASES = {name[5:]: fn for name, fn in globals().items() if name.startswith("case_")}
os.makedirs(WORK, exist_ok=True)
CASES[CASE]()
print("ok")
