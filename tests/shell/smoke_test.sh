#!/usr/bin/env bash
# Starts the real program in a real X window and plays it a little with
# xdotool: accelerators, a menu by keyboard, a drag, the mouse wheel, the
# space bar. Checks the window, and the settings the commands store.
# Usage: smoke_test.sh PROGRAM OUTPUT_DIR   (under xvfb-run)
set -u
program=$1
out=$2
rm -rf "$out"
mkdir -p "$out/config/Quillfen Software"
export XDG_CONFIG_HOME=$out/config
conf="$XDG_CONFIG_HOME/Quillfen Software/Torvane.conf"
# Not the first start: no welcome question in the way.
printf '[Settings]\nFirstStartDone=1\n' > "$conf"

fail() {
    echo "FAIL: $*"
    import -window root "$out/failure.png" 2>/dev/null
    kill "$pid" 2>/dev/null
    exit 1
}

# Waits up to five seconds for the config file to hold a line.
wait_for_setting() {
    for _ in $(seq 50); do
        grep -qx "$1" "$conf" && return 0
        sleep 0.1
    done
    fail "the config file never got $1: $(tr '\n' ' ' < "$conf")"
}

"$program" > "$out/program.log" 2>&1 &
pid=$!

wid=""
for _ in $(seq 100); do
    wid=$(xdotool search --onlyvisible --name '^Torvane$' 2>/dev/null | head -1)
    [ -n "$wid" ] && break
    sleep 0.1
done
[ -n "$wid" ] || fail "no window titled Torvane appeared"

eval "$(xdotool getwindowgeometry --shell "$wid")"
[ "$WIDTH" = 768 ] && [ "$HEIGHT" = 738 ] || fail "window is ${WIDTH}x${HEIGHT}, not 768x738"

xdotool windowfocus --sync "$wid"
sleep 0.3
import -window root "$out/1-start.png"

# Ctrl+E turns the sound effects off and stores it.
xdotool key --window "$wid" ctrl+e
wait_for_setting "Quiet=1"

# Options menu by keyboard: Easy, Medium, Hard.
xdotool key --window "$wid" alt+o
sleep 0.3
xdotool key Down Down Return
wait_for_setting "Difficulty=3"

# Play: the gems fall, so the board changes on its own.
xdotool key --window "$wid" ctrl+p
sleep 1
import -window "$wid" "$out/running-a.png"
sleep 1.5
import -window "$wid" "$out/running-b.png"
changed=$(compare -metric AE "$out/running-a.png" "$out/running-b.png" null: 2>&1)
[ "${changed%% *}" -gt 0 ] 2>/dev/null || fail "the running board did not change (difference: $changed)"

# Drag the wheel half way round, roll the mouse wheel, drop the bomb.
xdotool mousemove --window "$wid" 600 360 mousedown 1
for x in 580 540 500 460 420 380 340; do
    xdotool mousemove --window "$wid" "$x" 200
    sleep 0.05
done
xdotool mouseup 1
xdotool click 4 click 4 click 5
xdotool key --window "$wid" space
sleep 2
import -window root "$out/2-playing.png"

# Ctrl+P pauses again; Ctrl+Q ends the game.
xdotool key --window "$wid" ctrl+p
sleep 0.3
xdotool key --window "$wid" ctrl+q
sleep 0.5
import -window root "$out/3-over.png"

kill -0 "$pid" 2>/dev/null || fail "the program is gone: $(cat "$out/program.log")"
kill "$pid"
wait "$pid" 2>/dev/null
echo "PASS: window, accelerators, menu, drag, wheel and keys; screenshots in $out"
