#!/usr/bin/env bash
# The main window on real screens, under a window manager that decorates it
# and knows full screen.
#   small: on a 1366 x 768 screen the whole window, frame included, is on the
#          screen at start; a size it is given is there again at the next start.
#   large: on a 1920 x 1080 screen F11 fills the screen; the wheel grows with
#          the board's scale and the gems stay sharp (no colours but theirs).
# Usage: window_test.sh small|large PROGRAM OUTPUT_DIR   (under xvfb-run)
set -u
mode=$1
program=$2
out=$3
rm -rf "$out"
mkdir -p "$out/config/Quillfen Software"
export XDG_CONFIG_HOME=$out/config
conf="$XDG_CONFIG_HOME/Quillfen Software/Torvane.conf"
printf '[Settings]\nFirstStartDone=1\n' > "$conf"
pid=""

fail() {
    echo "FAIL: $*"
    import -window root "$out/failure.png" 2>/dev/null
    [ -n "$pid" ] && kill "$pid" 2>/dev/null
    kill "$wm" 2>/dev/null
    exit 1
}

openbox --sm-disable > "$out/wm.log" 2>&1 &
wm=$!
sleep 1

start() {
    "$program" > "$out/program.log" 2>&1 &
    pid=$!
    wid=""
    for _ in $(seq 100); do
        wid=$(xdotool search --onlyvisible --name '^Torvane$' 2>/dev/null | head -1)
        [ -n "$wid" ] && break
        sleep 0.1
    done
    [ -n "$wid" ] || fail "no window titled Torvane appeared"
    sleep 1
    geometry
}

# The window's place and size without its frame. (xdotool counts the frame
# twice in the place of a decorated window.)
geometry() {
    eval "$(xwininfo -id "$wid" | awk -F: '/Absolute upper-left X/ { print "X=" $2 + 0 }
        /Absolute upper-left Y/ { print "Y=" $2 + 0 } / Width:/ { print "WIDTH=" $2 + 0 }
        / Height:/ { print "HEIGHT=" $2 + 0 }')"
}

stop() {
    kill "$pid"
    wait "$pid" 2>/dev/null
    pid=""
}

# Prints the first and last row of the run of non-azure pixels (the wheel and
# its rim) through row $3 of column $2 of picture $1.
wheel_rows() {
    convert "$1" -crop "1x100000+$2+0" +repage -depth 8 txt:- |
        awk -F'[:(,)]' -v mid="$3" 'NR > 1 {
            y = $2; r = $4; b = $6; azure[y] = (b > 150 && r < 60)
        } END {
            top = mid; while (top > 0 && !azure[top - 1]) top--
            bottom = mid; while ((bottom + 1) in azure && !azure[bottom + 1]) bottom++
            print top, bottom
        }'
}

# Prints the colours of a square of side $4 around ($2, $3) of picture $1.
colours_around() {
    convert "$1" -crop "$4x$4+$(($2 - $4 / 2))+$(($3 - $4 / 2))" +repage -unique-colors \
        -depth 8 txt:- | awk 'NR > 1 { print $3 }' | sort -u
}

if [ "$mode" = small ]; then
    start
    # _NET_FRAME_EXTENTS(CARDINAL) = left, right, top, bottom
    read -r fl fr ft fb < <(xprop -id "$wid" _NET_FRAME_EXTENTS | tr -d ',' | awk '{print $3, $4, $5, $6}')
    [ -n "$fb" ] || fail "the window manager gave no frame"
    [ $((X - fl)) -ge 0 ] && [ $((Y - ft)) -ge 0 ] && [ $((X + WIDTH + fr)) -le 1366 ] &&
        [ $((Y + HEIGHT + fb)) -le 768 ] ||
        fail "window ${WIDTH}x${HEIGHT} at $X,$Y with frame $fl $fr $ft $fb is off the screen"
    import -window root "$out/1-start-1366x768.png"
    xdotool windowsize "$wid" 900 640
    for _ in $(seq 50); do
        grep -qx "Width=900" "$conf" && grep -qx "Height=640" "$conf" && break
        sleep 0.1
    done
    stop
    start
    [ "$WIDTH" = 900 ] && [ "$HEIGHT" = 640 ] || fail "started again at ${WIDTH}x${HEIGHT}, not 900x640"
    stop
    kill "$wm"
    echo "PASS: the window fits the screen at start and keeps its size; screenshots in $out"
    exit 0
fi

start
chromeW=$((WIDTH - 724))
chromeH=$((HEIGHT - 698))
# Play, so that no banner covers the central gem.
xdotool windowfocus --sync "$wid"
xdotool key --window "$wid" ctrl+p
sleep 0.5
import -window root "$out/1-base.png"
centreX=$((X + chromeW + 362))
read -r top bottom < <(wheel_rows "$out/1-base.png" "$centreX" $((Y + HEIGHT / 2)))
baseDiameter=$((bottom - top + 1))
baseColours=$(colours_around "$out/1-base.png" "$centreX" $(((top + bottom) / 2)) 40)

xdotool key --window "$wid" F11
sleep 1
import -window root "$out/2-full-screen-1920x1080.png"
geometry
[ "$WIDTH" = 1920 ] && [ "$HEIGHT" = 1080 ] || fail "F11 gave ${WIDTH}x${HEIGHT}, not the whole screen"
# The board's scale: the largest at which it fits the view, the window less
# its menu bar, toolbar and status bar.
scale=$(awk -v w=$((1920 - chromeW)) -v h=$((1080 - chromeH)) \
    'BEGIN { s = w / 724; if (h / 698 < s) s = h / 698; print s }')
centreX=$((chromeW + (1920 - chromeW) / 2))
read -r top bottom < <(wheel_rows "$out/2-full-screen-1920x1080.png" "$centreX" 540)
diameter=$((bottom - top + 1))
awk -v d="$diameter" -v b="$baseDiameter" -v s="$scale" 'BEGIN { exit !(d / b >= s * 0.98 && d / b <= s * 1.02) }' ||
    fail "the wheel is $diameter pixels across, $baseDiameter at scale 1: not $scale times"
side=$(awk -v s="$scale" 'BEGIN { printf "%d", 40 * s }')
smoothing=$(comm -13 <(echo "$baseColours") \
    <(colours_around "$out/2-full-screen-1920x1080.png" "$centreX" $(((top + bottom) / 2)) "$side") | wc -l)
[ "$smoothing" -eq 0 ] || fail "$smoothing colours around the central gem that scale 1 does not have: blurred"
stop
kill "$wm"
echo "PASS: full screen at scale $scale, wheel $diameter pixels across ($baseDiameter at scale 1), no blur"
