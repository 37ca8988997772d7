"""The monitor's log and statistics between brenmoor-cli and brenmoor-gateway-sim.

The simulator logs every record it puts on the line; the command line's
--log must hold exactly those records, in order, and --stats must count
them. Usage: diagnostics_e2e.py CLI SIM CASE WORKDIR
"""
import collections
import csv
import json
import os
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
from e2e_support import SimulatorProcess, fail, require_binaries  # noqa: E402

CLI, SIM, CASE, WORK = sys.argv[1:5]
require_binaries(CLI, SIM)

COLUMNS = ["time", "elapsed_ms", "bytes", "state", "state_text", "slave", "start", "count", "data",
           "answer", "listed", "command", "type", "value"]

# Four slaves polled in turn with an exception now and then, values that
# count and swing, a command the project lacks, a hidden record and a state
# the monitor does not know (sent again, then skipped).
SCRIPT = """ok/ok/ok/abnormal:02 1-4 0 inc:0000:1 inc:1000:-2
ok/error/timeout 7 100 sine:1000:10 00 00
hidden 9 9 00
ok 1 50 rand:4
11 3 3
"""


def path(name):
    return os.path.join(WORK, name)


def write(name, text):
    with open(path(name), "w") as out:
        out.write(text)
    return path(name)


def cli(*args, expect=0):
    done = subprocess.run([CLI, *args], capture_output=True, text=True, timeout=120)
    if expect is not None and done.returncode != expect:
        fail(f"{' '.join(args)} exited {done.returncode}, expected {expect}\n{done.stdout}\n{done.stderr}")
    return done


def project():
    nodes = [{"address": str(a), "name": "Node-%d" % a} for a in (1, 2, 3, 4, 7)]
    commands = [{"functionCode": "3", "startAddress": "0", "dataCount": "2", "swapMode": "No Swap",
                 "nodeNumber": n} for n in range(1, 5)]
    commands.append({"functionCode": "4", "startAddress": "100", "dataCount": "2",
                     "swapMode": "Four Bytes Swap", "nodeNumber": 5})
    write("plant.json", json.dumps({"subnets": [{"protocolMode": "Modbus Master", "nodes": nodes,
                                                 "commands": commands}]}))
    cli("import", path("plant.json"), "--output", path("plant.chg"))
    return path("plant.chg")


class Simulator(SimulatorProcess):
    def __init__(self, *args):
        self.log = path("sim-%s.log" % CASE)
        # Auto mode starts the records when the monitor sets its line speed.
        super().__init__([SIM, "--mode", "auto", "--log", self.log, "--full-speed",
                          "--answer-timeout", "300", "--resends", "1", *args])

    def lines(self):
        with open(self.log) as f:
            return f.read().splitlines()


def sent_records(lines):
    """The records the simulator put on the line, and whether each was answered."""
    records = []
    for line in lines:
        if line.startswith("record ") or line.startswith("resend "):
            records.append([line.split(" ", 1)[1], False])
        elif line.startswith("answer ") and records:
            records[-1][1] = True
    return records


