#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs orca_play.py, a whole game played by ear with Orca, on a private X server inside a
# private D-Bus session with its own accessibility bus. Exits 77 (skipped) when Orca or
# the other tools are missing, unless TILORA_REQUIRE_TESTDATA=1 asks for every external
# check.
#   orca_play.sh PROGRAM
set -euo pipefail
here=$(dirname "$(realpath "$0")")
program=$(realpath "$1")

# Orca's modules come with the system's Python, which a user's own Python may hide.
python=python3
[ -x /usr/bin/python3 ] && python=/usr/bin/python3
missing=""
for tool in xvfb-run dbus-run-session xdotool; do
  [ -n "$missing" ] || command -v "$tool" >/dev/null || missing="$tool"
done
[ -n "$missing" ] || "$python" -c "import orca.orca_platform" 2>/dev/null || missing="orca"
[ -n "$missing" ] || [ -x /usr/libexec/at-spi-bus-launcher ] || missing="at-spi2-core"
if [ -n "$missing" ]; then
  if [ -n "${TILORA_REQUIRE_TESTDATA:-}" ] && [ "${TILORA_REQUIRE_TESTDATA}" != 0 ]; then
    echo "FAIL: the Orca game check is required (TILORA_REQUIRE_TESTDATA) but $missing is missing"
    exit 1
  fi
  echo "skipped: $missing is not installed"
  exit 77
fi
play() {
  xvfb-run -a -s "-screen 0 1024x768x24" dbus-run-session -- timeout 170 "$python" "$here/orca_play.py" "$program"
}
# What Orca hears depends on its event queue keeping up: on a loaded machine a key can come
# before Orca has taken the last event in. A failed game is played once more, in a new
# session of its own; a second failure fails the check.
status=0
play || status=$?
if [ "$status" -eq 0 ] || [ "$status" -eq 77 ]; then
  exit "$status"
fi
echo "The game by ear failed (status $status); it is played once more in a new session."
play
