#!/usr/bin/env bash
# The daily game in the real program, on the machine's date: Ctrl+D starts
# the game whose number the date gives (worked out here from the documented
# function), played, quit (its panel shown) and left; its replay names the day
# and the number, and the runner proves it the day's game at its score.
# Usage: daily_game_test.sh PROGRAM RUNNER OUTPUT_DIR   (under xvfb-run)
program=$1 runner=$2 out=$3
source "$(dirname "$0")/real_window.sh" && manage
data="$out/data/Quillfen Software/Torvane"
# The daily game's number of date $1 (YYYY-MM-DD), as the help documents it.
number() {
    python3 -c 'import datetime, sys; m = 2**64; z = (datetime.date.fromisoformat(sys.argv[1]).toordinal() - 719163 + 0x9E3779B97F4A7C15) % m
z = ((z ^ (z >> 30)) * 0xBF58476D1CE4E5B9) % m; z = ((z ^ (z >> 27)) * 0x94D049BB133111EB) % m
print(1 + (z ^ (z >> 31)) % 2147483646)' "$1"
}

before=$(date +%F)
start
xdotool key ctrl+d && sleep 1 && xdotool key ctrl+p
for _ in $(seq 10); do xdotool key --delay 150 Left Left Right; done
import -window root "$out/daily.png"
xdotool key ctrl+q
# Quit game asks nothing, yet the day's game tells its result beside the board.
await_window '^Daily game$' 30 > /dev/null ||
    fail "no daily panel after Quit game"
xdotool key Escape && sleep 0.5 && xdotool windowactivate --sync "$wid"
xdotool key alt+g && sleep 0.5 && xdotool key x && wait "$pid"
after=$(date +%F)
replay="$data/replays/last-game.tvr"
day=$(zcat "$replay" | sed -n 's/^# Daily: //p')
[ "$day" = "$before" ] || [ "$day" = "$after" ] || fail "the daily game of $day, not of $before"
zcat "$replay" | grep -qx "# Game: $(number "$day")" || fail "not the number of $day"
score=$(zcat "$replay" | sed -n 's/^# Score: //p')
"$runner" --check "$replay" | grep -qx "{\"ev\":\"replay\",\"score\":$score,\"daily\":\"$day\"}" ||
    fail "the runner does not prove the daily game of $day at $score"
kill "${pids[@]}"
echo "PASS: daily game of $day, game $(number "$day"), score $score; screenshot in $out"
