#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs atspi_board.py on a private X server inside a private D-Bus session with its own
# accessibility bus. Exits 77 (skipped) when the AT-SPI pieces are missing, unless
# TILORA_REQUIRE_TESTDATA=1 asks for every external check.
#   atspi_board.sh PROGRAM
set -euo pipefail
here=$(dirname "$(realpath "$0")")
program=$(realpath "$1")

# pyatspi comes with the system's Python, which a user's own Python may hide.
python=python3
[ -x /usr/bin/python3 ] && python=/usr/bin/python3
# shellcheck source=../../support/session.sh
source "$(dirname "$0")/../../support/session.sh"
session_need dbus-daemon
if ! "$python" -c "import pyatspi" 2>/dev/null; then
  session_need python3-pyatspi
fi
session_need_accessibility
session_begin 110
session_x
session_bus
session_accessibility_bus
# The script's own folders go under the scratch folder, removed on exit.
# The session's accessibility registry now and then goes away as it starts ("Couldn't get
# application list"), and the game then never reaches the desktop: that is tried once more,
# and a game that is not on the desktop the second time fails the check.
status=0
TMPDIR=$scratch "$python" "$here/atspi_board.py" "$program" || status=$?
if [ "$status" -eq 3 ]; then
  echo "note: the game did not reach the desktop; once more"
  status=0
  TMPDIR=$scratch "$python" "$here/atspi_board.py" "$program" || status=$?
fi
exit "$status"
