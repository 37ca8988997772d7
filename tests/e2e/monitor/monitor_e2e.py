"""End-to-end I/O monitor between brenmoor-cli and brenmoor-gateway-sim.

Each case starts its own simulator, waits for the device path it prints on
its first line, runs the command line against it and stops it by its
process id. The simulator logs every record and answer to a file the case
reads afterwards. Usage: monitor_e2e.py CLI SIM CASE WORKDIR
"""
import json
import os
import select
import signal
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
from e2e_support import SimulatorProcess, fail, require_binaries  # noqa: E402

CLI, SIM, CASE, WORK = sys.argv[1:5]

STATE_TEXTS = {"Correct response", "Abnormal response", "Response error", "Response Timeout"}
EXAMPLE_ROWS = [
    ["Correct response", "5", "16", "0a 0b 0c "],
    ["Abnormal response", "5", "16", "02 (Illegal Data Address)"],
]


require_binaries(CLI, SIM)


def path(name):
    return os.path.join(WORK, name)


def write(name, text):
    with open(path(name), "w") as out:
        out.write(text)
    return path(name)


class Simulator(SimulatorProcess):
    # Short gaps and timeouts keep the cases quick; the command line still
    # polls at its own 200 ms.
    def __init__(self, *args, mode="monitor", gap="20", answer_timeout="300"):
        self.log = path("sim-%s.log" % CASE)
        super().__init__([SIM, "--mode", mode, "--log", self.log, "--record-gap", gap,
                          "--answer-timeout", answer_timeout, "--resends", "1", *args])

    def log_lines(self):
        with open(self.log) as f:
            return f.read().splitlines()


def cli(*args, expect=0):
    done = subprocess.run([CLI, *args], capture_output=True, text=True, timeout=120)
    if expect is not None and done.returncode != expect:
        fail(f"{' '.join(args)} exited {done.returncode}, expected {expect}\n{done.stdout}\n{done.stderr}")
    return done


def rows(done):
    return [line.split("\t") for line in done.stdout.splitlines()]


def monitor(sim, *args, expect=0):
    return cli("monitor", "--port", sim.device, *args, expect=expect)


def case_example_records():
    script = write("examples.txt", "ok 5 16 0a 0b 0c\nhidden 5 16 00\nabnormal 5 16 02\n7 5 16\n")
    # The log is read as "an answer follows the record it answers": a
    # command line slowed down by a loaded machine must still answer within
    # the simulator's wait, or its late answer lands after the next record.
    with Simulator("--records", script, answer_timeout="1000") as sim:
        done = monitor(sim, "--records", "6")
    got = rows(done)
    if len(got) != 6:
        fail("expected 6 rows:\n" + done.stdout)
    for row in got:
        if row not in EXAMPLE_ROWS:
            fail("unexpected row %r (hidden and unknown states are never shown)" % row)
    if not all(r in got for r in EXAMPLE_ROWS):
        fail("both example records must show:\n" + done.stdout)
    log = sim.log_lines()
    # State 255 is answered, the unknown state 7 never.
    for i, line in enumerate(log[:-1]):
        if line == "record ff 05 00 10 01 00" and log[i + 1] != "answer 00":
            fail("hidden record not answered:\n" + "\n".join(log))
        if line == "record 07 05 00 10 00" and log[i + 1].startswith("answer"):
            fail("record of state 7 answered:\n" + "\n".join(log))
    if "record ff 05 00 10 01 00" not in log or not any(l.startswith("resend 07") for l in log):
        fail("the script's hidden and unknown records did not go out:\n" + "\n".join(log))


def case_default_cycle():
    with Simulator() as sim:
        done = monitor(sim, "--records", "26")
    got = rows(done)
    if len(got) != 26 or any(len(r) != 4 or r[0] not in STATE_TEXTS for r in got):
        fail("26 rows of four texts expected:\n" + done.stdout)
    if {r[0] for r in got} != STATE_TEXTS:
        fail("every state text must show:\n" + done.stdout)
    exceptions = {r[3] for r in got if r[0] == "Abnormal response"}
    if len(exceptions) != 8 or "01 (no legitimate function code)" not in exceptions:
        fail("every exception text must show:\n" + done.stdout)
    if not all(r in got for r in EXAMPLE_ROWS):
        fail("the example records must show:\n" + done.stdout)
    if ["Response Timeout", "9", "200", "No response to the node"] not in got:
        fail("the timeout row is missing:\n" + done.stdout)


