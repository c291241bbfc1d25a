#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the game on a private X server and reads back what its windows tell the window
# manager: the main window is a normal top-level window of the application `tilora`
# with minimise and close boxes, not a dialog and transient for nothing; a dialog it opens
# is a dialog of the main window; the process ends when the main window closes.
# With a window manager at hand (openbox), the main window must also really minimise.
# Exits 77 (skipped) when the X tools are missing.
#   window_hints.sh PROGRAM
set -euo pipefail
program=$(realpath "$1")

x_tools="xprop xdotool"
# shellcheck source=x_session.sh
source "$(dirname "$0")/x_session.sh"

# Starts the game; its process id in `game`.
start_game() {
  XDG_CONFIG_HOME=$scratch XDG_DATA_HOME=$scratch QT_QPA_PLATFORM=xcb "$program" >"$scratch/out" 2>&1 &
  game=$!
  pids+=("$game")
}

# The id of the first visible window whose title is $1, in the hex form xprop prints.
find_window() {
  local id
  id=$(timeout 10 xdotool search --sync --onlyvisible --name "^$1\$" | head -n 1) || true
  [ -n "$id" ] || { echo "FAIL: no window \"$1\""; cat "$scratch/out"; exit 1; }
  printf '0x%x\n' "$id"
}

# The functions the Motif hints allow, by name (flags, functions, decorations, ...).
motif_functions() {
  local hints functions names=()
  hints=$(xprop -id "$1" _MOTIF_WM_HINTS | sed -n 's/.*= //p')
  [ -n "$hints" ] || { echo "none"; return; }
  functions=$(($(cut -d, -f2 <<<"$hints")))
  (((functions & 1) != 0)) && names+=(all)
  (((functions & 8) != 0)) && names+=(minimize)
  (((functions & 32) != 0)) && names+=(close)
  echo "${names[*]}"
}

failures=0
# One rule a line: window | property | must (match) or mustnot | extended regular expression.
check() {
  local window=$1 property=$2 mode=$3 pattern=$4 value
  if [ "$property" = MOTIF_FUNCTIONS ]; then
    value=$(motif_functions "$window")
  else
    value=$(xprop -id "$window" "$property" 2>&1 | head -n 3 | tr '\n' ' ')
  fi
  if grep -Eq -- "$pattern" <<<"$value"; then found=1; else found=0; fi
  if { [ "$mode" = must ] && [ $found -eq 0 ]; } || { [ "$mode" = mustnot ] && [ $found -eq 1 ]; }; then
    echo "FAIL: $property of $window: $mode /$pattern/, is: $value"
    failures=$((failures + 1))
  else
    echo "ok: $property $mode /$pattern/"
  fi
}

start_game
main=$(find_window Tilora)
while IFS='|' read -r property mode pattern; do
  check "$main" "$property" "$mode" "$pattern"
done <<'RULES'
_NET_WM_WINDOW_TYPE|must|= _NET_WM_WINDOW_TYPE_NORMAL *$
WM_TRANSIENT_FOR|must|not found
WM_CLASS|must|= "tilora", 
_NET_WM_STATE|mustnot|_NET_WM_STATE_MODAL
MOTIF_FUNCTIONS|must|(all|minimize.*close)
RULES

if [ -n "$wm" ]; then
  xdotool windowminimize --sync "$main"
  check "$main" WM_STATE must "window state: Iconic"
  xdotool windowactivate --sync "$main"
  sleep 0.3
fi

# Escape closes the main window, and with it the program.
xdotool windowfocus --sync "$main" key Escape
if ! timeout 10 tail --pid="$game" -f /dev/null; then
  echo "FAIL: the program still runs after its window closed"
  failures=$((failures + 1))
fi

# Help > About opens a dialog of the main window.
start_game
main=$(find_window Tilora)
xdotool windowfocus --sync "$main"
xdotool key --clearmodifiers alt+h
sleep 0.3
xdotool key a
about=$(find_window "About Tilora")
while IFS='|' read -r property mode pattern; do
  check "$about" "$property" "$mode" "$pattern"
done <<RULES
_NET_WM_WINDOW_TYPE|must|= _NET_WM_WINDOW_TYPE_DIALOG
WM_TRANSIENT_FOR|must|window id # $main
RULES

[ "$failures" -eq 0 ] || { echo "$failures rule(s) broken"; exit 1; }
echo "all window rules hold${wm:+ (window manager: $wm)}"
