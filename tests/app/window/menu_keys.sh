#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Plays the game from the keyboard on a private X server, as a player would: the menu
# bar is walked with the arrows (from the Game menu, opened by key or by mouse, Right
# reaches Picture, past the empty entry), and however it is left the arrows move blocks
# again at once; Esc then asks Exit's question. Exits 77 (skipped) when the X tools are missing.
#   menu_keys.sh PROGRAM
set -euo pipefail
program=$(realpath "$1")

# shellcheck source=../../support/session.sh
source "$(dirname "$0")/../../support/session.sh"
session_need xdotool xwd python3
# A private X server and window manager; no session bus, which these checks do not need.
session_begin 50
session_x
session_no_bus
session_wm

XDG_CONFIG_HOME=$scratch XDG_DATA_HOME=$scratch QT_QPA_PLATFORM=xcb "$program" >"$scratch/out" 2>&1 &
session_track $!

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# The id of the first visible window whose title is $1, or nothing after 5 seconds.
window_named() {
  timeout 5 xdotool search --sync --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1 || true
}

# A digest of the board's pixels: the window's left 300 x 260 pixels below the menu bar,
# clear of the seconds counter.
board() {
  xwd -id "$main" -silent | python3 -c '
import hashlib, struct, sys
data = sys.stdin.buffer.read()
h = struct.unpack(">25I", data[:100])
size, height, bpp, stride, ncolors = h[0], h[5], h[11], h[12], h[19]
pixels = data[size + 12 * ncolors:]
rows = [pixels[y * stride:y * stride + 300 * bpp // 8] for y in range(40, min(300, height))]
print(hashlib.sha1(b"".join(rows)).hexdigest())'
}

key() { xdotool key --clearmodifiers "$@"; sleep 0.3; }

# The board's digest once it differs from $1, or $1 after three seconds: a loaded machine
# may take longer than a key's pause to paint the move.
board_after() {
  local now
  for _ in $(seq 30); do
    now=$(board)
    [ "$now" != "$1" ] && { echo "$now"; return; }
    sleep 0.1
  done
  echo "$1"
}

main=$(window_named Tilora)
[ -n "$main" ] || { echo "FAIL: no window \"Tilora\""; cat "$scratch/out"; exit 1; }
xdotool windowactivate --sync "$main" 2>/dev/null || xdotool windowfocus --sync "$main"
sleep 0.3

# From the Game menu, Right opens Picture, past the empty entry: Enter then chooses its
# first entry, Open Picture, whose file dialog is "Load Image". The Game menu opens with
# Alt+G, F10 or a click.
for opener in alt+g F10 click; do
  if [ "$opener" = click ]; then
    xdotool mousemove --window "$main" 15 10 click 1
    sleep 0.3
  else
    key "$opener"
  fi
  key Right
  key Return
  dialog=$(window_named "Load Image")
  if [ -n "$dialog" ]; then
    echo "ok: Right walks from Game (opened by $opener) past the empty entry to Picture"
    key Escape
  else
    fail "Right from the Game menu (opened by $opener) does not reach Picture"
    key Escape
    key Escape
  fi
done

# A game; then every way of leaving the menu bar gives the arrows back to the board at
# once: Esc from a menu opened by F10 or Alt+G, a command that opens no dialog (View >
# Numbers on Blocks, View > Zoom In, Game > Undo), a click on the board. Left or Right
# moves a block whatever the blank's column.
key ctrl+n
key Left
for way in "F10 Escape" "alt+g Escape" "F10 Left n" "F10 u" "F10 click" "alt+g Right Left Escape" "F10 Left i"; do
  for k in $way; do
    if [ "$k" = click ]; then
      xdotool mousemove --window "$main" 200 200 click 1
      sleep 0.3
    else
      key "$k"
    fi
  done
  # A zoom resizes the window and paints it anew.
  sleep 0.7
  before=$(board)
  key Left
  after=$(board_after "$before")
  if [ "$after" = "$before" ]; then
    key Right
    after=$(board_after "$before")
  fi
  if [ "$after" != "$before" ]; then
    echo "ok: after the menu bar ($way), the arrows move blocks"
  else
    fail "after the menu bar ($way), the arrows move no block"
  fi
done
key ctrl+0

# Esc during a game asks Exit's question.
key Escape
question=$(window_named "Exit Game: Confirm")
if [ -n "$question" ]; then
  echo "ok: Esc asks Exit's question"
  key Return
else
  fail "Esc during a game does not ask Exit's question"
fi

[ "$failures" -eq 0 ] || { echo "$failures keyboard rule(s) broken"; exit 1; }
echo "the menu bar and the board share the keyboard as they should"
