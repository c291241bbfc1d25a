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
session_need xdotool
# A private X server and window manager; no session bus, which these checks do not need.
session_begin 50
session_x
session_no_bus
session_wm

# Show Moves puts the count of moves in the title, where a move is read without pixels.
printf '[View]\nmoves=1\n' >"$scratch/Tilora.hi"
XDG_CONFIG_HOME=$scratch XDG_DATA_HOME=$scratch QT_QPA_PLATFORM=xcb "$program" >"$scratch/out" 2>&1 &
session_track $!

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# The id of the first visible window whose title is $1, or nothing after 5 seconds.
window_named() {
  timeout 5 xdotool search --sync --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1 || true
}

# The moves of the game so far, as the title shows them.
moves() {
  xdotool getwindowname "$main" | sed -n 's/^Tilora - Moves: \([0-9]*\)$/\1/p'
}

# True once the title counts more moves than $1, within 5 seconds.
moved_since() {
  local now
  for _ in $(seq 50); do
    now=$(moves)
    [ -n "$now" ] && [ "$now" -gt "$1" ] && return 0
    sleep 0.1
  done
  return 1
}

# Qt takes the keys in order; the short pause lets a menu open before the next one.
key() { xdotool key --clearmodifiers "$@"; sleep 0.1; }

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
    sleep 0.1
  else
    key "$opener"
  fi
  key Right
  key Return
  dialog=$(window_named "Load Image")
  if [ -n "$dialog" ]; then
    echo "ok: Right walks from Game (opened by $opener) past the empty entry to Picture"
    key Escape
    session_window_gone "Load Image" || fail "the file dialog stays after Esc"
  else
    fail "Right from the Game menu (opened by $opener) does not reach Picture"
    key Escape
    key Escape
  fi
done

# A game; then every way of leaving the menu bar gives the arrows back to the board at
# once: Esc from a menu opened by F10 or Alt+G, a command that opens no dialog (View >
# Numbers on Blocks, View > Zoom In, Game > Undo), a click on the board. Left then Right:
# whatever the blank's column, one of them moves a block.
key ctrl+n
for way in "F10 Escape" "alt+g Escape" "F10 Left n" "F10 u" "F10 click" "alt+g Right Left Escape" "F10 Left i"; do
  before=$(moves)
  for k in $way; do
    if [ "$k" = click ]; then
      xdotool mousemove --window "$main" 200 200 click 1
      sleep 0.1
    else
      key "$k"
    fi
  done
  # Undo takes a move back: the count goes on from there.
  [ "$way" = "F10 u" ] && sleep 0.3 && before=$(moves)
  key Left
  key Right
  if [ -n "$before" ] && moved_since "$before"; then
    echo "ok: after the menu bar ($way), the arrows move blocks"
  else
    fail "after the menu bar ($way), the arrows move no block (moves: ${before:-none} before, $(moves) after)"
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
