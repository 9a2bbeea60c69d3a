#!/usr/bin/env bash
# The game as a screen reader on Linux hears it, through AT-SPI: the board's
# name tells its banner from the start, and every change of it is an event:
# playing, pausing, the game's end, and watching its replay.
# Usage: screen_reader_test.sh PROGRAM OUTPUT_DIR   (under xvfb-run and dbus-run-session)
set -u
program=$1 out=$2
rm -rf "$out" && mkdir -p "$out/config/Quillfen Software"
export XDG_CONFIG_HOME=$out/config XDG_DATA_HOME=$out/data
printf '[Settings]\nFirstStartDone=1\n' > "$out/config/Quillfen Software/Torvane.conf"
/usr/libexec/at-spi-bus-launcher --launch-immediately > /dev/null 2>&1 &
bus=$!
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program" > "$out/program.log" 2>&1 &
pid=$!
# Keys go to the window once the reader has found the board; each waits for
# the name before it, so a slow machine only takes longer.
/usr/bin/python3 - "$pid" << 'PYTHON'
import subprocess, sys, time
import pyatspi
from gi.repository import GLib

steps = [  # keys, then the board's name they lead to
    ([], "Game board, Press PLAY to begin"),
    (["ctrl+p"], "Game board"),
    (["ctrl+p"], "Game board, PAUSED"),
    (["ctrl+q"], "Game board, Game Over"),
    (["alt+g", "w"], "Game board, REPLAY"),
]
heard, sent, board, deadline = [], 1, None, time.monotonic() + 30

def find(node):
    if node is None or node.getRole() == pyatspi.ROLE_CANVAS:
        return node
    return next((found for found in map(find, node) if found is not None), None)

def heard_name(event):
    if event.source is not None and event.source.getRole() == pyatspi.ROLE_CANVAS:
        heard.append(event.source.name)

def step():
    global board, sent
    if board is None:
        apps = [app for app in pyatspi.Registry.getDesktop(0) if app is not None]
        torvane = [app for app in apps if app.get_process_id() == int(sys.argv[1])]
        board = find(torvane[0]) if torvane else None
        if board is not None:
            heard.append(board.name)  # as read on arriving
    elif len(heard) == sent < len(steps) and heard[-1] == steps[sent - 1][1]:
        window = subprocess.check_output(["xdotool", "search", "--name", "^Torvane$"]).split()[0]
        subprocess.run(["xdotool", "windowfocus", "--sync", window], check=True)
        sent += 1
        for key in steps[sent - 1][0]:
            subprocess.run(["xdotool", "key", "--delay", "200", key], check=True)
            time.sleep(0.3)
    done = len(heard) >= len(steps)
    if done or heard and heard[-1] != steps[len(heard) - 1][1] or time.monotonic() > deadline:
        pyatspi.Registry.stop()
        return False
    return True

pyatspi.Registry.registerEventListener(heard_name, "object:property-change:accessible-name")
GLib.timeout_add(200, step)
pyatspi.Registry.start()
expected = [name for _, name in steps]
print("heard:", " | ".join(heard))
print("PASS: the board's name and its changes" if heard[:len(expected)] == expected else
      "FAIL: expected " + " | ".join(expected))
PYTHON
kill "$pid" "$bus" 2> /dev/null
