#!/bin/sh
# End-to-end tests of `brenmoor-cli edit`: run as run_edit_tests.sh CLI CASE.
set -u
cli=$1
case_name=$2
here=$(dirname "$0")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() {
    echo "FAIL: $*"
    exit 1
}

"$cli" new --output "$work/start.chg" || fail "new"

case "$case_name" in
build)
    "$cli" edit "$work/start.chg" --output "$work/built.chg" --script "$here/build_config.edit" \
        >"$work/out.txt" || fail "edit exited with $?"
    diff -u "$here/build_config.expected" "$work/out.txt" || fail "edit output differs"
    "$cli" show --json "$work/built.chg" >"$work/built.json" || fail "show"
    python3 "$here/check_config.py" <"$work/built.json" || fail "configuration differs"
    ;;
usage)
    cp "$work/start.chg" "$work/copy.chg"
    "$cli" edit "$work/copy.chg" --do 'select fieldbus' --do 'set 1 5' --do 'frobnicate' \
        >"$work/out.txt" 2>&1
    [ $? -eq 2 ] || fail "unknown command: exit status should be 2"
    cmp -s "$work/start.chg" "$work/copy.chg" || fail "a failed run must not save"
    "$cli" edit "$work/copy.chg" --do 'set 3 100' >/dev/null 2>&1
    [ $? -eq 2 ] || fail "a choice the list does not offer: exit status should be 2"
    "$cli" edit "$work/copy.chg" --do 'select node 1' >/dev/null 2>&1
    [ $? -eq 2 ] || fail "selecting a missing node: exit status should be 2"
    ;;
limits)
    {
        echo "select subnet"
        i=0
        while [ $i -lt 49 ]; do echo "add-node"; i=$((i + 1)); done
    } >"$work/nodes.edit"
    "$cli" edit "$work/start.chg" --script "$work/nodes.edit" >"$work/out.txt" || fail "edit"
    tail -n 2 "$work/out.txt" >"$work/tail.txt"
    printf 'Nodes overrun!\nrefused: add-node\n' | diff -u - "$work/tail.txt" ||
        fail "49th node"
    # The 48 nodes were saved back into start.chg. A node pasted onto itself
    # copies each of its commands once.
    "$cli" edit "$work/start.chg" --do 'select node 48' --do 'set 0 5' --do 'add-command 3' \
        --do 'copy-node' --do 'paste-node' >"$work/out.txt" || fail "paste run"
    grep -q '^pasted 1 commands into node 48$' "$work/out.txt" || fail "paste outcome"
    ;;
*)
    fail "unknown case $case_name"
    ;;
esac
exit 0
