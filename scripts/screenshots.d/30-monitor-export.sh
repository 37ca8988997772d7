# The I/O monitor with rows, and the workbook of Export Excel drawn sheet by
# sheet. Sourced by scripts/screenshots (uses $build, $cli, $work, $here).
# Both pictures come from helpers of the GUI test build (monitor_shot,
# export_render): the monitor is drawn over a scripted port playing a plant's
# traffic, and the workbook's cells are read back with openpyxl, so no
# spreadsheet program is needed.
if [ -x "$build/bin/monitor_shot" ]; then
    QT_QPA_PLATFORM=offscreen "$build/bin/monitor_shot" "$here/docs/images/monitor.png"
    echo "wrote $here/docs/images/monitor.png"
else
    echo "missing $build/bin/monitor_shot: no monitor picture" >&2
fi
if [ -x "$build/bin/export_render" ]; then
    "$cli" export "$work/plant.chg" --output "$work/plant.xlsx" >/dev/null
    QT_QPA_PLATFORM=offscreen "$build/bin/export_render" "$work/plant.xlsx" "$here/docs/images/workbook-"
else
    echo "missing $build/bin/export_render: no workbook pictures" >&2
fi
