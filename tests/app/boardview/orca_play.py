#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Plays a whole game at level 5 by keys from Orca's speech alone, as a player who only
hears the game: the board is read with the reading cursor and R, solved here, and played
with the arrows; every slide's speech is counted. Around the game it checks that a
command with nothing to do says why, that a return from the menu bar is short, that the
best time's name box and Best Scores' time are read with their names, and that
Statistics reads each figure with its row.

Runs inside the private D-Bus session and X server that orca_play.sh gives it; it starts
its own window manager, Orca and the game, and ends each of them by its process id.
Orca is started from its Python modules, not from its launcher, which looks for other
Orca processes by name: a developer's own Orca is never seen nor touched.
    orca_play.py PROGRAM
"""
import heapq
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

PROGRAM = os.path.realpath(sys.argv[1])
MAX_WORDS = 10
ARROW_OF = {"up": "Up", "down": "Down", "left": "Left", "right": "Right"}


class World:
    """The processes this check starts, each ended by its own id at the end."""

    def __init__(self):
        self.scratch = tempfile.mkdtemp(prefix="tilora-orca-play-")
        self.started = []
        home = self.scratch
        os.environ.update(HOME=home, XDG_CONFIG_HOME=f"{home}/config", XDG_DATA_HOME=f"{home}/data",
                          XDG_CACHE_HOME=f"{home}/cache", XDG_STATE_HOME=f"{home}/state")
        for folder in ("config", "data", "cache", "state"):
            os.makedirs(f"{home}/{folder}", exist_ok=True)

    def start(self, args, name, env=None):
        out = open(f"{self.scratch}/{name}.out", "wb")
        process = subprocess.Popen(args, stdout=out, stderr=subprocess.STDOUT, env=env)
        out.close()
        self.started.append(process)
        return process

    def end(self):
        for process in reversed(self.started):
            if process.poll() is None:
                process.terminate()
        for process in reversed(self.started):
            try:
                process.wait(timeout=3)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()
        # The session's own services may still write under the scratch home until the
        # session ends them: its removal never decides the result.
        shutil.rmtree(self.scratch, ignore_errors=True)


class Speech:
    """What Orca said, read from its debug log as it grows."""

    def __init__(self, path):
        self.path = path
        self.offset = 0
        self.rest = b""
        self.lines = []

    def poll(self):
        try:
            with open(self.path, "rb") as log:
                log.seek(self.offset)
                data = log.read()
                self.offset = log.tell()
        except FileNotFoundError:
            return
        *complete, self.rest = (self.rest + data).split(b"\n")
        for line in complete:
            found = re.search(r"SPEECH OUTPUT: '([^']*)'", line.decode("utf-8", "replace"))
            if found and found.group(1).strip():
                self.lines.append(found.group(1).strip())

    def mark(self):
        self.poll()
        return len(self.lines)

    def since(self, mark):
        self.poll()
        return self.lines[mark:]

    def wait_for(self, mark, pattern, timeout=6.0):
        """The first line since `mark` that matches `pattern`, waiting up to `timeout`."""
        end = time.monotonic() + timeout
        while True:
            for line in self.since(mark):
                if re.search(pattern, line):
                    return line
            if time.monotonic() > end:
                return None
            time.sleep(0.05)

    def settle(self, mark, quiet=0.5, timeout=4.0):
        """The lines since `mark` once Orca has said nothing new for `quiet` seconds."""
        end = time.monotonic() + timeout
        count, changed = len(self.since(mark)), time.monotonic()
        while time.monotonic() < end:
            time.sleep(0.05)
            now = len(self.since(mark))
            if now != count:
                count, changed = now, time.monotonic()
            elif time.monotonic() - changed >= quiet:
                break
        return self.since(mark)


def words(lines):
    return sum(len(line.split()) for line in lines)


def key(*keys):
    subprocess.run(["xdotool", "key", "--clearmodifiers", *keys], check=False)


# The solver: weighted A* over the blank's steps, with the Manhattan distance and linear
# conflicts; a level-5 deal is solved in well under a second.
def heuristic(cells, n):
    total = 0
    for index, tile in enumerate(cells):
        if tile == n * n:
            continue
        goal = tile - 1
        total += abs(index // n - goal // n) + abs(index % n - goal % n)
    for line in range(n):
        for across in (True, False):
            seen = []
            for k in range(n):
                index = line * n + k if across else k * n + line
                tile = cells[index]
                if tile == n * n:
                    continue
                goal = tile - 1
                if (goal // n == line) if across else (goal % n == line):
                    place = goal % n if across else goal // n
                    total += 2 * sum(1 for other in seen if other > place)
                    seen.append(place)
    return total


def solve(cells, n, weight=1.5):
    """The blocks to slide, in order, as (block, direction the block moves)."""
    start = tuple(cells)
    goal = tuple(range(1, n * n + 1))
    steps = {"up": -n, "down": n, "left": -1, "right": 1}  # the blank's steps
    frontier = [(heuristic(start, n) * weight, 0, start, start.index(n * n))]
    came = {start: None}
    while frontier:
        _, cost, board, blank = heapq.heappop(frontier)
        if board == goal:
            break
        for way, step in steps.items():
            target = blank + step
            if target < 0 or target >= n * n or (step in (-1, 1) and target // n != blank // n):
                continue
            after = list(board)
            after[blank], after[target] = after[target], after[blank]
            after = tuple(after)
            if after in came:
                continue
            # The block on `target` moves against the blank's step.
            moves = {"up": "down", "down": "up", "left": "right", "right": "left"}[way]
            came[after] = (board, board[target], moves)
            heapq.heappush(frontier, (cost + 1 + weight * heuristic(after, n), cost + 1, after, target))
    path = []
    board = goal
    while came[board] is not None:
        board, block, moves = came[board]
        path.append((block, moves))
    return list(reversed(path))


class Check:
    def __init__(self, speech):
        self.speech = speech
        self.failures = 0

    def fail(self, text):
        print(f"FAIL: {text}", flush=True)
        self.failures += 1

    def ok(self, text):
        print(f"ok: {text}", flush=True)

    def said(self, keys, pattern, what, timeout=6.0):
        """Presses `keys` and expects a line matching `pattern`; the line, or None."""
        mark = self.speech.mark()
        for k in keys:
            key(k)
            time.sleep(0.3)
        return self.expect(mark, pattern, what, timeout)

    def expect(self, mark, pattern, what, timeout=6.0):
        """Expects a line matching `pattern` since `mark`; the line, or None."""
        line = self.speech.wait_for(mark, pattern, timeout)
        if line is None:
            self.fail(f"{what}: Orca said {self.speech.settle(mark, 0.3, 1)}")
        else:
            self.ok(what)
        return line


def read_board(check):
    """The board as the reading cursor and R tell it, or None."""
    speech = check.speech
    line = check.said(["Home"], r"^Blank, row (\d+), column (\d+)", "Home names the blank's cell")
    if not line:
        return None
    row = int(re.search(r"row (\d+)", line).group(1))
    for _ in range(row - 1):
        mark = speech.mark()
        key("shift+Up")
        if not speech.wait_for(mark, r", row \d+, column \d+"):
            check.fail("Shift+Up reads no cell")
            return None
    rows = []
    while True:
        mark = speech.mark()
        key("r")
        line = speech.wait_for(mark, rf"^Row {len(rows) + 1}: ")
        if not line:
            check.fail(f"R does not read row {len(rows) + 1}: {speech.settle(mark, 0.3, 1)}")
            return None
        rows.append([0 if t == "blank" else int(t) for t in line.rstrip(".").split(": ", 1)[1].split(", ")])
        if len(rows) == len(rows[0]):
            break
        mark = speech.mark()
        key("shift+Down")
        if not speech.wait_for(mark, r", row \d+, column \d+"):
            check.fail("Shift+Down reads no cell")
            return None
    n = len(rows)
    return [t if t else n * n for r in rows for t in r], n


def type_text(text):
    subprocess.run(["xdotool", "type", "--delay", "40", text], check=False)


def save_and_open(check, path):
    """Saves the game under `path` and opens it again, by keys; True when both were said."""
    if not check.said(["ctrl+s"], r"Save Game Progress", "Save Game opens its dialog", 10):
        return False
    time.sleep(0.5)
    type_text(path)
    if not check.said(["Return"], r"^Game saved", "a save that succeeded says so", 10):
        return False
    if not check.said(["ctrl+o"], r"quit the present game", "Open Game asks first", 10):
        return False
    if not check.said(["y"], r"Load Game Progress", "Open Game opens its dialog", 10):
        return False
    time.sleep(0.5)
    type_text(path)
    mark = check.speech.mark()
    key("Return")
    opened = check.speech.wait_for(mark, r"^Game opened", 10)
    if opened:
        check.ok(f"the open is said: {opened!r}")
        # Orca names the window again once it is active: the player hears it out before
        # the first slide.
        check.speech.wait_for(mark, r"^Tilora frame", 3)
        check.speech.settle(mark, 1.0, 4)
        return True
    check.fail(f"the open is silent: {check.speech.settle(mark, 0.3, 1)}")
    return False


def open_from_menu(check, letter):
    """Opens the Game menu, waiting until its first item is said, and presses `letter`;
    the speech mark from before the letter. On a loaded machine a late activation of the
    window may close the menu at once: the board then says its place, and the menu is
    opened again. Escape is never pressed here, since with no game it closes the game."""
    time.sleep(1)
    for _ in range(3):
        mark = check.speech.mark()
        key("alt+g")
        if check.speech.wait_for(mark, r"^New\b", 4):
            break
        if not check.speech.wait_for(mark, r"^Blank, row", 2):
            break
    mark = check.speech.mark()
    key(letter)
    return mark


def back_on_board(check, dialog):
    """Closes `dialog` with Escape: the board's place is said, in ten words at most."""
    mark = check.speech.mark()
    key("Escape")
    if not check.speech.wait_for(mark, r"^Blank, row \d+, column \d+"):
        check.fail(f"back from {dialog}, the board's place is not said: {check.speech.settle(mark, 0.3, 1)}")
        return
    heard = [line for line in check.speech.settle(mark, 0.5, 3) if line != "escape"]
    if words(heard) > MAX_WORDS:
        check.fail(f"back from {dialog}: {words(heard)} words: {heard}")
    else:
        check.ok(f"back from {dialog} in {words(heard)} words: {heard}")


