# Sourced by the real-window tests once they have set $program and $out: a
# fresh $out holding the game's config and data (never the player's own,
# replays included), the first start done; `fail`, which ends whatever the
# test started (listed in $pids, the program in $pid); a window manager on
# request; and `start`, which runs the program with its arguments.
set -u
rm -rf "$out" && mkdir -p "$out/config/Quillfen Software"
export XDG_CONFIG_HOME=$out/config XDG_DATA_HOME=$out/data
conf="$out/config/Quillfen Software/Torvane.conf"
printf '[Settings]\nFirstStartDone=1\n' > "$conf"
pids=() pid=
fail() { echo "FAIL: $*"; kill "${pids[@]}" $pid 2> /dev/null; exit 1; }
manage() { openbox --sm-disable > /dev/null 2>&1 & pids+=($!) && sleep 1; }
# Prints the first visible window whose name matches $1 once it shows, within
# $2 s (20 unless told). A window that closes while xdotool reads it (a
# dialog going as another comes) makes xdotool die of BadWindow, so each look
# is a try of its own.
await_window() {
    local id=
    for _ in $(seq $((${2:-20} * 5))); do
        id=$(xdotool search --onlyvisible --name "$1" 2> /dev/null | head -1)
        [ -n "$id" ] && echo "$id" && return 0
        sleep 0.2
    done
    return 1
}
# Waits for the window however slow the machine, then a moment for the window
# manager's frame, and gives it the keyboard.
start() {
    "$program" "$@" >> "$out/program.log" 2>&1 &
    pid=$!
    wid=$(await_window '^Torvane$' 60) && sleep 2
    xdotool windowfocus --sync "$wid"
}
