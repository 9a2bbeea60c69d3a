#!/usr/bin/env bash
# The game as a screen reader on Linux hears it, through AT-SPI: the board's
# name tells its banner from the start, and every change of it is an event:
# playing, pausing, the game's end, and watching its replay; the score and
# bombs panels are named with their numbers.
# Usage: screen_reader_test.sh PROGRAM OUTPUT_DIR   (under xvfb-run and dbus-run-session)
program=$1 out=$2
source "$(dirname "$0")/real_window.sh"
/usr/libexec/at-spi-bus-launcher --launch-immediately > /dev/null 2>&1 &
bus=$!
# The game starts once the reader listens, so that it sends what is listened
# to. Each step presses its control through AT-SPI, as a reader's user would,
# once the name before it was heard: a slow machine only takes longer.
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 /usr/bin/python3 - "$program" "$out/program.log" << 'PYTHON'
import subprocess, sys, time
import pyatspi
from gi.repository import GLib

steps = [(None, "Game board, Press PLAY to begin"), ("Pause/Play", "Game board"),
         ("Pause/Play", "Game board, PAUSED"), ("Quit game\tCtrl+Q", "Game board, Game Over"),
         ("Watch last game", "Game board, REPLAY")]  # a control, then the board's name
expected, heard, deadline = [name for _, name in steps], [], time.monotonic() + 30

def find(node, match):  # the first node below node that matches
    if node is None or match(node):
        return node
    return next((found for found in (find(child, match) for child in node) if found), None)

def step():
    apps = [app for app in pyatspi.Registry.getDesktop(0)
            if app is not None and app.get_process_id() == game.pid]
    if apps and not heard:  # the name as read on arriving
        step.board = find(apps[0], lambda node: node.getRole() == pyatspi.ROLE_CANVAS)
        heard.extend([step.board.name] if step.board is not None else [])
    elif heard == expected[:len(heard)] and step.done < len(heard) < len(steps):
        step.done = len(heard)
        control = find(apps[0], lambda node: node.name == steps[step.done][0])
        control.queryAction().doAction(0)
    if heard != expected[:len(heard)] or len(heard) >= len(steps) or time.monotonic() > deadline:
        pyatspi.Registry.stop()
    return True
step.done, step.board = 0, None

pyatspi.Registry.registerEventListener(
    lambda e: e.source and e.source.getRole() == pyatspi.ROLE_CANVAS and heard.append(e.source.name),
    "object:property-change:accessible-name")
game = subprocess.Popen([sys.argv[1]], stdout=open(sys.argv[2], "w"), stderr=subprocess.STDOUT)
GLib.timeout_add(200, step)
pyatspi.Registry.start()
panels = [part.name for part in step.board] if step.board is not None else []
game.terminate()
print("heard:", " | ".join(heard + panels))
print("PASS: the board's name, its changes and its panels"
      if heard[:len(expected)] == expected and panels == ["Score 0", "Bombs 1"] else
      "FAIL: expected " + " | ".join(expected + ["Score 0", "Bombs 1"]))
PYTHON
kill "$bus"
