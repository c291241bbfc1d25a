# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by every check that starts the game or a desktop service, so that it owns its
# whole world: a scratch folder, and where asked a private X server, a private D-Bus
# session and a window manager, all ended on exit by process id. Nothing of the machine's
# own session is used or touched: a developer's desktop, screen reader or bus beside the
# check is never seen, and a machine without a session bus is the normal case.
#
#   session_need TOOL...   exits 77 (skipped) when one is missing; a failure instead with
#                          TILORA_REQUIRE_TESTDATA=1, as in CI, so no check drops out there
#   session_begin SECONDS  the scratch folder in `scratch`, the exit trap, and a deadline
#                          after which the check ends itself (cleaning up) before ctest's
#   session_x              a private Xvfb server in DISPLAY
#   session_bus            a private session bus in DBUS_SESSION_BUS_ADDRESS
#   session_accessibility_bus  the private session's accessibility bus, started now
#   session_no_bus         no session bus at all, for a check that needs none
#   session_wm             openbox on the private server, when it is installed
#   session_track PID      a process of the check's, ended on exit
#   session_window_gone TITLE  waits until no visible window of the private server is
#                          titled TITLE: the server takes down the windows of a program
#                          a moment after it ended, and a search meanwhile finds them
#
# Every process the check starts carries TILORA_TEST_SESSION (this check's own mark) and
# TILORA_TEST_RUN (the suite's mark, set by ctest) in its environment: the exit trap ends
# what is left with this check's mark, such as the services a session bus started, and
# the suite's last test (leftovers.py) fails when anything with the suite's mark still runs.

session_need() {
  local tool
  for tool in "$@"; do
    command -v "$tool" >/dev/null && continue
    if [ -n "${TILORA_REQUIRE_TESTDATA:-}" ] && [ "${TILORA_REQUIRE_TESTDATA}" != 0 ]; then
      echo "FAIL: this check is required (TILORA_REQUIRE_TESTDATA) but $tool is not installed"
      exit 1
    fi
    echo "skipped: $tool is not installed"
    exit 77
  done
}

# The accessibility bus's launcher, which lives outside PATH.
session_need_accessibility() {
  [ -x /usr/libexec/at-spi-bus-launcher ] || session_need at-spi-bus-launcher
}

session_pids=()

session_track() {
  session_pids+=("$1")
}

# True while process $1 exists and is not a zombie.
session_alive() {
  local state=""
  [ -r "/proc/$1/stat" ] || return 1
  read -r _ _ state _ 2>/dev/null <"/proc/$1/stat" || return 1
  [ "$state" != Z ]
}

# Ends process $1: SIGTERM, up to three seconds to go, then SIGKILL.
session_end_process() {
  local pid=$1 _
  session_alive "$pid" || return 0
  kill -TERM "$pid" 2>/dev/null || return 0
  for _ in $(seq 30); do
    session_alive "$pid" || break
    sleep 0.1
  done
  session_alive "$pid" && kill -KILL "$pid" 2>/dev/null
  # Reaps it where it is this shell's own child.
  wait "$pid" 2>/dev/null || true
}