def play(check, cells, n):
    """Plays the solution; True when the win was heard."""
    speech = check.speech
    path = solve(cells, n)
    print(f"solving in {len(path)} moves", flush=True)
    most = 0
    for number, (block, moves) in enumerate(path, 1):
        last = number == len(path)
        mark = speech.mark()
        key(ARROW_OF[moves])
        news = rf"Block {block} moved {moves}"
        if not speech.wait_for(mark, news):
            check.fail(f"move {number}: {news} is not said: {speech.settle(mark, 0.3, 1)}")
            return False
        # The winning move's message box speaks after it: only the move's own line counts.
        heard = speech.since(mark)[:1] if last else speech.settle(mark, 0.4, 3)
        if not re.match(rf"^Block {block} moved {moves}\b", heard[0]):
            check.fail(f"move {number}: the first line does not name the moved block: {heard}")
        most = max(most, words(heard))
        if words(heard) > MAX_WORDS:
            check.fail(f"move {number} costs {words(heard)} words: {heard}")
        if last and "The picture is complete" not in heard[0]:
            check.fail(f"the winning move does not tell the win: {heard}")
    check.ok(f"{len(path)} slides, each named first, at most {most} words")
    return True


def main():
    world = World()
    try:
        return run(world)
    finally:
        world.end()


