#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Plays a short game by keys with Orca, the desktop's screen reader, and reads what Orca
# says from its own debug log (its "SPEECH OUTPUT" lines; no sound device is needed): a
# cell when the game opens, the cells under the reading cursor, the block a slide moved,
# no numbers in five quiet seconds, a cell again after the menu bar and a dialog, and the
# win. Runs on a private X server inside a
# private D-Bus session with its own accessibility bus. Exits 77 (skipped) when Orca or
# the other tools are missing, unless TILORA_REQUIRE_TESTDATA=1 asks for every external
# check.
#   orca_game.sh PROGRAM
set -euo pipefail
program=$(realpath "$1")

# shellcheck source=../../support/session.sh
source "$(dirname "$0")/../../support/session.sh"
session_need orca xdotool dbus-daemon
# Orca runs on the system's Python, which a user's own Python may hide.
python=python3
[ -x /usr/bin/python3 ] && python=/usr/bin/python3
session_need_accessibility
# A private X server, session bus (whose accessibility bus Orca and the game meet on) and
# window manager; Orca, its settings and the game's keep to the scratch folder as home.
session_begin 90
session_x
session_bus
session_accessibility_bus
export HOME=$scratch XDG_CONFIG_HOME=$scratch/config XDG_DATA_HOME=$scratch/data XDG_CACHE_HOME=$scratch/cache
mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME"
gsettings set org.gnome.desktop.interface toolkit-accessibility true 2>/dev/null || true

# A window manager gives the window back its activation after each dialog, as a desktop
# does.
session_wm

log=$scratch/orca.log
# Orca writes its debug log through a buffer: it is opened line by line instead, so that
# what Orca has said is in the log at once.
mkdir "$scratch/python"
cat >"$scratch/python/sitecustomize.py" <<'PY'
import builtins

_open = builtins.open


def _open_log_line_by_line(file, mode="r", *args, **kwargs):
    if file == __import__("os").environ.get("TILORA_ORCA_DEBUG_FILE") and "w" in mode and not args:
        kwargs.setdefault("buffering", 1)
    return _open(file, mode, *args, **kwargs)


builtins.open = _open_log_line_by_line
PY
# Orca of the check's own, which leaves any other Orca of the user alone.
TILORA_ORCA_DEBUG_FILE=$log PYTHONPATH=$scratch/python "$python" "$(dirname "$0")/private_orca.py" --debug-file="$log" \
  >"$scratch/orca.out" 2>&1 &
session_track $!
for _ in $(seq 50); do grep "SPEECH OUTPUT" "$log" >/dev/null 2>&1 && break; sleep 0.2; done

# Level 0 deals the solved board: one slide away and back is a game won by keys.
printf '[Level]\nnumber=0\n' >"$XDG_CONFIG_HOME/Tilora.hi"

QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb "$program" >"$scratch/out" 2>&1 &
session_track $!
main=$(timeout 10 xdotool search --sync --onlyvisible --name '^Tilora$' 2>/dev/null | head -n 1 || true)
[ -n "$main" ] || { echo "FAIL: no window \"Tilora\""; cat "$scratch/out"; exit 1; }
xdotool windowactivate --sync "$main" 2>/dev/null || xdotool windowfocus --sync "$main"

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
spoken() { grep -o "SPEECH OUTPUT: '[^']*'" "$log" | sed "s/^SPEECH OUTPUT: '//; s/'\$//"; }
mark() { spoken | wc -l; }
# What Orca said since mark $1.
since() { spoken | tail -n +$(($1 + 1)); }
# Waits up to 5 seconds for Orca to say a line matching $2 after mark $1.
heard() {
  for _ in $(seq 25); do
    # Not grep -q: its early exit would fail the pipe.
    since "$1" | grep -E "$2" >/dev/null && return 0
    sleep 0.2
  done
  return 1
}
key() { xdotool key --clearmodifiers "$@"; }

start=0
if heard "$start" "^(No game|Blank|Block [0-9]+), row|^No game"; then
  echo "ok: a cell is spoken when the game opens"
else
  fail "no cell is spoken when the game opens"
fi

m=$(mark)
key ctrl+n
if heard "$m" "^New game"; then
  echo "ok: a new game is told"
else
  fail "a new game is not told"
fi

m=$(mark)
key shift+Up
if heard "$m" "^Block 12, row 3, column 4"; then
  m=$(mark)
  key shift+Left
  if heard "$m" "^Block 11, row 3, column 3"; then
    echo "ok: Shift and the arrows read the cells"
  else
    fail "Shift+Left does not read the cell"
  fi
else
  fail "Shift+Up does not read the cell"
fi

m=$(mark)
key space
if heard "$m" "Block 11 cannot slide"; then
  echo "ok: Space on a block that cannot slide says why"
else
  fail "Space on a block that cannot slide says nothing"
fi

m=$(mark)
key Home
if heard "$m" "^Blank, row 4, column 4"; then
  echo "ok: Home takes the cursor back to the blank"
else
  fail "Home does not read the blank"
fi

m=$(mark)
key Down
if heard "$m" "^Block 12 moved down"; then
  echo "ok: a slide names the moved block"
else
  fail "the slide is not spoken"
fi

m=$(mark)
sleep 5
if since "$m" | grep -E "[0-9]" >/dev/null; then
  fail "Orca read numbers in five quiet seconds: $(since "$m" | tr '\n' '|')"
else
  echo "ok: five quiet seconds bring no numbers"
fi

m=$(mark)
key t
if heard "$m" "Seconds elapsed: [0-9]+. Moves: 1"; then
  echo "ok: T tells the time and the moves"
else
  fail "T tells nothing"
fi

# Back from the menu bar and from a dialog, a cell has the focus again. Escape waits until
# Orca tells the menu or the dialog: pressed before the dialog has the keys, it is lost.
for way in "F10|^New" "F1|Instructions dialog"; do
  opener=${way%%|*}
  m=$(mark)
  key "$opener"
  heard "$m" "${way#*|}" || fail "$opener opens nothing that Orca tells"
  m=$(mark)
  key Escape
  if heard "$m" "^Blank, row 3, column 4"; then
    echo "ok: a cell is spoken after $opener Escape"
  else
    fail "no cell is spoken after $opener Escape"
  fi
done

m=$(mark)
key Up
if heard "$m" "Block 12 moved up. The picture is complete"; then
  echo "ok: the win is spoken"
else
  fail "the win is not spoken"
fi

# TILORA_ORCA_LOG names a file to keep Orca's whole log in.
[ -z "${TILORA_ORCA_LOG:-}" ] || cp "$log" "$TILORA_ORCA_LOG"
if [ "$failures" -ne 0 ]; then
  echo "Orca said:"; spoken | sed 's/^/  /'
  echo "$failures rule(s) broken"
  exit 1
fi
echo "Orca speaks the game from start to win"
