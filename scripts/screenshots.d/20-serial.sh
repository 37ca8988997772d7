# The serial dialogs against `brenmoor --simulate`: Serial Port
# Configuration as the first Download shows it, then Download Configuration
# after a download and Upload Configuration after an upload.
# Sourced by scripts/screenshots (shot, $app, $work and $here come from there).

# serial_shot <out> <toolbar x> <dialog title> <"x,y ..."|-> <brenmoor arguments...>:
# clicks a toolbar button; with clicks, confirms Serial Port Configuration,
# clicks those points of the transfer dialog in order (the last one its
# action button) and waits for the transfer; grabs the dialog.
serial_shot() {
    out=$1 toolx=$2 title=$3 buttony=$4
    shift 4
    xvfb-run -a -s "-screen 0 1440x778x24" sh -c '
        out=$1 toolx=$2 title=$3 buttony=$4
        shift 4
        "$@" &
        pid=$!
        for i in $(seq 1 100); do
            xdotool search --name "Gateway Configuration Software Brenmoor" >/dev/null 2>&1 && break
            sleep 0.2
        done
        sleep 2
        # A busy machine may drop the first click while the window settles.
        for try in 1 2 3; do
            xdotool mousemove "$toolx" 50 click 1
            found=no
            for i in $(seq 1 50); do
                xdotool search --name "^Serial Port Configuration$" >/dev/null 2>&1 && found=yes && break
                sleep 0.2
            done
            [ "$found" = yes ] && break
        done
        sleep 1
        if [ "$buttony" != - ]; then
            xdotool key Return
            for i in $(seq 1 100); do
                xdotool search --name "^$title$" >/dev/null 2>&1 && break
                sleep 0.2
            done
            sleep 1
            win=$(xdotool search --name "^$title$" | tail -n 1)
            for point in $buttony; do
                xdotool mousemove --window "$win" "${point%,*}" "${point#*,}" click 1
                sleep 0.3
            done
            sleep 6
        fi
        win=$(xdotool search --name "^$title$" | tail -n 1)
        # Without a window id, import would wait for a click that never comes.
        if [ -n "$win" ]; then
            import -window "$win" "$out"
        else
            echo "no window \"$title\" for $out" >&2
        fi
        kill "$pid"
        wait "$pid" 2>/dev/null || true
    ' serial_shot "$out" "$toolx" "$title" "$buttony" "$@"
    echo "wrote $out"
}

# Toolbar buttons are 80 pixels wide from x = 13: Upload is the 8th, Download the 9th.
serial_shot "$here/docs/images/config-dialog.png" 693 "Serial Port Configuration" - \
    "$app" --no-select-device --simulate "$work/plant.chg"
# With "Verify after download" left on: the picture shows the read-back as
# the fourth step.
serial_shot "$here/docs/images/download-dialog.png" 693 "Download Configuration" "155,310" \
    "$app" --no-select-device --simulate "$work/plant.chg"
serial_shot "$here/docs/images/upload-dialog.png" 613 "Upload Configuration" "155,280" \
    "$app" --no-select-device --simulate "$work/plant.chg"
