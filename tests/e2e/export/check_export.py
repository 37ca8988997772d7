"""End-to-end check of `brenmoor-cli export`: builds projects from JSON,
exports them and reads the workbooks back with openpyxl.

usage: check_export.py BRENMOOR_CLI DATA_DIR WORK_DIR
"""
import json
import os
import subprocess
import sys

import openpyxl

CLI, DATA, WORK = sys.argv[1:4]
failures = []


def run(*args, expect=0):
    result = subprocess.run([CLI, *args], capture_output=True, text=True)
    if result.returncode != expect:
        sys.exit(f"{' '.join(args)}: exit {result.returncode}, expected {expect}\n"
                 f"stdout: {result.stdout}\nstderr: {result.stderr}")
    return result


def project(name):
    chg = os.path.join(WORK, name + ".chg")
    run("import", os.path.join(DATA, name + ".json"), "--output", chg)
    return chg


def export(name):
    xlsx = os.path.join(WORK, name + ".xlsx")
    run("export", project(name), "--output", xlsx)
    return openpyxl.load_workbook(xlsx)


def expect_row(sheet, row, values):
    """values: column letter -> text; None for an empty cell."""
    for column, wanted in values.items():
        got = sheet[f"{column}{row}"].value
        if got != wanted:
            failures.append(f"{sheet.title}!{column}{row}: {got!r}, expected {wanted!r}")


def expect_text_cells(sheet):
    for row in sheet.iter_rows():
        for cell in row:
            if cell.value is not None and cell.data_type != "s":
                failures.append(f"{sheet.title}!{cell.coordinate} is not text")


os.makedirs(WORK, exist_ok=True)

book = export("master")
if book.sheetnames != ["Fieldbus", "Subnet", "Command List"]:
    failures.append(f"sheets {book.sheetnames}")

fieldbus = book["Fieldbus"]
expect_row(fieldbus, 1, {"A": "Type of Protocol", "B": "DeviceNet Address(0~63)"})
expect_row(fieldbus, 2, {"A": "DeviceNet", "B": None, "C": "Automatic", "D": "32", "E": "16"})
if not fieldbus["A1"].font.b or fieldbus["A2"].font.b:
    failures.append("only the header row is bold")
if fieldbus["A2"].alignment.vertical != "center":
    failures.append(f"vertical alignment {fieldbus['A2'].alignment.vertical!r}")

subnet = book["Subnet"]
expect_row(subnet, 1, {"N": "Communication Interface", "O": "Debug Interface"})
expect_row(subnet, 2, {
    "A": "1", "B": "Modbus Master", "C": "9600", "D": "8", "E": "Even", "F": "1", "G": None,
    "H": "ASCII", "I": None, "J": "25", "K": "Pulse output", "L": "300", "M": "10",
    "N": "RS485", "O": "RS232"})

commands = book["Command List"]
expect_row(commands, 1, {"A": "No.", "F": "Mapping Address (HEX)", "J": "Type of Check"})
# Subnet 0 is ASCII: every one of its commands now checks with LRC.
expect_row(commands, 2, {"A": "1", "B": "5", "C": "3", "F": "0010H", "H": "4", "J": "LRC"})
expect_row(commands, 3, {"A": "2", "C": "5", "F": "4000H", "G": "3", "H": "1", "J": "LRC",
                         "K": "Slow Scan"})
expect_row(commands, 4, {"A": "3", "B": None, "C": "6", "D": None, "E": None, "F": None,
                         "H": "2", "J": "LRC"})
# Subnet 1 follows, without a gap, with its own transmission mode.
expect_row(commands, 5, {"A": "4", "B": "9", "C": "16", "F": "401aH", "H": "6",
                         "I": "Two Bytes Swap", "J": "CRC"})
expect_row(commands, 6, {"A": None})
for sheet in book.worksheets:
    expect_text_cells(sheet)

subnet = export("slave")["Subnet"]
expect_row(subnet, 2, {
    "A": "1", "B": "Modbus Slave", "C": "4800", "D": "7", "E": "Odd", "F": "2", "G": "17",
    "H": "ASCII", "I": None, "M": None, "N": "RS232", "O": "RS485"})

# Exporting over an existing workbook replaces it.
target = os.path.join(WORK, "master.xlsx")
run("export", project("slave"), "--output", target)
if openpyxl.load_workbook(target)["Subnet"]["B2"].value != "Modbus Slave":
    failures.append("an existing workbook was not replaced")

# A workbook that cannot be written is reported with its name, exit status 1.
missing = os.path.join(WORK, "no-such-folder", "x.xlsx")
result = run("export", project("master"), "--output", missing, expect=1)
if missing not in result.stderr:
    failures.append(f"failure message does not name the file: {result.stderr!r}")
if os.path.exists(missing):
    failures.append("a workbook appeared after a failed export")

# A text of another edition's code page (Windows-1252 bytes in the file)
# reaches the workbook as valid UTF-8, and the workbook opens.
master = json.load(open(os.path.join(DATA, "master.json")))
master["fieldbus"]["fieldbusBaud"] = "Automat#c"
ansi_json = os.path.join(WORK, "ansi.json")
json.dump(master, open(ansi_json, "w"))
ansi = os.path.join(WORK, "ansi.chg")
run("import", ansi_json, "--output", ansi)
data = open(ansi, "rb").read()
open(ansi, "wb").write(data.replace(b"Automat#c", b"Automat\xefc"))
ansi_book = os.path.join(WORK, "ansi.xlsx")
run("export", ansi, "--output", ansi_book)
got = openpyxl.load_workbook(ansi_book)["Fieldbus"]["C2"].value
if got != "Automat\u00efc":
    failures.append(f"Windows-1252 text exported as {got!r}")

# A text longer than a cell holds names its field and writes nothing.
master["subnets"][0]["commands"][0]["startAddress"] = "7" * 40000
long_json = os.path.join(WORK, "long.json")
json.dump(master, open(long_json, "w"))
long_chg = os.path.join(WORK, "long.chg")
run("import", long_json, "--output", long_chg)
long_book = os.path.join(WORK, "long.xlsx")
result = run("export", long_chg, "--output", long_book, expect=1)
wanted = (f"The workbook {long_book} could not be written: the Starting Address of row 2 on the "
          "sheet Command List is longer than the 32767 characters a cell can hold.")
if result.stderr.strip() != wanted:
    failures.append(f"cell limit message {result.stderr!r}")
if os.path.exists(long_book):
    failures.append("a workbook appeared after a refused export")

if failures:
    sys.exit("\n".join(failures))
print("export: all checks passed")
