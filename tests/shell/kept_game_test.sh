#!/usr/bin/env bash
# A game left unfinished in the real program waits for the next start. Played,
# left by Game > Exit, it comes back paused with the state its kept file gives
# in the runner; left at once by SIGTERM, the file it keeps gives the same
# state to the bit (clock included). A file given to watch plays, the kept
# game waiting on. Played on and killed outright, the file of the last save
# restores; played on, the game ends by Quit game, takes its kept file with it,
# and its replay covers the whole game: the runner plays it to its score. A
# stop signal ends the program within 5 s even with the welcome question, the
# tutorial, an options dialog, the play-again question, the name entry or a
# message open; a game stopped at either question of its score offers it at
# the next start.
# Usage: kept_game_test.sh PROGRAM RUNNER OUTPUT_DIR   (under xvfb-run)
program=$1 runner=$2 out=$3
source "$(dirname "$0")/real_window.sh" && manage
data="$out/data/Quillfen Software/Torvane" && kept="$data/games/game-1.tvr"
stop() { kill "-$1" "$pid"; wait "$pid"; }
# The runner's last line for the kept game, or for file $1.
state() { "$runner" "${1:-$kept}" | tail -1; }
play() { xdotool key ctrl+p && for _ in $(seq "$1"); do xdotool key --delay 150 Left Left Right; done; }

# SIGTERM ends the program within 5 s whatever is open ($1 says what), and
# nothing on its way out waits for a click.
stopped() {
    kill -TERM "$pid" && for _ in $(seq 25); do kill -0 "$pid" 2> /dev/null && sleep 0.2; done
    kill -0 "$pid" 2> /dev/null && fail "SIGTERM left the program running with $1"
    wait "$pid"
}
# Waits for a window titled $1, or for a second window of the program.
shows() { await_window "$1" > /dev/null || fail "no window $1"; }
second_window() {
    for _ in $(seq 25); do
        [ "$(xdotool search --onlyvisible --pid "$pid" 2> /dev/null | wc -l)" -ge 2 ] && return 0
        sleep 0.2
    done
    return 1
}

# At the first start's welcome question, which comes while the program
# starts: it ends as told, not killed by the signal.
sed -i '/FirstStartDone/d' "$conf"
start && shows "^Welcome to Torvane !\$"
stopped "the welcome question open"
# Ended by itself (the sanitizers' own report may make its status 1), not by
# the signal (128 and above).
[ $? -lt 128 ] || fail "the welcome question's stop killed the program"

# With the tutorial's window open, whose close box ends only the tutorial, or
# an options dialog.
start
xdotool key alt+h && sleep 0.5 && xdotool key t && sleep 2
second_window || fail "no tutorial window"
stopped "the tutorial open"
start
xdotool key alt+o && sleep 0.5 && xdotool key a && sleep 2
second_window || fail "no options dialog"
stopped "an options dialog open"

start
play 8
xdotool key alt+g && sleep 0.5 && xdotool key x && wait "$pid"
left=$(state) && cp "$kept" "$out/left.tvr"
grep -q '"paused":true,"started":true' <<< "$left" || fail "Game > Exit kept $left"
start
import -window root "$out/restored.png"
stopped "a game on the board"
[ "$(state)" = "$left" ] || fail "back and left by SIGTERM: $(state), not $left"

start "$out/left.tvr"
sleep 2 && stop TERM
cmp -s "$kept" "$out/left.tvr" && [ ! -e "$data/games/game-2.tvr" ] ||
    fail "a replay watched touched the game that waits"

start
[ "$(state)" = "$left" ] || fail "the game kept touched on restoring it"
play 20 && stop KILL
killed=$(state)
grep -q '"over":false' <<< "$killed" || fail "after kill -9: $killed"

start
# Back paused, where it was running.
for _ in $(seq 50); do [ "$(state)" = "${killed/'"paused":false'/'"paused":true'}" ] && break; sleep 0.2; done
[ "$(state)" = "${killed/'"paused":false'/'"paused":true'}" ] ||
    fail "the game saved before kill -9 came back as $(state), not $killed"
play 4
xdotool key ctrl+q && sleep 1
xdotool key alt+g && sleep 0.5 && xdotool key x && wait "$pid"
[ ! -e "$kept" ] || fail "a game quit is kept"
final=$(state "$data/replays/last-game.tvr")
grep -q '"over":true' <<< "$final" || fail "the replay ends at $final"
score=$(sed 's/.*"score":\([0-9]*\),.*/\1/' <<< "$final")
"$runner" --check "$data/replays/last-game.tvr" | grep -qx "{\"ev\":\"replay\",\"score\":$score}" ||
    fail "the replay does not check at $score"
[ "$(zcat "$out/left.tvr" | grep -m1 '^at ')" = "$(zcat "$data/replays/last-game.tvr" | grep -m1 '^at ')" ] ||
    fail "the replay does not begin where the game began"

# A game that ends by the rules soon after it goes on (Hard, seed 7, the
# wheel never turned), stopped at "play another game?", is kept
# with its score unanswered: the next start asks for the name.
{
    printf '%s\n' '# Torvane replay' '# Version: 1.0.4' '# Rules: 1' '# Played: 2026-12-07 21:36 UTC' \
        '# Difficulty: Hard' '# Score: 1720' 'at 1000' 'seed 7' 'setting Difficulty 3' 'new' 'resume'
    seq 1066 66 365000 | awk '{ print "at " $1; print "tick" }' && printf 'pause\nstate\n'
} > "$kept"
start
xdotool key ctrl+p && shows '^Game Over$'
stopped "the play-again question open"
grep -q '"over":true,"paused":true,"started":true' <<< "$(state)" ||
    fail "not kept at the play-again question: $(state)"
start
shows '^High Score$'
stopped "the name entry of a score kept at the play-again question"

# A game ended by New game, stopped at the name entry of its score (10), is
# kept; the next start asks for the name first, then shows the table.
grep -vx end "$(dirname "$0")/../../fuzz/corpus/kept_game/replay.tvr" > "$kept"
start
xdotool key ctrl+n && shows '^High Score$'
stopped "the name entry open"
grep -q '"over":true,"paused":true,"started":true' <<< "$(state)" || fail "not kept at the name entry: $(state)"
start
shows '^High Score$'
xdotool type Zed && xdotool key Return && shows 'High Scores$'
xdotool key Escape && sleep 0.5 && xdotool key alt+g && sleep 0.5 && xdotool key x && wait "$pid"
grep -q '|Zed|10|' "$conf" && [ ! -e "$kept" ] && ls "$data/replays/"top-*.tvr > /dev/null ||
    fail "the kept score did not enter the table with its replay"

# The settings folder made a file while the program runs: the change not
# saved is printed on standard error, and no message waits for a click.
start
mv "$out/config" "$out/config.away" && touch "$out/config" && xdotool key ctrl+e && sleep 1
stopped "the settings unwritable"
rm "$out/config" && mv "$out/config.away" "$out/config"
grep -q 'could not save all of your changes' "$out/program.log" || fail "no word of the settings on stderr"

# A file where the games folder should be: told once as the game starts (a
# message box that does not hold up the game), and on stderr at a stop signal.
rm -rf "$data/games" && touch "$data/games"
start
xdotool key ctrl+p && sleep 2
second_window || fail "no word that the game cannot be kept"
stopped "the games folder a file"
grep -q 'cannot keep your game' "$out/program.log" || fail "no word of the game not kept on stderr"
kill "${pids[@]}"
echo "PASS: score $score; screenshots in $out"
