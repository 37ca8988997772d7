# The comparison window: File "Compare with File..." from the sample plant
# against a copy changed on site (a few values that a download sends and one
# of another subnet, which it does not). Sourced by scripts/screenshots.

/usr/bin/python3 - "$here/scripts/screenshot-config.json" "$work/site.json" <<'PY'
import json, sys
cfg = json.load(open(sys.argv[1]))
cfg["fieldbus"]["outputSize"] = "64"
s0 = cfg["subnets"][0]
s0["masterBaud"] = "19200"
s0["responseTimeout"] = "500"
s0["commands"][1]["startAddress"] = "200"
s0["commands"][4]["mapAddress"] = "1D"
cfg["subnets"][1]["masterBaud"] = "38400"
json.dump(cfg, open(sys.argv[2], "w"))
PY
"$cli" import "$work/site.json" --output "$work/site.chg" >/dev/null

# compare_shot <png> <file to compare with> <brenmoor arguments...>: opens
# the window, opens File > Compare with File, types the
# file's path into the file dialog and grabs the comparison window.
compare_shot() {
    out=$1
    other=$2
    shift 2
    xvfb-run -a -s "-screen 0 1440x778x24" sh -c '
        out=$1; other=$2; shift 2
        "$@" &
        pid=$!
        for i in $(seq 1 100); do
            xdotool search --name "Gateway Configuration Software Brenmoor" >/dev/null 2>&1 && break
            sleep 0.2
        done
        sleep 1
        # A click on the File menu: without a window manager the window has
        # no keyboard focus for Alt+F.
        xdotool mousemove 27 8 click 1
        sleep 0.7
        xdotool key c
        sleep 1.5
        xdotool type --delay 20 "$other"
        xdotool key Return
        for i in $(seq 1 50); do
            xdotool search --name "^Compare Configurations$" >/dev/null 2>&1 && break
            sleep 0.2
        done
        sleep 1
        import -window "$(xdotool search --name "^Compare Configurations$" | tail -n 1)" "$out"
        kill "$pid"
        wait "$pid" 2>/dev/null || true
    ' compare_shot "$out" "$other" "$@"
    echo "wrote $out"
}

compare_shot "$here/docs/images/compare-file.png" "$work/site.chg" \
    "$app" --no-select-device --select "subnet" "$work/plant.chg"
compare_shot "$here/docs/images/compare-same.png" "$work/plant.chg" \
    "$app" --no-select-device --select "subnet" "$work/plant.chg"
