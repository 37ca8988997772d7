#!/usr/bin/env bash
# brenmoor-cli new / show / import from the outside: exit codes, messages on
# stderr, the default bytes and byte-exact round trips through JSON.
set -u
cli="$1"
data="$2"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
failures=0
passes=0

check() { # description, then a command that must succeed
  local what="$1"; shift
  if "$@"; then passes=$((passes + 1)); else echo "FAIL: $what"; failures=$((failures + 1)); fi
}
expect_status() { # expected status, description, command...
  local want="$1" what="$2"; shift 2
  "$@" >"$work/out" 2>"$work/err"
  local got=$?
  if [ "$got" -eq "$want" ]; then passes=$((passes + 1)); else
    echo "FAIL: $what: exit $got, wanted $want"; cat "$work/err"; failures=$((failures + 1)); fi
}

# new writes exactly the default bytes.
expect_status 0 "new" "$cli" new --output "$work/d.chg"
check "new writes the default bytes" cmp -s "$work/d.chg" "$data/default_314.chg"

# show --json and import round-trip, byte for byte.
expect_status 0 "show --json" "$cli" show "$work/d.chg" --json
cp "$work/out" "$work/d.json"
expect_status 0 "import" "$cli" import "$work/d.json" --output "$work/d2.chg"
check "default round trip" cmp -s "$work/d.chg" "$work/d2.chg"

# A configuration with nodes, commands, an old version and odd texts.
/usr/bin/python3 - "$work/d.json" "$work/rich.json" <<'PY'
import json, sys
cfg = json.load(open(sys.argv[1]))
cfg["formatVersion"] = 245
s0 = cfg["subnets"][0]
s0["nodes"] = [{"address": str(a), "name": "Node-%d" % a} for a in (3, 5)]
s0["commands"] = [dict(slaveAddress="3", functionCode="3", startAddress="0", dataCount="10",
                       mapAddress="2", bitOffset="", byteCount="20", swapMode="No Swap",
                       checkType="CRC", scanType="Fast Scan", nodeNumber=1),
                  dict(slaveAddress="5", functionCode="16", startAddress="100", dataCount="4",
                       mapAddress="4000", bitOffset="", byteCount="8", swapMode="Two Bytes Swap",
                       checkType="LRC", scanType="Slow Scan", nodeNumber=2)]
s0["nodeCount"], s0["commandCount"] = 2, 2
cfg["subnets"][2]["masterBaud"] = "Gr\u00fc\u00dfe \"quoted\" " + "x" * 300
json.dump(cfg, open(sys.argv[2], "w"))
PY
expect_status 0 "import rich" "$cli" import "$work/rich.json" --output "$work/rich.chg"
expect_status 0 "show rich" "$cli" show "$work/rich.chg" --json
cp "$work/out" "$work/rich2.json"
expect_status 0 "import rich again" "$cli" import "$work/rich2.json" --output "$work/rich2.chg"
check "rich round trip" cmp -s "$work/rich.chg" "$work/rich2.chg"
check "version kept" grep -q '"formatVersion": 245' "$work/rich2.json"
expect_status 0 "readable listing" "$cli" show "$work/rich.chg"
check "listing names the nodes" grep -q 'Node-5' "$work/out"

# Failures: message on stderr, exit 1; usage errors exit 2.
expect_status 1 "missing file" "$cli" show "$work/none.chg"
check "missing file message" grep -qx "$work/none.chg was not found." "$work/err"
head -c 100 "$work/d.chg" >"$work/cut.chg"
expect_status 1 "truncated file" "$cli" show "$work/cut.chg"
check "truncated file message" grep -qx "Unexpected file format." "$work/err"
echo '{"subnets": [{"nodes": "x"}]}' >"$work/bad.json"
expect_status 1 "bad JSON shape" "$cli" import "$work/bad.json" --output "$work/bad.chg"
check "no file written for bad JSON" test ! -e "$work/bad.chg"
echo '{"fieldbus": {"stationAdress": "3"}}' >"$work/typo.json"
expect_status 1 "misspelt field" "$cli" import "$work/typo.json" --output "$work/typo.chg"
echo '{' >"$work/broken.json"
expect_status 1 "broken JSON" "$cli" import "$work/broken.json" --output "$work/x.chg"
# Reported in the program's words, not the library's.
check "broken JSON message" grep -qx "$work/broken.json is not valid JSON (at byte 3)." "$work/err"
expect_status 2 "no command" "$cli"
expect_status 2 "unknown option" "$cli" show "$work/d.chg" --bogus
expect_status 2 "missing --output" "$cli" new
expect_status 1 "unwritable output" "$cli" new --output "$work/no/such/dir/x.chg"

