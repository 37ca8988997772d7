# The monitor's statistics and plot beside its list, in the real window on a
# 1366x768 screen, with the simulated gateway of --simulate playing a plant's
# traffic for the sample project. Sourced by scripts/screenshots (uses $app,
# $work and $here). The clicks are where the toolbar's monitor button, the
# Plot tab and two commands of the plot's list lie at that screen size.
cat >"$work/traffic.txt" <<'SCRIPT'
ok 3 0 b5 0f
ok/ok/ok/ok/ok/ok/ok/abnormal:02 3 100 sine:1000:30 inc:0100:5 00 07 00 08 00 09 00 0a 00 0b 00 0c 00 0d 00 0e
ok 3 200 00 64
ok/ok/ok/timeout 5 10 a5
ok 5 0 sine:500:20 inc:0000:1 00 2a 00 2b
ok/error 5 300 inc:0000:7 00 00 00 01 00 00 00 02 00 00 00 03
ok 17 7 01
ok 17 20 ff 0f
hidden 9 9 00
ok 9 40 00 01
SCRIPT
XDG_STATE_HOME="$work/state" xvfb-run -a -s "-screen 0 1366x768x24" sh -c '
    "$1" --no-select-device --simulate --simulate-full-speed --simulate-records "$2" "$3" &
    pid=$!
    for i in $(seq 1 100); do
        xdotool search --onlyvisible --name "Gateway Configuration Software Brenmoor" >/dev/null 2>&1 && break
        sleep 0.2
    done
    sleep 2
    # Monitor I/O Data, then OK to the serial settings.
    xdotool mousemove 978 45 click 1
    sleep 3
    xdotool key Return
    sleep 40
    # Two commands whose values swing below zero read as int16 (the entry
    # after uint16 in "Decode as:"), the holding registers left selected.
    for row in 259 199; do
        xdotool mousemove 990 $row click 1
        sleep 0.5
        xdotool mousemove 917 469 click 1
        sleep 0.5
        xdotool key Down Return
        sleep 0.5
    done
    sleep 1
    import -window root "$4"
    # The plot of the two over the session so far.
    xdotool mousemove 887 134 click 1
    sleep 1
    xdotool mousemove 798 188 click 1
    xdotool mousemove 798 230 click 1
    sleep 1
    import -window root "$5"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
' shot "$app" "$work/traffic.txt" "$work/plant.chg" \
    "$here/docs/images/monitor-statistics.png" "$here/docs/images/monitor-plot.png"
echo "wrote $here/docs/images/monitor-statistics.png and monitor-plot.png"
