#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the game as a native Wayland client of a headless weston and reads the protocol it
# speaks (WAYLAND_DEBUG=1): the window gets the desktop entry's app id, is mapped (a
# buffer committed after the first configure), and goes away cleanly when the game is
# told to end (SIGTERM): the toplevel destroyed, exit status 0.
# Exits 77 (skipped) when weston or Qt's Wayland platform is missing, unless
# TILORA_REQUIRE_TESTDATA=1 (as in CI) makes that a failure.
#   wayland_window.sh PROGRAM APP_ID
set -euo pipefail
program=$(realpath "$1")
app_id=$2

skip() {
  if [ -n "${TILORA_REQUIRE_TESTDATA:-}" ] && [ "${TILORA_REQUIRE_TESTDATA}" != 0 ]; then
    echo "FAIL: Wayland test required (TILORA_REQUIRE_TESTDATA) but $1"
    exit 1
  fi
  echo "Wayland test skipped: $1"
  exit 77
}
command -v weston >/dev/null || skip "weston is not installed"
plugins=$(qtpaths6 --query QT_INSTALL_PLUGINS 2>/dev/null || echo /usr/lib/x86_64-linux-gnu/qt6/plugins)
ls "$plugins"/platforms/libqwayland-*.so >/dev/null 2>&1 || skip "Qt's Wayland platform (qt6-wayland) is not installed"

# shellcheck source=../../support/session.sh
source "$(dirname "$0")/../../support/session.sh"
# A compositor of the check's own, no X server and no session bus.
session_begin 55
session_no_bus

weston --backend=headless-backend.so --socket=tilora-test --idle-time=0 >"$scratch/weston.log" 2>&1 &
session_track $!
for _ in $(seq 100); do [ -S "$XDG_RUNTIME_DIR/tilora-test" ] && break; sleep 0.1; done
[ -S "$XDG_RUNTIME_DIR/tilora-test" ] || { echo "FAIL: weston did not start"; cat "$scratch/weston.log"; exit 1; }

XDG_CONFIG_HOME=$scratch XDG_DATA_HOME=$scratch WAYLAND_DISPLAY=tilora-test QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=1 \
  "$program" >"$scratch/out" 2>&1 &
game=$!
session_track "$game"

# The protocol is written as it happens; wait for the first buffer after a configure.
mapped() { awk '/xdg_surface@[0-9]+\.ack_configure/ {c = 1} c && /wl_surface@[0-9]+\.attach\(wl_buffer/ {print "yes"; exit}' "$scratch/out"; }
for _ in $(seq 200); do [ -n "$(mapped)" ] && break; sleep 0.1; done

failures=0
expect() {
  if grep -Eq -- "$2" "$scratch/out"; then echo "ok: $1"; else echo "FAIL: $1 (no /$2/)"; failures=$((failures + 1)); fi
}
expect "the app id is the desktop entry's" "-> xdg_toplevel@[0-9]+\.set_app_id\(\"$app_id\"\)"
expect "the window is mapped" "-> wl_surface@[0-9]+\.attach\(wl_buffer@[0-9]+"

kill -TERM "$game"
status=0
timeout 10 tail --pid="$game" -f /dev/null || { echo "FAIL: the game did not end"; exit 1; }
wait "$game" || status=$?
expect "the toplevel is destroyed" "-> xdg_toplevel@[0-9]+\.destroy\(\)"
if [ "$status" -eq 0 ]; then echo "ok: exit status 0"; else echo "FAIL: exit status $status"; failures=$((failures + 1)); fi
if [ "$failures" -ne 0 ]; then
  grep -v '^\[' "$scratch/out" | head -n 20 || true
  echo "$failures rule(s) broken"
  exit 1
fi
echo "the game runs as a Wayland client"