def case_save_file():
    saved = path("saved.txt")
    with open(saved, "w") as f:
        f.write("old content that must go\n")
    script = write("save.txt", "ok 5 16 0a 0b 0c\nhidden 1 1\ntimeout 9 200\n")
    with Simulator("--records", script) as sim:
        done = monitor(sim, "--records", "4", "--save", saved)
    with open(saved, "rb") as f:
        data = f.read()
    blocks = data.split(b"\r\n\r\n")
    if blocks[-1] != b"" or len(blocks) != 5:
        fail("four blocks ending in CR LF and an empty line expected: %r" % data)
    expected = {
        "Correct response": b"State\t\tCorrect response\r\nSlave Address\t5\r\nStarting Address\t16\r\n"
                            b"Data/Exception Code\t0a 0b 0c ",
        "Response Timeout": b"State\t\tResponse Timeout\r\nSlave Address\t9\r\nStarting Address\t200\r\n"
                            b"Data/Exception Code\t",
    }
    for row, block in zip(rows(done), blocks):
        if expected[row[0]] != block:
            fail("block %r does not match row %r" % (block, row))
    if b"\n" in data.replace(b"\r\n", b""):
        fail("a line ends without CR")


def case_send():
    script = write("readback.txt", "ok 3 0 out:4000:4\n")
    with Simulator("--records", script) as sim:
        done = monitor(sim, "--records", "5", "--send", "4000:00 01 02 03")
    log = sim.log_lines()
    if "answer 01 40 00 04 00 01 02 03" not in log or "write 4000: 00 01 02 03" not in log:
        fail("no write request in the gateway's log:\n" + "\n".join(log))
    data = [r[3] for r in rows(done)]
    # Send answers the first record, which was read before the write.
    if data != ["00 00 00 00 "] + ["00 01 02 03 "] * 4:
        fail("later records must show the written bytes:\n" + done.stdout)
    if log.count("answer 01 40 00 04 00 01 02 03") != 1:
        fail("Send is performed once:\n" + "\n".join(log))
    # One row is enough for Send: its own.
    with Simulator("--records", script) as sim:
        done = monitor(sim, "--records", "1", "--send", "4068:ff fe")
    if rows(done) != [["Correct response", "3", "0", "00 00 00 00 "]]:
        fail("--records 1 with --send:\n" + done.stdout)
    if "write 4068: ff fe" not in sim.log_lines():
        fail("no write with --records 1:\n" + "\n".join(sim.log_lines()))


def case_send_failures():
    # The record Send polls has a state the monitor does not know: it is not
    # answered, the run goes on and ends in failure.
    # In auto mode the cycle starts when the monitor opens the line, so Send
    # meets the script's first record.
    script = write("bad-first.txt", "7 2 2\nok 1 1\n")
    with Simulator("--records", script, mode="auto") as sim:
        done = monitor(sim, "--records", "2", "--send", "4000:00 01 02 03", expect=1)
    if done.stderr != "The received data is not formatted correctly!\n" or len(rows(done)) != 2:
        fail("Send on an unknown state: %r %r" % (done.stdout, done.stderr))
    if any(l.startswith("answer 01") for l in sim.log_lines()):
        fail("a malformed record must not be answered with the write request")
    # No record within Send's looks: the run goes on and ends in failure.
    with Simulator(mode="auto", gap="3000") as sim:
        done = monitor(sim, "--records", "1", "--send", "4000:00", expect=1)
    if done.stderr != "Reading the serial failure!\n" or len(rows(done)) != 1:
        fail("Send without a record: %r %r" % (done.stdout, done.stderr))
    if any(l.startswith("answer 01") for l in sim.log_lines()):
        fail("a record after Send gave up must get the continue byte")
    # A save file that cannot be opened names itself and writes nothing.
    with Simulator() as sim:
        folder = path("no-such-folder")
        done = monitor(sim, "--records", "1", "--save", os.path.join(folder, "t.txt"), expect=1)
    expected = "The file %s could not be opened to save the monitored data.\n" % os.path.join(folder, "t.txt")
    if done.stderr != expected or os.path.exists(folder):
        fail("unopenable save file: %r" % done.stderr)


def case_refused_send():
    with Simulator() as sim:
        for text, message in [
            ("4070:00 01", "Memory-mapped address is outside the specified range!"),
            ("4000:0001", "Input data format is incorrect!"),
            ("4000:", "Please complete!"),
            ("40g0:00", "Enter the illegal data, enter the correct data in hexadecimal format"),
        ]:
            done = monitor(sim, "--records", "1", "--send", text, expect=1)
            if done.stderr != message + "\n" or done.stdout:
                fail("--send %s: %r %r" % (text, done.stdout, done.stderr))
        done = monitor(sim, "--records", "1", "--send", "4000", expect=2)
    if any(l.startswith("answer") for l in sim.log_lines()):
        fail("a refused Send must not touch the port")