# A number beyond the field's type is refused where it stands, not wrapped.
/usr/bin/python3 - "$work/d.json" "$work/huge.json" <<'PY'
import json, sys
cfg = json.load(open(sys.argv[1]))
s0 = cfg["subnets"][0]
s0["nodes"] = [{"address": "3", "name": "Node-3"}]
s0["commands"] = [dict(slaveAddress="3", functionCode="3", nodeNumber=18446744073709551615)]
json.dump(cfg, open(sys.argv[2], "w"))
PY
expect_status 1 "number out of range" "$cli" import "$work/huge.json" --output "$work/huge.chg"
check "out of range names the place" \
  grep -qx "$work/huge.json: subnets\[0\].commands\[0\].nodeNumber: number out of range" "$work/err"

# Only regular files are read or replaced; nothing waits on a FIFO.
mkfifo "$work/fifo.chg"
expect_status 1 "save onto a FIFO" "$cli" new --output "$work/fifo.chg"
check "FIFO refused" grep -qx "Access to $work/fifo.chg was denied." "$work/err"
check "FIFO kept" test -p "$work/fifo.chg"
expect_status 1 "open a FIFO" timeout 20 "$cli" show "$work/fifo.chg"
if mknod "$work/null.chg" c 1 3 2>/dev/null; then
  expect_status 1 "save onto a device" "$cli" new --output "$work/null.chg"
  check "device kept" test -c "$work/null.chg"
fi
cp "$work/rich.chg" "$work/ro.chg"; chmod 444 "$work/ro.chg"
cp "$work/ro.chg" "$work/ro.before"
expect_status 1 "save onto a read-only file" "$cli" new --output "$work/ro.chg"
check "read-only refused" grep -qx "Access to $work/ro.chg was denied." "$work/err"
check "read-only kept" cmp -s "$work/ro.chg" "$work/ro.before"
expect_status 1 "import a folder" "$cli" import "$work" --output "$work/x.chg"
check "import a folder message" grep -qx "Access to $work was denied." "$work/err"
cp "$work/d.chg" "$work/e.chg"
expect_status 2 "script that is a folder" "$cli" edit "$work/e.chg" --script "$work" --do add-node
check "script folder named" grep -q "cannot read the script $work: Access to $work was denied." "$work/err"
check "nothing saved after a bad script" cmp -s "$work/e.chg" "$work/d.chg"
expect_status 2 "script without end" timeout 20 "$cli" edit "$work/e.chg" --script /dev/zero

# Texts of another edition's code page (a Windows-1252 node name) reach
# JSON readably; the file keeps its bytes.
/usr/bin/python3 - "$work/d.json" "$work/ansi.json" <<'PY'
import json, sys
cfg = json.load(open(sys.argv[1]))
cfg["subnets"][0]["nodes"] = [{"address": "3", "name": "Pumpe S#d"}]
json.dump(cfg, open(sys.argv[2], "w"))
PY
expect_status 0 "import the name" "$cli" import "$work/ansi.json" --output "$work/ansi.chg"
/usr/bin/python3 -c "import sys; p=sys.argv[1]; b=open(p,'rb').read(); open(p,'wb').write(b.replace(b'S#d', b'S\xfcd'))" "$work/ansi.chg"
expect_status 0 "show --json of a Windows-1252 text" "$cli" show "$work/ansi.chg" --json
check "the name reads as UTF-8" /usr/bin/python3 -c "import json,sys; d=json.load(open(sys.argv[1], encoding='utf-8')); sys.exit(d['subnets'][0]['nodes'][0]['name'] != 'Pumpe S\u00fcd')" "$work/out"
cp "$work/ansi.chg" "$work/ansi2.chg"
expect_status 0 "edit keeps the bytes" "$cli" edit "$work/ansi2.chg" --do 'select subnet'
check "bytes kept" cmp -s "$work/ansi.chg" "$work/ansi2.chg"

echo "$passes passed, $failures failed"
[ "$failures" -eq 0 ]
