#!/usr/bin/env bash
# The main window under a window manager. On a small screen (1366 x 768) the
# whole window, frame included, is on the screen at start, and a size it is
# given is there again at the next start. On a large one (1920 x 1080) F11
# fills the screen, the wheel grows by the board's scale, and the central gem
# shows no colour it lacks at scale 1 (no blur).
# Usage: window_test.sh PROGRAM OUTPUT_DIR   (under xvfb-run)
set -u
program=$1 out=$2
rm -rf "$out" && mkdir -p "$out/config/Quillfen Software"
# The game's replays go with the settings, never among the player's own.
export XDG_CONFIG_HOME=$out/config XDG_DATA_HOME=$out/data
printf '[Settings]\nFirstStartDone=1\n' > "$out/config/Quillfen Software/Torvane.conf"
openbox --sm-disable > /dev/null 2>&1 &
wm=$! && sleep 1
fail() { echo "FAIL: $*"; kill "$pid" "$wm"; exit 1; }
# The window's place and size without its frame (xdotool counts a frame twice).
geometry() {
    eval "$(xwininfo -id "$wid" | awk -F: '/Absolute upper-left X/ {print "X=" $2+0}
        /Absolute upper-left Y/ {print "Y=" $2+0} / Width:/ {print "W=" $2+0} / Height:/ {print "H=" $2+0}')"
}
start() {
    "$program" > "$out/program.log" 2>&1 &
    pid=$! && sleep 3
    wid=$(xdotool search --onlyvisible --name '^Torvane$' | head -1)
    geometry
}
# The wheel's first and last row (not azure) in column $2 about row $3 of
# screenshot $1, and the colours in a square of side $4 around its centre.
wheel() {
    import -window root "$out/$1.png"
    read -r top bottom < <(convert "$out/$1.png" -crop "1x9999+$2+0" -depth 8 txt:- |
        awk -F'[:(,)]' -v m="$3" 'NR > 1 { a[$2] = ($6 > 150 && $4 < 60) } END { t = m
        while (t > 0 && !a[t - 1]) t--; b = m; while ((b + 1) in a && !a[b + 1]) b++; print t, b }')
    convert "$out/$1.png" -crop "$4x$4+$(($2 - $4 / 2))+$(((top + bottom - $4) / 2))" -unique-colors \
        -depth 8 txt:- | awk 'NR > 1 {print $3}' | sort > "$out/$1.colours"
}

start
if [ "$(xdpyinfo | awk '/dimensions/ {print $2}')" = 1366x768 ]; then
    read -r l r t b < <(xprop -id "$wid" _NET_FRAME_EXTENTS | tr -d , | cut -d' ' -f3-)
    [ $((X - l)) -ge 0 ] && [ $((Y - t)) -ge 0 ] && [ $((X + W + r)) -le 1366 ] && [ $((Y + H + b)) -le 768 ] ||
        fail "${W}x$H at $X,$Y with frame $l $r $t $b is off the screen"
    import -window root "$out/start.png"
    xdotool windowsize "$wid" 900 640 && sleep 1.5 && kill "$pid"
    start
    [ "$W.$H" = 900.640 ] || fail "started again at ${W}x$H, not 900x640"
else
    chromeW=$((W - 724)) chromeH=$((H - 698))
    xdotool windowfocus --sync "$wid" key ctrl+p && sleep 0.5  # no banner on the central gem
    wheel base $((X + chromeW + 362)) $((Y + H / 2)) 40
    base=$((bottom - top + 1))
    xdotool key F11 && sleep 1 && geometry
    [ "$W.$H" = 1920.1080 ] || fail "F11 gave ${W}x$H"
    scale=$(awk -v w=$((W - chromeW)) -v h=$((H - chromeH)) 'BEGIN { print (w / 724 < h / 698 ? w / 724 : h / 698) }')
    wheel full-screen $((chromeW + (W - chromeW) / 2)) 540 "$(awk -v s="$scale" 'BEGIN { printf "%d", 40 * s }')"
    awk -v d=$((bottom - top + 1)) -v b="$base" -v s="$scale" 'BEGIN { exit !(d / b > s * .98 && d / b < s * 1.02) }' ||
        fail "the wheel is $((bottom - top + 1)) pixels across, $base at scale 1: not $scale times"
    blur=$(comm -13 "$out/base.colours" "$out/full-screen.colours" | wc -l)
    [ "$blur" -eq 0 ] || fail "$blur colours round the central gem that scale 1 lacks"
    echo "scale $scale: the wheel $((bottom - top + 1)) pixels across, $base at scale 1"
fi
kill "$pid" "$wm"
echo "PASS: screenshots in $out"