def case_stops():
    with Simulator() as sim:
        done = monitor(sim, "--seconds", "1")
        if not rows(done):
            fail("a second of monitoring shows rows")
        done = cli("monitor", "--port", path("no-such-port"), "--records", "1", expect=1)
        # The message is the first line; the line after it says why.
        if done.stderr.splitlines()[:1] != ["Open the serial port failed!"]:
            fail("port failure: %r" % done.stderr)
        # The settings' failures keep the transfers' texts.
        done = cli("monitor", "--port", "/dev/null", "--records", "1", expect=1)
        if done.stderr.splitlines()[:1] != ["Error reading the serial port parameters"]:
            fail("device without line settings: %r" % done.stderr)
        cli("monitor", "--port", sim.device, "--records", "0", expect=2)
        # Without a limit the monitor runs until interrupted, and still closes
        # its save file with whole blocks.
        saved = path("interrupted.txt")
        proc = subprocess.Popen([CLI, "monitor", "--port", sim.device, "--save", saved],
                                stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)
        ready, _, _ = select.select([proc.stdout], [], [], 20)
        first = proc.stdout.readline() if ready else ""
        os.kill(proc.pid, signal.SIGINT)
        out, err = proc.communicate(timeout=20)
        if not first or proc.returncode != 0 or err:
            fail("interrupted monitor: rc %s, %r %r" % (proc.returncode, first, err))
        with open(saved, "rb") as f:
            data = f.read()
        if not data.endswith(b"\r\n\r\n") or data.count(b"State\t\t") != 1 + len(out.splitlines()):
            fail("save file after an interrupt: %r" % data)


def case_device_gone():
    # A pulled adapter: the device hangs up under a monitor that has no limit
    # to run to. It says so and ends in failure instead of staying silent.
    with Simulator() as sim:
        proc = subprocess.Popen([CLI, "monitor", "--port", sim.device],
                                stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)
        try:
            ready, _, _ = select.select([proc.stdout], [], [], 20)
            first = proc.stdout.readline() if ready else ""
            sim.stop()
            out, err = proc.communicate(timeout=10)
        except subprocess.TimeoutExpired:
            os.kill(proc.pid, signal.SIGKILL)
            proc.communicate()
            fail("the monitor kept running after its device went away")
    if not first or proc.returncode != 1 or err != "Open the serial port failed!\n":
        fail("monitor on a vanished device: rc %s, %r %r" % (proc.returncode, first, err))


def case_auto_mode():
    project = {
        "subnets": [{
            "protocolMode": "Modbus Master",
            "nodes": [{"address": "1", "name": "Node-1"}],
            "commands": [{"slaveAddress": "1", "functionCode": "3", "startAddress": "0", "dataCount": "1",
                          "mapAddress": "0", "bitOffset": "0", "scanType": "Slow Scan", "swapMode": "No Swap",
                          "nodeNumber": 1}],
        }],
    }
    with open(path("auto.json"), "w") as out:
        json.dump(project, out)
    cli("import", path("auto.json"), "--output", path("auto.chg"))
    # Configuration replies timed for 115200 baud, as the transfer cases do:
    # the upload's fixed 50 ms per reply leaves a busy machine no slack at
    # 19200.
    with Simulator("--baud", "115200", mode="auto") as sim:
        cli("download", path("auto.chg"), "--port", sim.device, "--yes")
        done = monitor(sim, "--records", "3")
        if len(rows(done)) != 3:
            fail("auto mode must report records at 115200 baud:\n" + done.stdout)
        cli("upload", "--port", sim.device, "--output", path("back.chg"))
    shown = [cli("show", path(name), "--json").stdout for name in ("auto.chg", "back.chg")]
    commands = [json.loads(s)["subnets"][0]["commands"] for s in shown]
    if commands[0] != commands[1]:
        fail("upload after the monitor differs:\n%s\n%s" % tuple(shown))
    log = sim.log_lines()
    if "line at 115200 baud: monitor records" not in log:
        fail("the monitor was not played:\n" + "\n".join(log))


CASES = {name[len("case_"):]: fn for name, fn in globals().items() if name.startswith("case_")}
if CASE not in CASES:
    fail("unknown case " + CASE)
os.makedirs(WORK, exist_ok=True)
CASES[CASE]()
print("PASS " + CASE)
