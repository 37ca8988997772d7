# The window on a small screen, scaled, under a dark theme, and a download
# in progress. Sourced by scripts/screenshots (shot, $app, $build, $cli,
# $work and $here come from there).

# small_shot <out> <screen> <scale> <brenmoor arguments...>: the whole screen
# of that size, the window placed by the program itself.
small_shot() {
    out=$1 screen=$2 scale=$3
    shift 3
    QT_SCALE_FACTOR=$scale xvfb-run -a -s "-screen 0 ${screen}x24" sh -c '
        out=$1; shift
        "$@" &
        pid=$!
        for i in $(seq 1 100); do
            xdotool search --name "Gateway Configuration Software Brenmoor" >/dev/null 2>&1 && break
            sleep 0.2
        done
        sleep 2
        import -window root "$out"
        kill "$pid"
        wait "$pid" 2>/dev/null || true
    ' small_shot "$out" "$@"
    echo "wrote $out"
}

small_shot "$here/docs/images/small-screen.png" 1366x768 1 \
    "$app" --no-select-device --select "command 2" "$work/plant.chg"
small_shot "$here/docs/images/small-screen-150.png" 1366x768 1.5 \
    "$app" --no-select-device --select "command 2" "$work/plant.chg"

if [ -x "$build/bin/dark_shot" ]; then
    xvfb-run -a -s "-screen 0 1440x900x24" "$build/bin/dark_shot" "$work/plant.chg" \
        "$here/docs/images/dark-theme.png" && echo "wrote $here/docs/images/dark-theme.png"
else
    echo "missing $build/bin/dark_shot: no dark theme picture" >&2
fi

# A 48-command download against `brenmoor --simulate` ($work/full48.chg),
# grabbed half-way: the step lines, the bar and "k of n".
xvfb-run -a -s "-screen 0 1440x778x24" sh -c '
    out=$1; shift
    "$@" &
    pid=$!
    for i in $(seq 1 100); do
        xdotool search --name "Gateway Configuration Software Brenmoor" >/dev/null 2>&1 && break
        sleep 0.2
    done
    sleep 2
    # Download on the toolbar (the ninth button), then OK in Serial Port
    # Configuration; the Download button has the keyboard when its dialog opens.
    for try in 1 2 3; do
        xdotool mousemove 693 50 click 1
        found=no
        for i in $(seq 1 50); do
            xdotool search --name "^Serial Port Configuration$" >/dev/null 2>&1 && found=yes && break
            sleep 0.2
        done
        [ "$found" = yes ] && break
    done
    sleep 1
    xdotool key Return
    for i in $(seq 1 100); do
        xdotool search --name "^Download Configuration$" >/dev/null 2>&1 && break
        sleep 0.2
    done
    sleep 1
    win=$(xdotool search --name "^Download Configuration$" | tail -n 1)
    xdotool key space
    sleep 4
    import -window "$win" "$out"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
' progress_shot "$here/docs/images/transfer-progress.png" \
    "$app" --no-select-device --simulate "$work/full48.chg"
echo "wrote $here/docs/images/transfer-progress.png"
