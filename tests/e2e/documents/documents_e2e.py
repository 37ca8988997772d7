"""End-to-end check of the commissioning documents of `brenmoor-cli`: the
report written without a display or any environment, read back with
pdftotext; the command list out and in again; lists that are refused whole.

usage: documents_e2e.py BRENMOOR_CLI DATA_DIR WORK_DIR
"""
import json
import os
import re
import shutil
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
from e2e_support import fail, project_from_json, require_binaries, run_cli  # noqa: E402

CLI, DATA, WORK = sys.argv[1:4]
require_binaries(CLI)
shutil.rmtree(WORK, ignore_errors=True)
os.makedirs(WORK)


def run(*args, expect=0, env=None):
    return run_cli(CLI, *args, expect=expect, env=env)


def project(name):
    return project_from_json(CLI, DATA, WORK, name)


def pdf_text(pdf):
    return subprocess.run(["pdftotext", "-layout", pdf, "-"], capture_output=True, text=True,
                          check=True).stdout


def io_place(command):
    """Direction, offset and length of a command as the I/O map gives them."""
    code = int(command["functionCode"])
    n = int(command["dataCount"] or 0)
    b = int(command["bitOffset"] or 0)
    address = int(command["mapAddress"], 16)
    area = "Input" if code in (1, 2, 3, 4) or address < 0x4000 else "Output"
    offset = address if area == "Input" else address - 0x4000
    if code in (1, 2, 15):
        length = (n + b + 7) // 8
    elif code == 5:
        length = 1
    elif code == 6:
        length = 2
    else:
        length = 2 * n
    return area, offset, length


def check_report():
    chg = project("plant")
    pdf = os.path.join(WORK, "plant.pdf")
    # No display, no platform, no home: the command chooses for itself. The
    # sanitizer's leak report is the only thing set, and it is the test's.
    run("report", chg, "--output", pdf, env={"ASAN_OPTIONS": "detect_leaks=0"})
    text = pdf_text(pdf)
    lines = text.splitlines()
    shown = json.loads(run("show", chg, "--json").stdout)
    for number, command in enumerate(shown["subnets"][0]["commands"], start=1):
        # The command's row of the node's table: its number, then its page's
        # values in order (a name or a swap text may wrap inside its cell).
        values = [command["slaveAddress"], command["functionCode"], command["startAddress"],
                  command["dataCount"], command["mapAddress"] + "H"]
        pattern = (rf"^\s*{number}\s.*?\s" + r"\s+".join(re.escape(v) for v in values)
                   + r"(\s|$)")
        if not any(re.search(pattern, line) for line in lines):
            fail(f"command {number}'s row is not in the report: {values}")
        area, offset, length = io_place(command)
        io_row = rf"^\s*{area}\s+{offset}\s+{length}\s.*\s{number} (Read|Force|Preset) "
        if not any(re.search(io_row, line) for line in lines):
            fail(f"command {number}'s I/O map row is not in the report: {area} {offset} {length}")
    for needed in ("Commissioning Report", "plant.chg", "Input area", "Output area",
                   "Local data exchange", "I/O Map for the PLC", "Page 1 of"):
        if needed not in text:
            fail(f"the report lacks {needed!r}")

    letter = os.path.join(WORK, "letter.pdf")
    run("report", chg, "--output", letter, "--page-size", "Letter")
    info = subprocess.run(["pdfinfo", letter], capture_output=True, text=True).stdout
    if "612 x 792" not in info:
        fail("a Letter report is not on Letter paper:\n" + info)
    run("report", chg, "--output", letter, "--page-size", "A3", expect=2)
    run("report", os.path.join(WORK, "missing.chg"), "--output", letter, expect=1)


def check_round_trip():
    chg = project("plant")
    listed = os.path.join(WORK, "plant.csv")
    run("commands", chg, "--output", listed)
    fresh = os.path.join(WORK, "fresh.chg")
    run("new", "--output", fresh)
    imported = os.path.join(WORK, "imported.chg")
    run("import-commands", fresh, listed, "--output", imported)
    again = os.path.join(WORK, "again.csv")
    run("commands", imported, "--output", again)
    with open(listed, newline="") as a, open(again, newline="") as b:
        if a.read().lower() != b.read().lower():
            fail("the command list does not come back the same")
    # --append puts the list's commands after those there are.
    doubled = os.path.join(WORK, "doubled.chg")
    run("import-commands", imported, listed, "--output", doubled, "--append")
    shown = json.loads(run("show", doubled, "--json").stdout)["subnets"][0]
    if len(shown["nodes"]) != 2 or len(shown["commands"]) != 16:
        fail("--append did not add the commands to the nodes there are")


def check_refused():
    chg = project("plant")
    bad = os.path.join(WORK, "bad.csv")
    with open(bad, "w", newline="") as f:
        f.write("Slave Address (0~247);Function Code;Starting Address;Bit Offset (0~7)\r\n"
                "3;3;65536;\r\n3;1;0;9\r\n")
    out = os.path.join(WORK, "never.chg")
    result = run("import-commands", chg, bad, "--output", out, expect=1)
    for needed in ("Line 2, column 3 (Starting Address)", "Line 3, column 4 (Bit Offset (0~7))"):
        if needed not in result.stderr:
            fail(f"the refusal lacks {needed!r}:\n{result.stderr}")
    if os.path.exists(out):
        fail("a refused list was saved")


check_report()
check_round_trip()
check_refused()
print("documents e2e: ok")
