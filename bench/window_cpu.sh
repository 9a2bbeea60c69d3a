#!/usr/bin/env bash
# What a player feels of the painting: the CPU the real window takes while a
# game plays untouched, over 10 seconds, at the window's first size and full
# screen on a 1920 x 1080 screen, and how often it sends a picture to the X
# server. A virtual X screen with a window manager; a figure, never a test.
# Usage: bench/window_cpu.sh [PROGRAM [SECONDS]]
#   PROGRAM defaults to build/shell/torvane, SECONDS to 10.
# CPU is given as a share of one core, as top shows it (user and system time
# of the program's process, all its threads); the X server's own beside it.
# Pictures a second: bursts of writes to the program's X connection (each
# repaint sends one burst: the picture and a sync), counted with strace in a
# second run of the same length.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
program=$(realpath "${1:-$root/build/shell/torvane}")
seconds=${2:-10}

if [ -z "${TORVANE_CPU_DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-noreset -screen 0 1920x1080x24" \
        env TORVANE_CPU_DISPLAY=1 bash "$0" "$program" "$seconds"
fi

work=$(mktemp -d)
pid="" wm=""
trap 'kill $pid $wm 2>/dev/null; rm -rf "$work"' EXIT
mkdir -p "$work/config/Quillfen Software"
export HOME=$work XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data
# Not the first start (no tutorial offered), no sound.
printf '[Settings]\nFirstStartDone=1\nQuiet=1\n' \
    > "$XDG_CONFIG_HOME/Quillfen Software/Torvane.conf"
openbox --sm-disable > /dev/null 2>&1 &
wm=$!
sleep 1
xvfb=$(pgrep -o -x Xvfb -P "$(ps -o ppid= $$ | tr -d ' ')" || pgrep -n -x Xvfb)
ticks=$(getconf CLK_TCK)

# User plus system clock ticks of a process so far.
cpu() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }

start() {
    "$program" > "$work/program.log" 2>&1 &
    pid=$!
    wid=""
    for _ in $(seq 100); do
        wid=$(xdotool search --onlyvisible --name '^Torvane$' 2>/dev/null | head -1 || true)
        [ -n "$wid" ] && break
        sleep 0.1
    done
    [ -n "$wid" ] || { echo "no Torvane window: $(cat "$work/program.log")" >&2; exit 1; }
    xdotool windowfocus --sync "$wid"
    sleep 0.5
    if [ "$1" = full ]; then
        xdotool key F11
        sleep 1
    fi
    xdotool key ctrl+p
    # Away from the board: the pointer does nothing.
    xdotool mousemove 0 0
    sleep 3
}

measure() {
    start "$1"
    local size p0 x0 p1 x1 fd writes
    size=$(xwininfo -id "$wid" | awk '/ Width:/ {w = $2} / Height:/ {h = $2} END {print w "x" h}')
    p0=$(cpu "$pid") x0=$(cpu "$xvfb")
    sleep "$seconds"
    p1=$(cpu "$pid") x1=$(cpu "$xvfb")
    # The X connection: the program's one socket to the server.
    fd=$(ls -l "/proc/$pid/fd" | awk '/socket:/ {print $9}' | head -1)
    timeout "$seconds" strace -f -qq -ttt -e trace=writev,sendmsg,write -e signal=none \
        -p "$pid" -o "$work/trace" 2> /dev/null || true
    # Writes less than 4 ms apart belong to one burst.
    writes=$(grep -E "^[0-9]+ +[0-9.]+ (writev|sendmsg|write)\($fd," "$work/trace" |
        awk '$2 - last > 0.004 { n++ } { last = $2 } END { print n + 0 }')
    awk -v n="$1" -v s="$size" -v p=$((p1 - p0)) -v x=$((x1 - x0)) -v t="$ticks" -v d="$seconds" \
        -v w="$writes" 'BEGIN { printf "%-5s window %-9s program %5.1f%% CPU  X server %5.1f%%  %5.1f pictures/s\n",
        n, s, 100 * p / t / d, 100 * x / t / d, w / d }'
    kill "$pid"
    wait "$pid" 2> /dev/null || true
    pid=""
}

measure base
measure full