def run(world):
    scratch = world.scratch
    subprocess.run(["gsettings", "set", "org.gnome.desktop.interface", "toolkit-accessibility", "true"],
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=False)
    # A window manager gives the window back its activation after each dialog.
    if shutil.which("openbox"):
        world.start(["openbox", "--sm-disable"], "openbox")

    log = f"{scratch}/orca.log"
    launcher = f"{scratch}/run_orca.py"
    with open(launcher, "w") as out:
        out.write(
            "import sys\n"
            "from orca import debug\n"
            "debug.debugLevel = debug.LEVEL_ALL\n"
            "debug.eventDebugLevel = debug.LEVEL_OFF\n"
            # Line by line, so that what Orca said is in the log at once.
            "debug.debugFile = open(sys.argv[1], 'w', buffering=1)\n"
            "from orca import orca\n"
            "manager = orca.getSettingsManager()\n"
            "manager.activate(None, {})\n"
            "sys.path.insert(0, manager.getPrefsDir())\n"
            "sys.exit(orca.main())\n")
    world.start([sys.executable, launcher, log], "orca")
    speech = Speech(log)
    if speech.wait_for(0, ".", 20) is None:
        print("FAIL: Orca said nothing at its start")
        return 1

    with open(f"{scratch}/config/Tilora.hi", "w") as scores:
        scores.write("[Level]\nnumber=5\n")
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
    world.start([PROGRAM], "tilora", env)
    found = subprocess.run(["timeout", "15", "xdotool", "search", "--sync", "--onlyvisible", "--name", "^Tilora$"],
                           capture_output=True, text=True, check=False).stdout.split()
    if not found:
        print("FAIL: no window \"Tilora\"")
        return 1
    subprocess.run(["xdotool", "windowactivate", "--sync", found[0]], check=False)

    check = Check(speech)
    if speech.wait_for(0, r"^No game", 10):
        check.ok("the title screen says there is no game")
    else:
        check.fail(f"nothing is said at the start: {speech.since(0)}")

    check.said(["ctrl+s"], r"^Nothing saved: no game is running", "Save Game with no game says why")
    # The menu is opened (again, when a late activation of the window closed it at once)
    # and left with Escape only once it is open: on the board, with no game, Escape would
    # end the program.
    for _ in range(3):
        mark = speech.mark()
        key("alt+g")
        if speech.wait_for(mark, r"^New\b", 4):
            mark = speech.mark()
            key("Escape")
            break
        time.sleep(0.5)
    back = speech.settle(mark, 0.6, 4)
    if back and re.match(r"^No game", back[-1]):
        check.ok(f"back from the menu: {back[-1]!r}")
    else:
        check.fail(f"the return from the menu does not say where the player is: {back}")

    check.said(["ctrl+n"], r"^New game", "a new game is told")
    board = read_board(check)
    # The game is saved and opened again, so that every slide comes after the open.
    if board is not None and not save_and_open(check, f"{scratch}/game.tlr"):
        board = None
    if board is None or not play(check, *board):
        return finish(check, world, log)

    # The victory's message, then the best time's name box, named by its prompt.
    time.sleep(1)
    check.said(["Return"], r"Please enter your name below", "the best time's name box is named")
    subprocess.run(["xdotool", "type", "--delay", "80", "Blin"], check=False)
    time.sleep(0.5)
    check.said(["Return"], r"Best Scores", "Best Scores opens")
    check.said(["Tab"], r"Name, 4 x 4", "Tab goes to the first row's name")
    check.said(["Tab"], r"Score in seconds, 4 x 4", "the time is read with its unit")
    check.said(["Tab"], r"Level, 4 x 4", "the level follows in its row")
    back_on_board(check, "Best Scores")

    check.said(["ctrl+s"], r"^Nothing saved: no game is running", "Save Game after a win says why")
    check.said(["ctrl+z"], r"^Nothing to undo: no game is running", "Undo after a win says why")

    # Statistics opens on its first figure; the arrows read each figure with its row.
    check.expect(open_from_menu(check, "t"), r"^Games played, 4 x 4: \d+", "Statistics opens on its first figure")
    rows = ["Games won", "Best time", "Mean time", "Fewest moves", "Mean efficiency"]
    for row in rows:
        pattern = rf"{row}, 4 x 4: "
        if row.endswith("time"):
            pattern += r"[0-9.,]+ seconds"
        check.said(["Down"], pattern, f"Statistics reads {row} with its row and column")
    # Below the figures, the chart's size and its table of times come first.
    check.said(["Tab"], r"Chart of times for", "Tab reaches the chart's grid size")
    check.said(["Tab"], r"Times, game by game", "Tab reaches the chart's table")
    # The chart's latest game, the one just won, played again: its slider has the keys, and
    # each step is told as in play.
    check.said(["Tab"], r"Replay", "Tab reaches Replay...")
    check.said(["space"], r"^A 4 x 4 game won in \d+ s with \d+ moves, on .*Blank, row \d+, column \d+",
               "Replay... opens on the game just won and says where the blank is")
    mark = check.speech.mark()
    key("Right")
    if check.expect(mark, r"^Block \d+ moved (up|down|left|right)\. Blank, row \d+, column \d+",
                    "a step of the replay is told as in play"):
        # The slider's new value, then the move's news: nothing of the dialog again.
        heard = [line for line in check.speech.settle(mark, 0.5, 3) if line not in ("right", "1")]
        if words(heard) > MAX_WORDS:
            check.fail(f"a step of the replay takes {words(heard)} words: {heard}")
        else:
            check.ok(f"a step of the replay in {words(heard)} words: {heard}")
    check.said(["End"], r"^Move \d+ of \d+", "a jump of the replay says where it is")
    check.said(["Escape"], r"Replay\.\.\. push button", "Escape goes back to Statistics")
    check.said(["Tab"], r"Reset", "Tab reaches Reset...")
    check.said(["Tab"], r"Close", "Tab reaches Close")
    back_on_board(check, "Statistics")

    # Difficulty Level names its field before the value, and reads the value whole.
    mark = open_from_menu(check, "l")
    check.expect(mark, r"Level of difficulty", "the level's field is named")
    heard = speech.settle(mark, 0.5, 3)
    named = next(i for i, line in enumerate(heard) if "Level of difficulty" in line) if any(
        "Level of difficulty" in line for line in heard) else len(heard)
    if any(re.search(r"\b5\b", line) for line in heard[:named]):
        check.fail(f"the level is said before its name: {heard}")
    if not any(re.search(r"\b5\b", line) for line in heard[named:]):
        check.fail(f"the level's value is not read: {heard}")
    key("Escape")
    return finish(check, world, log)


def finish(check, world, log):
    keep = os.environ.get("TILORA_ORCA_LOG")
    if keep:
        shutil.copy(log, keep)
    if check.failures:
        print("Orca said:")
        for line in check.speech.since(0):
            print(f"  {line}")
        print(f"{check.failures} rule(s) broken")
        return 1
    print("A whole game is played by ear, each slide in ten words at most")
    return 0


if __name__ == "__main__":
    sys.exit(main())
