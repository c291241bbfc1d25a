#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SIGTERM, SIGINT and SIGHUP during a game, on a private X server: no question, the program
# ends within a second, and the game comes back at the next start when the player says Yes;
# with a question open the signal still ends it; the game is offered until answered; without
# a game nothing is kept.
# Exits 77 (skipped) when the X tools are missing.
#   kept_game.sh PROGRAM
set -euo pipefail
program=$(realpath "$1")

# shellcheck source=../../support/session.sh
source "$(dirname "$0")/../../support/session.sh"
session_need xdotool
# A private X server and window manager; no session bus, which these checks do not need.
session_begin 110
session_x
session_no_bus
session_wm
kept=$scratch/state/tilora/interrupted.tlr

start_game() {
  # No window of the game before is taken for this one's.
  session_window_gone Tilora || true
  session_window_gone "Exit Game: Confirm" || true
  XDG_CONFIG_HOME=$scratch XDG_STATE_HOME=$scratch/state QT_QPA_PLATFORM=xcb "$program" >"$scratch/out" 2>&1 &
  game=$!
  session_track "$game"
}

# Waits for a visible window titled $1 and gives it the keyboard.
focus_window() {
  local id
  id=$(timeout 10 xdotool search --sync --onlyvisible --name "^$1\$" | head -n 1) || true
  [ -n "$id" ] || { echo "FAIL: no window \"$1\""; cat "$scratch/out"; exit 1; }
  xdotool windowfocus --sync "$id"
}

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# True once file $1 is gone, within five seconds: the program takes the key in its own time.
gone() {
  for _ in $(seq 50); do
    [ -e "$1" ] || return 0
    sleep 0.1
  done
  return 1
}

# Sends signal $1 and checks that the program is gone within a second.
end_with() {
  kill -s "$1" "$game"
  if timeout 1 tail --pid="$game" -s 0.05 -f /dev/null; then echo "ok: $1 ended the program"; else fail "$1: still running after 1 s"; fi
}

for signal in TERM INT HUP; do
  rm -f "$kept"
  start_game
  focus_window Tilora
  xdotool key ctrl+n
  sleep 0.3
  # The player's own close still asks; the signal ends the program over the question.
  xdotool key Escape
  focus_window "Exit Game: Confirm"
  end_with "$signal"
  [ -s "$kept" ] && echo "ok: the game is kept" || fail "$signal: no game kept in $kept"

  start_game
  focus_window "Tilora : Query"
  xdotool key Return
  gone "$kept" || fail "the kept game is offered more than once"
  # The game goes on: Escape asks Exit's question, as it does during a game only.
  focus_window Tilora
  xdotool key Escape
  focus_window "Exit Game: Confirm"
  end_with "$signal"
done

# A signal while the kept game is offered leaves it kept, offered again at the next start.
start_game
focus_window "Tilora : Query"
end_with TERM
[ -s "$kept" ] || fail "the kept game was lost to a signal during its question"
start_game
focus_window "Tilora : Query"
xdotool key Escape
gone "$kept" || fail "the kept game stays after No"
end_with TERM

# Without a game nothing is kept, and the next start asks nothing.
rm -f "$kept"
start_game
focus_window Tilora
end_with TERM
[ -e "$kept" ] && fail "a game was kept without a game"

[ "$failures" -eq 0 ] || { echo "$failures check(s) failed"; exit 1; }
echo "a signal ends the game at once and keeps it for the next start"
