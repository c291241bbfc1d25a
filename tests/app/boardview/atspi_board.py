#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Plays the game as a screen reader does, over AT-SPI: begins a game through the Game
# menu's New, reads every cell of the board's table with its row and column, presses the
# action of a block that can slide, and reads the board again.
#   atspi_board.py PROGRAM
import os, re, subprocess, sys, tempfile, time

import pyatspi
from gi.repository import GLib

CELL = re.compile(r"^(Block (\d+)|Blank), row (\d+), column (\d+)$")


def find(node, test, depth=0):
    if node is None or depth > 30:
        return None
    try:
        if test(node):
            return node
        for i in range(node.childCount):
            found = find(node.getChildAtIndex(i), test, depth + 1)
            if found is not None:
                return found
    except Exception:
        pass
    return None


def wait_for(what, probe, seconds=15):
    end = time.time() + seconds
    while time.time() < end:
        # What the accessibility bus announced meanwhile (an application that came, a
        # child added) reaches the desktop's picture only through the main loop.
        while GLib.MainContext.default().iteration(False):
            pass
        found = probe()
        if found is not None:
            return found
        time.sleep(0.3)
    print(f"FAIL: {what} not found")
    # 3: the game never reached the desktop, which the accessibility registry may have
    # lost (see atspi_board.sh).
    sys.exit(3 if what == "the application" else 1)


def press(node):
    action = node.queryAction()
    action.doAction(0)


def read_board(table):
    t = table.queryTable()
    n = t.nRows
    if t.nColumns != n or n not in (4, 5, 8, 10):
        sys.exit(f"FAIL: the board is {t.nRows} x {t.nColumns}")
    cells = {}
    for r in range(n):
        for c in range(n):
            cell = t.getAccessibleAt(r, c)
            m = CELL.match(cell.name)
            if not m or int(m.group(3)) != r + 1 or int(m.group(4)) != c + 1:
                sys.exit(f"FAIL: cell ({r}, {c}) reads \"{cell.name}\"")
            cells[(r, c)] = cell
    return n, cells


def main():
    program = sys.argv[1]
    config = tempfile.mkdtemp()
    env = dict(os.environ, XDG_CONFIG_HOME=config, XDG_DATA_HOME=config, QT_QPA_PLATFORM="xcb",
               QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1")
    # The desktop is read once before the game starts, so that the game's arrival on it is
    # heard: read only after, it may miss an application that came meanwhile.
    desktop = pyatspi.Registry.getDesktop(0)
    desktop.childCount
    game = subprocess.Popen([program], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        app = wait_for("the application", lambda: find(desktop, lambda a: a.name.lower() == "tilora", -29))
        frame = wait_for("the window", lambda: find(app, lambda a: a.getRole() == pyatspi.ROLE_FRAME))
        new = wait_for("Game > New", lambda: find(frame, lambda a: a.getRole() == pyatspi.ROLE_MENU_ITEM
                                                   and a.name == "New"))
        press(new)
        table = wait_for("the board's table", lambda: find(frame, lambda a: a.getRole() == pyatspi.ROLE_TABLE))
        wait_for("a dealt board", lambda: True if CELL.match(table.queryTable().getAccessibleAt(0, 0).name) else None)
        n, cells = read_board(table)
        print(f"ok: {n} x {n} cells read with their rows and columns")
        before = [cells[k].name for k in sorted(cells)]
        movable = [k for k in sorted(cells) if cells[k].queryAction().nActions > 0]
        if not movable:
            sys.exit("FAIL: no cell offers an action")
        press(cells[movable[0]])
        time.sleep(0.5)
        _, cells = read_board(table)
        after = [cells[k].name for k in sorted(cells)]
        if after == before:
            sys.exit("FAIL: the cell's action moved nothing")
        print(f"ok: the action of cell {movable[0]} slid its block")
    finally:
        game.kill()


main()
