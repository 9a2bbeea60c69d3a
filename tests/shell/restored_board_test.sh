#!/usr/bin/env bash
# A game left a few seconds after a bomb went off looks at the next start
# exactly as it did when it was left: the gems the bomb destroyed stay gone.
# The kept game is a bomb practice on Hard, paused; the window plays it and
# drops a bomb, pauses once the explosion is over and is closed; the window
# of the next start is compared with the last picture of the one before,
# pixel by pixel within a little rounding.
# Usage: restored_board_test.sh PROGRAM RUNNER OUTPUT_DIR   (under xvfb-run)
program=$1 runner=$2 out=$3
source "$(dirname "$0")/real_window.sh" && manage
kept="$out/data/Quillfen Software/Torvane/games/game-1.tvr"
mkdir -p "$(dirname "$kept")"
printf '%s\n' '# Torvane replay' '# Version: 1.0.4' '# Rules: 1' '# Played: 2026-12-07 21:36 UTC' \
    '# Difficulty: Hard' '# Score: 0' 'at 1000' 'seed 7' 'setting Difficulty 3' 'new BombPractice' \
    'resume' 'at 1066' 'tick' 'pause' 'state' > "$kept"
# Pixels more than a little off, between window pictures $1 and $2.
off() { compare -metric AE -fuzz 8% "$out/$1.png" "$out/$2.png" "$out/$1-$2.png" 2>&1; }

start
xdotool key ctrl+p ctrl+b
# The kept file tells when the bomb went off; its explosion shows 1.2 s.
for _ in $(seq 100); do "$runner" "$kept" | grep -q '"ev":"bomb".*"destroyed":[1-9]' && break; sleep 0.3; done
"$runner" "$kept" | grep -q '"ev":"bomb".*"destroyed":[1-9]' || fail "the bomb destroyed nothing: $("$runner" "$kept" | grep bomb)"
sleep 3 && xdotool key ctrl+p && sleep 1.5 && import -window "$wid" "$out/left.png"
xdotool key alt+g && sleep 0.5 && xdotool key x && wait "$pid"
start && sleep 1.5 && import -window "$wid" "$out/restored.png"
differing=$(off left restored)
[ "$differing" -le 40 ] || fail "the restored board differs from the one left in $differing pixels ($out/left-restored.png)"
kill "$pid" "${pids[@]}"
echo "PASS: the board restored as it was left ($differing pixels a little off)"