# The processes other than this shell whose environment holds exactly $1 (NAME=value).
# Shell builtins only, so that the search itself starts no process that would match.
session_marked() {
  local entry dir pid found=()
  for dir in /proc/[0-9]*; do
    pid=${dir#/proc/}
    { [ "$pid" = $$ ] || [ "$pid" = "$BASHPID" ]; } && continue
    [ -r "$dir/environ" ] || continue
    while IFS= read -r -d '' entry; do
      if [ "$entry" = "$1" ]; then
        found+=("$pid")
        break
      fi
    done 2>/dev/null <"$dir/environ"
  done
  echo "${found[*]}"
}

session_end() {
  local status=$? i pid
  trap - EXIT INT TERM HUP
  # The last started first: the game before its window manager, X server and bus.
  for ((i = ${#session_pids[@]} - 1; i >= 0; i--)); do
    session_end_process "${session_pids[i]}"
  done
  # What those started in turn (the bus's services, a speech server, ...) ends with them
  # or is ended here, found by this check's own mark.
  for _ in $(seq 20); do
    [ -z "$(session_marked "TILORA_TEST_SESSION=$TILORA_TEST_SESSION")" ] && break
    sleep 0.1
  done
  for pid in $(session_marked "TILORA_TEST_SESSION=$TILORA_TEST_SESSION"); do
    session_end_process "$pid"
  done
  # A session's services may write under the scratch folder until they end: its removal
  # never decides the check's result.
  rm -rf "$scratch" 2>/dev/null || true
  exit "$status"
}

session_begin() {
  local deadline=$1
  export TILORA_TEST_SESSION="$$.$(date +%s%N)"
  export TILORA_TEST_RUN=${TILORA_TEST_RUN:-by-hand}
  scratch=$(mktemp -d)
  chmod 700 "$scratch"
  trap session_end EXIT
  trap 'exit 130' INT
  trap 'exit 143' TERM HUP
  # Past the deadline the check is told to end, and its trap cleans up; ctest's own limit,
  # a little longer, would leave that undone.
  (
    trap 'kill "$sleeper" 2>/dev/null; exit 0' TERM
    sleep "$deadline" &
    sleeper=$!
    wait "$sleeper"
    echo "FAIL: the check took longer than $deadline s"
    kill -TERM $$
  ) &
  session_track $!
  # Nothing of the machine's session leaks in.
  unset DISPLAY WAYLAND_DISPLAY WAYLAND_SOCKET DBUS_SESSION_BUS_ADDRESS SESSION_MANAGER XAUTHORITY
  # The session's sockets (the accessibility bus's, a Wayland compositor's) go here too,
  # and so does whatever the game and the services keep in the home folders: a game
  # ended by the check is kept, a cache written, never in the developer's own.
  export XDG_RUNTIME_DIR=$scratch/runtime HOME=$scratch/home
  export XDG_CONFIG_HOME=$HOME/.config XDG_DATA_HOME=$HOME/.local/share XDG_STATE_HOME=$HOME/.local/state
  export XDG_CACHE_HOME=$HOME/.cache
  mkdir -m 700 "$XDG_RUNTIME_DIR" "$HOME"
}

session_x() {
  session_need Xvfb
  local number=""
  # Xvfb picks a free display itself and writes its number to the descriptor.
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$scratch/display" >"$scratch/xvfb.log" 2>&1 &
  session_track $!
  for _ in $(seq 100); do
    read -r number 2>/dev/null <"$scratch/display" && [ -n "$number" ] && break
    sleep 0.1
  done
  [ -n "$number" ] || { echo "FAIL: Xvfb did not start"; cat "$scratch/xvfb.log"; exit 1; }
  export DISPLAY=:$number
}

session_bus() {
  session_need dbus-daemon
  local out
  out=$(dbus-daemon --session --fork --print-address=1 --print-pid=1) || { echo "FAIL: no private session bus"; exit 1; }
  session_track "$(sed -n 2p <<<"$out")"
  DBUS_SESSION_BUS_ADDRESS=$(sed -n 1p <<<"$out")
  export DBUS_SESSION_BUS_ADDRESS
}

# The accessibility bus of the private session, started before the game and the screen
# reader look for it, so that both meet on one bus however fast each starts.
session_accessibility_bus() {
  local _
  for _ in $(seq 50); do
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  echo "FAIL: the session's accessibility bus did not start"
  exit 1
}

session_no_bus() {
  export DBUS_SESSION_BUS_ADDRESS=disabled:
}

session_window_gone() {
  local _
  for _ in $(seq 50); do
    xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 || return 0
    sleep 0.1
  done
  return 1
}

wm=""
session_wm() {
  command -v openbox >/dev/null || return 0
  openbox --sm-disable >"$scratch/openbox.log" 2>&1 &
  session_track $!
  wm=openbox
  # Managing once it names itself on the root window.
  for _ in $(seq 50); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
    sleep 0.1
  done
}
