"""Checks the configuration that build_config.edit makes, read back with show --json."""
import json
import sys

project = json.load(sys.stdin)
fieldbus = project["fieldbus"]
subnet = project["subnets"][0]
failures = []


def expect(what, actual, wanted):
    if actual != wanted:
        failures.append(f"{what}: {actual!r}, wanted {wanted!r}")


expect("stationAddress", fieldbus["stationAddress"], "12")
expect("inputSize", fieldbus["inputSize"], "128")
expect("outputSize", fieldbus["outputSize"], "96")
expect("masterBaud", subnet["masterBaud"], "9600")
expect("masterTransmission", subnet["masterTransmission"], "ASCII")
expect("responseTimeout", subnet["responseTimeout"], "1000")
expect("scanRate", subnet["scanRate"], "20")
expect("nodeCount", subnet["nodeCount"], 2)
expect("nodes", [(n["address"], n["name"]) for n in subnet["nodes"]],
       [("1", "Node-1"), ("2", "Node-2")])
expect("commandCount", subnet["commandCount"], 8)

wanted = [
    # code, node, start, count, map, bit, bytes, swap, scan
    ("1", 1, "0", "16", "2", "0", "2", "No Swap", "Slow Scan"),
    ("2", 1, "10", "8", "4", "", "1", "No Swap", "Fast Scan"),
    ("3", 1, "100", "10", "1a", "", "20", "Two Bytes Swap", "Fast Scan"),
    ("4", 1, "0", "2", "30", "", "4", "No Swap", "Fast Scan"),
    ("5", 2, "1", "1", "4000", "3", "", "No Swap", "Fast Scan"),
    ("6", 2, "9", "1", "4002", "", "", "No Swap", "Fast Scan"),
    ("15", 2, "0", "20", "4004", "", "3", "No Swap", "Fast Scan"),
    ("16", 2, "200", "5", "4010", "", "10", "Four Bytes Swap", "Fast Scan"),
]
for k, (code, node, start, count, mapping, bit, size, swap, scan) in enumerate(wanted):
    c = subnet["commands"][k]
    got = (c["functionCode"], c["nodeNumber"], c["startAddress"], c["dataCount"],
           c["mapAddress"], c["bitOffset"], c["byteCount"], c["swapMode"], c["scanType"])
    expect(f"command {k + 1}", got, (code, node, start, count, mapping, bit, size, swap, scan))
    expect(f"command {k + 1} slaveAddress", c["slaveAddress"], str(node))
    expect(f"command {k + 1} checkType", c["checkType"], "LRC")

for failure in failures:
    print(failure)
sys.exit(1 if failures else 0)
