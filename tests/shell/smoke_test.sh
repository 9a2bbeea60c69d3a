#!/usr/bin/env bash
# Starts the real program in a real X window and plays it a little with
# xdotool: accelerators, a menu by keyboard, the running board, a drag, the
# mouse wheel and the keys. Checks the window, and the settings the commands
# store; screenshots stay in OUTPUT_DIR. Usage: smoke_test.sh PROGRAM OUTPUT_DIR   (under xvfb-run)
set -u
program=$1
out=$2
rm -rf "$out"
mkdir -p "$out/config/Quillfen Software"
# The game's replays go with the settings, never among the player's own.
export XDG_CONFIG_HOME=$out/config XDG_DATA_HOME=$out/data
conf="$XDG_CONFIG_HOME/Quillfen Software/Torvane.conf"
# Not the first start: no welcome question in the way.
printf '[Settings]\nFirstStartDone=1\n' > "$conf"

fail() {
    echo "FAIL: $*"
    import -window root "$out/failure.png" 2>/dev/null
    kill "$pid" 2>/dev/null
    exit 1
}

# Gives a condition up to five seconds to come true.
within_5s() {
    for _ in $(seq 50); do
        eval "$1" && return 0
        sleep 0.1
    done
    return 1
}

"$program" > "$out/program.log" 2>&1 &
pid=$!
within_5s 'wid=$(xdotool search --onlyvisible --name "^Torvane$" 2>/dev/null | head -1); [ -n "$wid" ]' ||
    fail "no window titled Torvane appeared"
eval "$(xdotool getwindowgeometry --shell "$wid")"
[ "$WIDTH" = 768 ] && [ "$HEIGHT" = 738 ] || fail "window is ${WIDTH}x${HEIGHT}, not 768x738"
xdotool windowfocus --sync "$wid"
sleep 0.3

# Ctrl+E turns the sound effects off; the Options menu by keyboard picks Hard.
xdotool key --window "$wid" ctrl+e
within_5s 'grep -qx Quiet=1 "$conf"' || fail "Ctrl+E stored no Quiet=1: $(cat "$conf")"
xdotool key --window "$wid" alt+o
sleep 0.3
xdotool key Down Down Return
within_5s 'grep -qx Difficulty=3 "$conf"' || fail "the menu stored no Difficulty=3: $(cat "$conf")"

# Play: the gems fall, so the board changes on its own.
xdotool key --window "$wid" ctrl+p
sleep 1
import -window "$wid" "$out/running-a.png"
sleep 1.5
import -window "$wid" "$out/running-b.png"
changed=$(compare -metric AE "$out/running-a.png" "$out/running-b.png" null: 2>&1)
[ "${changed%% *}" -gt 0 ] 2>/dev/null || fail "the running board did not change (difference: $changed)"

# Drag the wheel a little, roll the mouse wheel, drop the bomb, pause, quit.
xdotool mousemove --window "$wid" 600 360 mousedown 1 mousemove --window "$wid" 340 200 mouseup 1 \
    click 4 click 5 key --window "$wid" space ctrl+p ctrl+q
sleep 0.5

kill -0 "$pid" 2>/dev/null || fail "the program is gone: $(cat "$out/program.log")"
kill "$pid"
wait "$pid" 2>/dev/null
echo "PASS: window, accelerators, menu, drag, wheel and keys"
