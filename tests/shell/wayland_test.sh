#!/usr/bin/env bash
# The game as a native Wayland client of weston, which runs as a window of the
# X server (its headless backend has no seat, so no client would ever get the
# keyboard). Keys reach the game through weston's X window; what the game
# shows is read from that window. Checks: the game starts, F11 fills the
# output and gives back the old size, it pauses when another client takes the
# focus (pause when inactive on), and Qt's Wayland plugin warns of nothing.
# Usage: wayland_test.sh PROGRAM OUTPUT_DIR   (under xvfb-run, screen over 1200x900)
program=$1 out=$2
source "$(dirname "$0")/real_window.sh" && printf 'PauseWhenInactive=1\n' >> "$conf"
# Weston's socket lives here: short, whatever the length of the build folder's path.
XDG_RUNTIME_DIR=$(mktemp -d) && trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
export XDG_RUNTIME_DIR WAYLAND_DISPLAY=wayland-torvane
# A background of one colour that the game never shows, no panel, no animations.
printf '[shell]\nbackground-color=0xff00ff00\npanel-position=none\nlocking=false\nanimation=none\nstartup-animation=none\nfocus-animation=none\n' > "$out/weston.ini"
weston --backend=x11-backend.so --use-pixman --width=1200 --height=900 --idle-time=0 \
    --config="$out/weston.ini" --socket="$WAYLAND_DISPLAY" > "$out/weston.log" 2>&1 &
pids=($!)
output=$(timeout 10 xdotool search --sync --classname '^weston') || fail "weston did not start: $(cat "$out/weston.log")"
# Weston's X window holds the keyboard from now on, so weston hands it on to the game when it shows.
xdotool windowfocus --sync "$output"
(unset DISPLAY && QT_QPA_PLATFORM=wayland exec "$program") > "$out/program.log" 2>&1 &
pids+=($!)
# Weston's output as the X window shows it; weston's pointer, at first in the corner, masked.
shot() { import -window "$output" "$out/$1.png" && convert "$out/$1.png" -fill '#00ff00' -draw 'rectangle 0,0 31,31' "$out/$1.png"; }
# The rectangle of everything but the background, and the game's board.
extent() { convert "$out/$1.png" -fill black -opaque '#00ff00' -bordercolor black -border 1 -format '%@' info: 2> /dev/null; }
board() { convert "$out/$1.png" -crop "$((w - 100))x$((h - 150))+$((x + 50))+$((y + 50))" "$out/$1-board.png"; }
# Qt draws the title bar itself (weston decorates nothing): black text while the window has the keyboard.
active() { [ "$(convert "$out/$1.png" -crop "$((w - 60))x20+$((x + 30))+$((y + 2))" -format '%[fx:minima]' info:)" = 0 ]; }
differ() { board "$1" && board "$2" && [ "$(compare -metric AE "$out/$1-board.png" "$out/$2-board.png" null: 2>&1)" != 0 ]; }
within_10s() { for _ in $(seq 40); do eval "$1" && return 0; sleep 0.25; done && return 1; }
# Drawn once it holds still.
within_10s 'shot start && [ "$(extent start)" != 0x0+0+0 ] && [ "$(extent start)" = "${window:-}" ] || { window=$(extent start) && false; }' ||
    fail "no window appeared: $(cat "$out/program.log")"
IFS='x+' read -r w h x y <<< "$window"
within_10s 'shot focused && active focused' || fail "the window never got the keyboard"
xdotool key F11 && within_10s 'shot full-screen && [ "$(extent full-screen)" = 1200x900+1+1 ] && grep -qx FullScreen=1 "$conf"' ||
    fail "F11 gave $(extent full-screen), not the whole 1200x900 output: $(cat "$conf")"
xdotool key F11 && within_10s 'shot back && [ "$(extent back)" = "$window" ] && grep -qx FullScreen=0 "$conf"' ||
    fail "leaving full screen gave $(extent back), not $window: $(cat "$conf")"

# Playing, the board moves; another client takes the focus and it stops; Ctrl+P resumes.
xdotool key ctrl+p && shot running && within_10s 'shot moved && differ running moved' || fail "the board did not move after Ctrl+P"
weston-simple-shm > /dev/null 2>&1 & other=$!
within_10s 'shot other && [ "$(extent other)" != "$window" ]' || fail "weston-simple-shm showed no window"
kill "$other" && wait "$other" 2> /dev/null
within_10s 'shot paused-a && [ "$(extent paused-a)" = "$window" ] && active paused-a' && sleep 1 && shot paused-b
differ paused-a paused-b && fail "the game did not pause when another client took the focus"
xdotool key ctrl+p && within_10s 'shot resumed && differ paused-b resumed' || fail "Ctrl+P did not resume the game after the other client left"
! grep 'qt\.qpa' "$out/program.log" || fail "Qt's platform plugin warned"
kill -0 "${pids[1]}" || fail "the program is gone: $(cat "$out/program.log")"
kill "${pids[@]}"
echo "PASS: under Wayland the window is $window, full screen 1200x900, pauses when left"
