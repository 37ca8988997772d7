"""brenmoor-cli download --verify and diff against brenmoor-gateway-sim.

Each case starts its own simulator, waits for the device path it prints on
its first line, runs the command line against it and stops it by its
process id. Usage: verify_e2e.py CLI SIM CASE WORKDIR
"""
import json
import os
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
from e2e_support import SimulatorProcess, fail, require_binaries  # noqa: E402

CLI, SIM, CASE, WORK = sys.argv[1:5]


require_binaries(CLI, SIM)


class Simulator(SimulatorProcess):
    # The upload's requests, which the check after a download uses, wait a
    # fixed 50 ms for each reply: the replies are timed for 115200 baud so
    # that a machine busy with builds still meets that.
    def __init__(self, *args):
        super().__init__([SIM, "--baud", "115200", *args])


def cli(*args, expect=0):
    done = subprocess.run([CLI, *args], capture_output=True, text=True, timeout=120)
    if expect is not None and done.returncode != expect:
        fail(f"{' '.join(args)} exited {done.returncode}, expected {expect}\n{done.stdout}\n{done.stderr}")
    return done


def path(name):
    return os.path.join(WORK, name)


def write_project(name, map_second="4000", scan_rate="10", name_7="Node-7"):
    """Two nodes, three commands; the second command writes from 4000."""
    commands = [
        {"slaveAddress": "3", "functionCode": "3", "startAddress": "0", "dataCount": "2",
         "mapAddress": "2", "bitOffset": "0", "scanType": "Fast Scan", "swapMode": "No Swap",
         "nodeNumber": 1},
        {"slaveAddress": "7", "functionCode": "16", "startAddress": "10", "dataCount": "2",
         "mapAddress": map_second, "bitOffset": "0", "scanType": "Slow Scan",
         "swapMode": "Two Bytes Swap", "nodeNumber": 2},
        {"slaveAddress": "3", "functionCode": "4", "startAddress": "20", "dataCount": "1",
         "mapAddress": "6", "bitOffset": "0", "scanType": "Fast Scan", "swapMode": "No Swap",
         "nodeNumber": 1},
    ]
    project = {
        "fieldbus": {"stationAddress": "5", "inputSize": "64", "outputSize": "64"},
        "subnets": [{
            "protocolMode": "Modbus Master",
            "responseTimeout": "1000",
            "pollDelay": "20",
            "scanRate": scan_rate,
            "nodes": [{"address": "3", "name": "Node-3"}, {"address": "7", "name": name_7}],
            "commands": commands,
        }],
    }
    with open(path(name + ".json"), "w") as out:
        json.dump(project, out)
    chg = path(name + ".chg")
    cli("import", path(name + ".json"), "--output", chg)
    return chg


def expect_line(done, text, stream="stdout"):
    if text not in getattr(done, stream).splitlines():
        fail(f"expected the line {text!r} on {stream}, got:\n{done.stdout}\n{done.stderr}")


def case_download_verify():
    source = write_project("source")
    with Simulator() as sim:
        done = cli("download", source, "--port", sim.device, "--yes", "--verify")
    lines = done.stdout.splitlines()
    # The check follows the download's own success line.
    if "Downloading is successful!" not in lines:
        fail("no download success line:\n" + done.stdout)
    at = lines.index("Downloading is successful!")
    if lines[at + 1:] != ["Verifying the configuration in the gateway",
                          "Verified: the gateway holds what was sent."]:
        fail("unexpected lines of the check:\n" + done.stdout)


def case_download_verify_miswrite():
    source = write_project("source")
    with Simulator("--fault", "10:2:miswrite:7:10") as sim:
        done = cli("download", source, "--port", sim.device, "--yes", "--verify", expect=1)
    expect_line(done, "The gateway holds a different configuration!")
    expect_line(done, "Subnet 1, command 2: Mapping Address (HEX) is 4010 in the gateway, 4000 here")
    # Without arguments the fault flips the lowest bit of the record's last
    # byte: the swap mode.
    with Simulator("--fault", "10:2:miswrite") as sim:
        done = cli("download", source, "--port", sim.device, "--yes", "--verify", expect=1)
    expect_line(done, "Subnet 1, command 2: Byte Swap is No Swap in the gateway, Two Bytes Swap here")
    # The download itself succeeded: only the check fails.
    expect_line(done, "Downloading is successful!")
    for bad in ("10:2:miswrite:x", "10:2:miswrite:7:0", "10:2:miswrite:7:10:1"):
        refused = subprocess.run([SIM, "--fault", bad], capture_output=True, text=True, timeout=10)
        if refused.returncode != 2:
            fail(f"the simulator took --fault {bad}: exit {refused.returncode}")


def case_verify_read_fails():
    source = write_project("source")
    # The download reads no command list; the check's first such request
    # goes unanswered.
    with Simulator("--fault", "15:1:none") as sim:
        done = cli("download", source, "--port", sim.device, "--yes", "--verify", expect=1)
    expect_line(done, "Read Modbus command number of errors", "stderr")
    if "Verified: the gateway holds what was sent." in done.stdout:
        fail("a failed read-back reported success:\n" + done.stdout)


def case_diff_files():
    a = write_project("a")
    b = write_project("b", map_second="4010", scan_rate="12")
    done = cli("diff", a, a)
    if done.stdout.splitlines() != ["The configurations are the same."]:
        fail("equal files: " + done.stdout)
    done = cli("diff", a, b, expect=1)
    if done.stdout.splitlines() != [
            f"Subnet 1: Scan Rate(1~255) is 12 in {b}, 10 in {a}",
            f"Subnet 1, node 7, command 1: Mapping Address (HEX) is 4010 in {b}, 4000 in {a}"]:
        fail("unexpected differences:\n" + done.stdout)
    # A field that never reaches the gateway is marked.
    renamed = write_project("renamed", name_7="Pump")
    done = cli("diff", a, renamed, expect=1)
    if done.stdout.splitlines() != [
            f"Subnet 1, node 7: Node Name is Pump in {renamed}, Node-7 in {a} (not sent to the gateway)"]:
        fail("unexpected differences:\n" + done.stdout)
    cli("diff", a, expect=2)
    cli("diff", a, b, "--port", "/dev/null", expect=2)
    cli("diff", a, path("missing.chg"), expect=1)


def case_diff_port():
    source = write_project("source")
    with Simulator() as sim:
        done = cli("diff", source, "--port", sim.device, expect=1)  # an empty gateway
        cli("download", source, "--port", sim.device, "--yes")
        done = cli("diff", source, "--port", sim.device)
        if done.stdout.splitlines() != ["The configurations are the same."]:
            fail("after the download: " + done.stdout)
        # The fields that stay home are listed on request but do not count.
        done = cli("diff", source, "--port", sim.device, "--all")
        if not any(line.endswith("(not sent to the gateway)") for line in done.stdout.splitlines()):
            fail("--all listed nothing that stays home:\n" + done.stdout)
        edited = path("edited.chg")
        cli("edit", source, "--output", edited, "--do", "select command 2", "--do", "set 4 4010")
        done = cli("diff", edited, "--port", sim.device, expect=1)
        if done.stdout.splitlines() != [
                "Subnet 1, node 7, command 1: Mapping Address (HEX) is 4000 in the gateway, "
                f"4010 in {edited}"]:
            fail("after an edit: " + done.stdout)
        # Nothing was written: the gateway still holds the download.
        cli("diff", source, "--port", sim.device)


os.makedirs(WORK, exist_ok=True)
globals()["case_" + CASE]()
print("ok " + CASE)
