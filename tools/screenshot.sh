#!/usr/bin/env bash
# Plays Torvane for a while in a virtual X screen and saves its window as the
# picture that software centres show: resources/desktop/screenshot.png.
# Usage: tools/screenshot.sh [PROGRAM [OUTPUT]]
#   PROGRAM defaults to build/shell/torvane, OUTPUT to resources/desktop/screenshot.png.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
program=$(realpath "${1:-$root/build/shell/torvane}")
output=$(realpath -m "${2:-$root/resources/desktop/screenshot.png}")

if [ -z "${TORVANE_SCREENSHOT_DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" \
        env TORVANE_SCREENSHOT_DISPLAY=1 bash "$0" "$program" "$output"
fi

work=$(mktemp -d)
pid=""
trap 'kill "$pid" 2>/dev/null; rm -rf "$work"' EXIT
mkdir -p "$work/config/Quillfen Software"
# In English, the language of the metadata the picture goes with.
export HOME=$work XDG_CONFIG_HOME=$work/config LANGUAGE=en
# A second start, on Hard (the cluster grows quickly), without sound.
printf '[Settings]\nFirstStartDone=1\nDifficulty=3\nQuiet=1\n' \
    > "$XDG_CONFIG_HOME/Quillfen Software/Torvane.conf"

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
sleep 0.3
xdotool key --window "$wid" ctrl+p
xdotool mousemove --window "$wid" 600 300

# Turn the wheel a little now and then, so that the gems settle all round the
# centre instead of piling up on one side.
for step in $(seq 24); do
    sleep 2
    if [ $((step % 2)) -eq 0 ]; then
        xdotool click 4 click 4 click 4
    else
        xdotool click 5 click 5
    fi
done

kill -0 "$pid" 2>/dev/null || { echo "the program is gone: $(cat "$work/program.log")" >&2; exit 1; }
import -window "$wid" "$work/shot.png"
# Plain pixels only: no time stamps in the file, so a new picture differs
# from the old one only where the game does.
convert "$work/shot.png" -strip "$output"
echo "$output: $(identify -format '%wx%h' "$output")"