def case_log_matches_simulator():
    plant = project()
    with Simulator("--records", write("plant.txt", SCRIPT)) as sim:
        done = cli("monitor", "--port", sim.device, "--seconds", "4", "--project", plant,
                   "--log", path("log.csv"), "--stats", path("stats.json"))
    sent = sent_records(sim.lines())
    with open(path("log.csv"), newline="") as f:
        raw = f.read()
    if not raw.startswith(",".join(COLUMNS) + "\r\n"):
        fail("CSV header: %r" % raw[:200])
    rows = list(csv.DictReader(raw.splitlines(keepends=True)))
    if len(rows) < 10:
        fail("too few records in four seconds at full speed: %d" % len(rows))

    # Exactly the simulator's records, in order: only records the line lost
    # before the monitor had the port (never answered) may come first, and
    # only the one the monitor had no time left to read may come last.
    logged = [r["bytes"] for r in rows]
    starts = [i for i in range(len(sent)) if [s for s, _ in sent[i:i + len(logged)]] == logged]
    if not starts:
        fail("the log is not the simulator's records:\n%s\n---\n%s" %
             ("\n".join(logged), "\n".join(s for s, _ in sent)))
    first = starts[0]
    if any(answered for _, answered in sent[:first]) or len(sent) - first - len(logged) > 1:
        fail("records missing around the log: %d before, %d after" %
             (first, len(sent) - first - len(logged)))

    times = [r["time"] for r in rows]
    elapsed = [int(r["elapsed_ms"]) for r in rows]
    if times != sorted(times) or elapsed != sorted(elapsed):
        fail("times go backwards:\n" + "\n".join("%s %s" % p for p in zip(times, elapsed)))

    # Today's lines are the listed records' four texts.
    listed = [[r["state_text"], r["slave"], r["start"], r["data"]] for r in rows if r["listed"] == "yes"]
    if [line.split("\t") for line in done.stdout.splitlines()] != listed:
        fail("stdout differs from the listed records:\n" + done.stdout)
    unknown = [r for r in rows if r["state"] == "11"]
    if not unknown or any(r["answer"] != "none" for r in unknown):
        fail("records of an unknown state are logged and never answered")

    names = {(r["slave"], r["start"]): r["command"] for r in rows}
    expected = {("1", "0"): "Node-1 / Read Holding Registers (3)",
                ("7", "100"): "Node-7 / Read Input Register (4)",
                ("1", "50"): "not in the project"}
    for key, name in expected.items():
        if key in names and names[key] != name:
            fail("%s named %r" % (key, names[key]))
    for r in rows:
        if r["slave"] == "7" and r["state"] == "0" and r["type"] != "int32 ABCD":
            fail("Four Bytes Swap reads as int32: %r" % r)

    # The statistics count what the simulator sent.
    with open(path("stats.json")) as f:
        stats = json.load(f)
    records = [bytes.fromhex(b.replace(" ", "")) for b in logged]
    if (stats["records"], stats["hidden"], stats["unknownState"]) != (
            len(records), sum(r[0] == 255 for r in records),
            sum(r[0] not in (0, 1, 2, 3, 255) for r in records)):
        fail("totals: %r" % {k: stats[k] for k in ("records", "hidden", "unknownState")})
    counted = collections.OrderedDict()
    for r in records:
        if r[0] > 3:
            continue
        entry = counted.setdefault((r[1], r[2] << 8 | r[3]), {"states": [0] * 4, "exceptions": {}})
        entry["states"][r[0]] += 1
        if r[0] == 1 and len(r) > 5:
            entry["exceptions"][str(r[5])] = entry["exceptions"].get(str(r[5]), 0) + 1
    got = [((c["slave"], c["start"]), [c["states"][str(s)] for s in range(4)], c["exceptions"])
           for c in stats["commands"]]
    want = [(key, e["states"], e["exceptions"]) for key, e in counted.items()]
    if got != want:
        fail("per command:\n%r\n%r" % (got, want))


def case_diagnostic_failures():
    with Simulator() as sim:
        missing = path("missing.chg")
        done = cli("monitor", "--port", sim.device, "--seconds", "1", "--project", missing, expect=1)
        if not done.stderr or done.stdout:
            fail("a project that does not open stops the run: %r %r" % (done.stdout, done.stderr))
        log = os.path.join(path("no-folder"), "log.csv")
        done = cli("monitor", "--port", sim.device, "--seconds", "1", "--log", log, expect=1)
        if done.stderr != "The file %s could not be opened to save the monitored data.\n" % log:
            fail("unopenable log: %r" % done.stderr)
        # Statistics that could not be written are found before the run.
        stats = os.path.join(path("no-folder"), "stats.json")
        done = cli("monitor", "--port", sim.device, "--records", "2", "--stats", stats, expect=1)
        if done.stdout or not done.stderr:
            fail("unwritable statistics before the run: %r %r" % (done.stdout, done.stderr))
        # One file for the log and the statistics would keep only one of them.
        same = path("both.out")
        done = cli("monitor", "--port", sim.device, "--records", "2", "--log", same, "--stats",
                   "./" + os.path.relpath(same), expect=2)
        if "--log and --stats name the same file" not in done.stderr or os.path.exists(same):
            fail("one file for log and statistics: %r" % done.stderr)


CASES = {name[len("case_"):]: fn for name, fn in globals().items() if name.startswith("case_")}
if CASE not in CASES:
    fail("unknown case " + CASE)
os.makedirs(WORK, exist_ok=True)
CASES[CASE]()
print("PASS " + CASE)
