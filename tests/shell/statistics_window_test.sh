#!/usr/bin/env bash
# The statistics window in the real program under a window manager, as a
# screen reader's user meets it: a game played and quit is in the figures
# (their table's cells and headers named for the reader), the list offers
# it, and Watch plays it on the board.
# Usage: statistics_window_test.sh PROGRAM OUTPUT_DIR   (under xvfb-run and dbus-run-session)
program=$1 out=$2
source "$(dirname "$0")/real_window.sh" && manage
/usr/libexec/at-spi-bus-launcher --launch-immediately > /dev/null 2>&1 &
pids+=($!)
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 /usr/bin/python3 - "$program" "$out/program.log" << 'PYTHON'
import subprocess, sys, time
import pyatspi
from gi.repository import GLib

def find(node, match):  # the first node below node that matches
    if node is None or match(node):
        return node
    return next((found for found in (find(child, match) for child in node) if found), None)

def named(name, role=None):
    return lambda node: node.name == name and (role is None or node.getRole() == role)

def press(app, name):
    control = find(app, named(name))
    if control is not None:
        control.queryAction().doAction(0)
    return control is not None

# Each step: what it does once the one before it is done, and whether it is done.
def figures_shown(app):
    table = find(app, named("Figures", pyatspi.ROLE_TABLE))
    if table is None:
        return False
    cells = table.queryTable()
    step.figures = (cells.getColumnHeader(0).name, cells.getRowHeader(0).name,
                    cells.getAccessibleAt(0, 0).name)
    return step.figures == ("All", "Games played", "1")

steps = [
    ("play", lambda app: press(app, "Pause/Play"), lambda app: step.name == "Game board"),
    ("quit", lambda app: press(app, "Quit game\tCtrl+Q"),
     lambda app: step.name == "Game board, Game Over"),
    ("statistics", lambda app: press(app, "Statistics ...\tCtrl+T"), figures_shown),
    ("watch", lambda app: press(app, "Watch"),
     lambda app: step.name == "Game board, REPLAY"),
]
deadline = time.monotonic() + 60

def step():
    apps = [app for app in pyatspi.Registry.getDesktop(0)
            if app is not None and app.get_process_id() == game.pid]
    if apps and step.board is None:
        step.board = find(apps[0], lambda node: node.getRole() == pyatspi.ROLE_CANVAS)
    if step.board is not None and step.done < len(steps):
        name, act, done = steps[step.done]
        if not step.acted:
            step.acted = act(apps[0])
        elif done(apps[0]):
            step.done, step.acted = step.done + 1, False
    if step.done >= len(steps) or time.monotonic() > deadline:
        pyatspi.Registry.stop()
    return True
step.done, step.acted, step.board, step.figures, step.name = 0, False, None, None, ""

def heard(event):  # the board's name as the reader hears it change
    if event.source and event.source.getRole() == pyatspi.ROLE_CANVAS:
        step.name = event.source.name
pyatspi.Registry.registerEventListener(heard, "object:property-change:accessible-name")

game = subprocess.Popen([sys.argv[1]], stdout=open(sys.argv[2], "w"), stderr=subprocess.STDOUT)
GLib.timeout_add(200, step)
pyatspi.Registry.start()
subprocess.run(["import", "-window", "root", sys.argv[2] + ".png"])
game.terminate()
print("figures:", step.figures)
print("PASS: played, quit, in the statistics, watched" if step.done >= len(steps) else
      "FAIL: stuck at " + steps[step.done][0] + (", acted" if step.acted else "") +
      ", board: " + step.name)
PYTHON
kill "${pids[@]}" 2> /dev/null
