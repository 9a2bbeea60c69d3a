#!/usr/bin/env bash
# The game as a native Wayland client of weston, which runs as a window of the
# X server (its headless backend has no seat, so no client would ever get the
# keyboard). Keys reach the game through weston's X window; what the game
# shows is read from that window. Checks: the game starts, F11 fills the
# output and gives back the old size, it pauses when another client takes the
# focus (pause when inactive on), the tutorial's pages show in a panel below
# the board, clear of what each page shows, and Qt's Wayland plugin warns of
# nothing.
# At 1024x600 the panel goes below the board, and the window keeps its size.
# Usage: wayland_test.sh PROGRAM OUTPUT_DIR [WIDTHxHEIGHT]   (under xvfb-run, screen larger than it)
program=$1 out=$2 size=${3:-1200x900}
IFS=x read -r ow oh <<< "$size"
source "$(dirname "$0")/real_window.sh" && printf 'PauseWhenInactive=1\n' >> "$conf"
# Weston's socket lives here: short, whatever the length of the build folder's path.
XDG_RUNTIME_DIR=$(mktemp -d) && trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
export XDG_RUNTIME_DIR WAYLAND_DISPLAY=wayland-torvane
# A background of one colour that the game never shows, no panel, no animations.
printf '[shell]\nbackground-color=0xff00ff00\npanel-position=none\nlocking=false\nanimation=none\nstartup-animation=none\nfocus-animation=none\n' > "$out/weston.ini"
weston --backend=x11-backend.so --use-pixman --width=$ow --height=$oh --idle-time=0 \
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
xdotool key F11 && within_10s 'shot full-screen && [ "$(extent full-screen)" = "$size+1+1" ] && grep -qx FullScreen=1 "$conf"' ||
    fail "F11 gave $(extent full-screen), not the whole $size output: $(cat "$conf")"
xdotool key F11 && within_10s 'shot back && [ "$(extent back)" = "$window" ] && grep -qx FullScreen=0 "$conf"' ||
    fail "leaving full screen gave $(extent back), not $window: $(cat "$conf")"

# Playing, the board moves; another client takes the focus and it stops; Ctrl+P resumes.
xdotool key ctrl+p && shot running && within_10s 'shot moved && differ running moved' || fail "the board did not move after Ctrl+P"
weston-simple-shm > /dev/null 2>&1 & other=$!
# On a small output it may open over the game's window, which then shows inactive.
within_10s 'shot other && { [ "$(extent other)" != "$window" ] || ! active other; }' || fail "weston-simple-shm showed no window"
kill "$other" && wait "$other" 2> /dev/null
within_10s 'shot paused-a && [ "$(extent paused-a)" = "$window" ] && active paused-a' && sleep 1 && shot paused-b
differ paused-a paused-b && fail "the game did not pause when another client took the focus"
xdotool key ctrl+p && within_10s 'shot resumed && differ paused-b resumed' || fail "Ctrl+P did not resume the game after the other client left"

# Weston places windows where it likes: the tutorial's text is a panel of the
# main window (never grown for it), beside or below the view (the azure column by
# the toolbar), never over what its page shows (board pixels as in window_test.sh).
letters() { convert "$out/$1.png" -crop "$2" -depth 8 txt:- | awk -F'[:(,)]' 'NR > 1 { printf "%s", ($6 > 150 && $4 < 60 ? "a" : "o") }'; }
run() { awk -v s="$1" -v m="$2" 'BEGIN { l = m; r = m; while (l > 0 && substr(s, l, 1) == "a") l--
    while (substr(s, r + 2, 1) == "a") r++; print l, r }'; }
at() { awk -v a="$1" -v b="$2" -v s="$scale" 'BEGIN { printf "%d", a + b * s }'; }
# The page's text box, where the screenshot is white in whole blocks of 25 x 10: width, height, left, top.
text_box() { convert "$out/$1.png" -fill black +opaque white -scale 4%x10% -threshold 99% -bordercolor black \
    -border 1 -format '%@' info: 2> /dev/null | awk -F'[x+]' '{ print $1 * 25, $2 * 10, ($3 - 1) * 25, ($4 - 1) * 10 }'; }
subjects=("322 309 402 389" "267 123 518 365" "307 267 443 431" "244 133 430 409" "281 133 469 453"
    "281 133 469 453" "307 267 456 453" "-60 0 190 54 307 267 456 453" "0 0 724 54" "-60 0 0 60")
xdotool key alt+h && sleep 0.5 && xdotool key t && sleep 1.5 && xdotool key y  # ends the game under way
read -r cx _ < <(awk -v s="$(letters focused "9999x1+0+$((y + h / 3))")" -v a="$x" 'BEGIN { print index(substr(s, a + 1), "a") + a + 1 }')
for page in $(seq 10); do
    # Each page's text differs from the one before; no window opens beside.
    within_10s "shot page$page && [ \"\$(extent page$page | cut -d+ -f2-)\" = \"${window#*+}\" ] && read -r bw bh bx0 by0 < <(text_box page$page) && [ \$bw -gt 0 ] &&
        ! compare -metric AE -extract \${bw}x\$bh+\$bx0+\$by0 $out/page$page.png $out/page$((page - 1)).png null: 2> /dev/null" ||
        fail "page $page did not show within the window at ${window#*+} but at $(extent "page$page")"
    # The panel takes its room from the board, never from the screen: the
    # window keeps its size (grown, its frame would run past the output's edge).
    [ "$(extent "page$page")" = "$window" ] ||
        fail "page $page's window is $(extent "page$page"), not $window as before the panel"
    read -r vy0 vy1 < <(run "$(letters "page$page" "1x9999+$cx+0")" $((y + h / 3)))
    read -r vx0 vx1 < <(run "$(letters "page$page" "9999x1+0+$((vy0 + 1))")" "$cx")
    [ "$bw" -gt 1 ] && { [ "$by0" -gt "$vy1" ] || [ "$bx0" -gt "$vx1" ]; } ||
        fail "page $page's text at $bx0,$by0 is not beside or below the view ($vx0,$vy0 to $vx1,$vy1)"
    scale=$(awk -v w=$((vx1 - vx0 + 1)) -v h=$((vy1 - vy0 + 1)) 'BEGIN { print (w / 724 < h / 698 ? w / 724 : h / 698) }')
    bx=$(at $(((vx0 + vx1 + 1) / 2)) -362) by=$(at $(((vy0 + vy1 + 1) / 2)) -349)
    set -- ${subjects[$((page - 1))]}
    while [ $# -ge 4 ]; do
        [ "$(at "$bx" "$3")" -le "$bx0" ] || [ "$((bx0 + bw))" -le "$(at "$bx" "$1")" ] ||
            [ "$(at "$by" "$4")" -le "$by0" ] || [ "$((by0 + bh))" -le "$(at "$by" "$2")" ] ||
            fail "page $page's text at $bx0,$by0 (${bw}x$bh) hides its $1 $2 $3 $4"
        shift 4
    done
    echo "page $page: text at $bx0,$by0 (${bw}x$bh), view $vx0,$vy0 to $vx1,$vy1, scale $scale"
    xdotool key space
done
! grep 'qt\.qpa' "$out/program.log" || fail "Qt's platform plugin warned"
kill -0 "${pids[1]}" || fail "the program is gone: $(cat "$out/program.log")"
kill "${pids[@]}"
echo "PASS: under Wayland the window is $window, full screen $size, pauses when left, the tutorial in a panel"
