# The I/O monitor with rows, and the workbook of Export Excel drawn sheet by
# sheet. Sourced by scripts/screenshots (uses $build, $cli, $work, $here).
# Both pictures come from helpers of the GUI test build (monitor_shot,
# export_render). The monitor runs on the simulated gateway in its monitor
# mode when the simulator has one, and otherwise over a scripted port playing
# a plant's traffic; the workbook's cells are read back with openpyxl, so no
# spreadsheet program is needed.
monitor_png="$here/docs/images/monitor.png"
sim="$build/bin/brenmoor-gateway-sim"
if [ ! -x "$build/bin/monitor_shot" ]; then
    echo "missing $build/bin/monitor_shot: no monitor picture" >&2
elif [ -x "$sim" ] && "$sim" --help 2>/dev/null | grep -q -- "--mode"; then
    "$sim" --mode monitor --log "$work/sim-monitor.log" >"$work/sim-monitor.out" 2>/dev/null &
    sim_pid=$!
    # The first line is the device path, once the gateway is listening.
    for i in $(seq 1 50); do
        [ -s "$work/sim-monitor.out" ] && break
        sleep 0.1
    done
    QT_QPA_PLATFORM=offscreen "$build/bin/monitor_shot" --device "$(head -n 1 "$work/sim-monitor.out")" \
        --ms 3000 "$monitor_png" && echo "wrote $monitor_png"
    kill "$sim_pid" 2>/dev/null || true
    wait "$sim_pid" 2>/dev/null || true
else
    QT_QPA_PLATFORM=offscreen "$build/bin/monitor_shot" "$monitor_png" && echo "wrote $monitor_png"
fi
if [ -x "$build/bin/export_render" ]; then
    "$cli" export "$work/plant.chg" --output "$work/plant.xlsx" >/dev/null
    QT_QPA_PLATFORM=offscreen "$build/bin/export_render" "$work/plant.xlsx" "$here/docs/images/workbook-"
else
    echo "missing $build/bin/export_render: no workbook pictures" >&2
fi
