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

# shellcheck source=../../support/session.sh
source "$(dirname "$0")/../../support/session.sh"
session_need xprop xdotool
# A private X server and window manager, and no session bus: the game must start none of
# its own (checked at the end).
session_begin 110
session_x
session_wm

# Starts the game; its process id in `game`.
start_game() {
  XDG_CONFIG_HOME=$scratch XDG_DATA_HOME=$scratch QT_QPA_PLATFORM=xcb "$program" >"$scratch/out" 2>&1 &
  game=$!
  session_track "$game"
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
  # The window manager unmaps the window first and says so in WM_STATE a moment later.
  for _ in $(seq 50); do
    xprop -id "$main" WM_STATE 2>/dev/null | grep -q "window state: Iconic" && break
    sleep 0.1
  done
  check "$main" WM_STATE must "window state: Iconic"
  # The rest is asked of a game whose window was never minimised: bringing one back
  # depends on the window manager's timing, which is not what is checked here.
  kill "$game"
  timeout 10 tail --pid="$game" -f /dev/null || true
  session_window_gone Tilora || true
  start_game
  main=$(find_window Tilora)
fi

# Escape closes the main window, and with it the program.
xdotool windowfocus --sync "$main" key Escape
if ! timeout 10 tail --pid="$game" -f /dev/null; then
  echo "FAIL: the program still runs after its window closed"
  failures=$((failures + 1))
fi

# Help > About opens a dialog of the main window.
session_window_gone Tilora || true
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

# Without a session bus the game started none (libdbus's dbus-launch would have): no bus
# process of this check's own, nothing written to ~/.dbus.
kill "$game"
timeout 10 tail --pid="$game" -f /dev/null || true
for pid in $(session_marked "TILORA_TEST_SESSION=$TILORA_TEST_SESSION"); do
  case "$(tr '\0' ' ' <"/proc/$pid/cmdline" 2>/dev/null)" in
  dbus-daemon* | */dbus-daemon* | dbus-launch* | */dbus-launch*)
    echo "FAIL: the game started a session bus of its own: $pid"
    failures=$((failures + 1))
    ;;
  esac
done
if [ -e "$HOME/.dbus" ]; then
  echo "FAIL: the game wrote $HOME/.dbus"
  failures=$((failures + 1))
else
  echo "ok: no session bus of the game's own"
fi

[ "$failures" -eq 0 ] || { echo "$failures rule(s) broken"; exit 1; }
echo "all window rules hold${wm:+ (window manager: $wm)}"
