#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The command line answers without a display: --help, --version and --export-games on standard output
# with status 0, a wrong command line with one line and the hint on standard error and
# status 2; the game itself, with or without a file, one line that there is no display and
# status 1, also when one is set but cannot be used. Never a crash.
#   command_line.sh PROGRAM VERSION
set -uo pipefail
program=$(realpath "$1")
version=$2
# shellcheck source=../../support/session.sh
source "$(dirname "$0")/../../support/session.sh"
session_begin 55
session_no_bus

failures=0
# One case a line: language | arguments | status | stream with the text | regular expression
# that stream must match (the other stream must stay empty).
while IFS='|' read -r language arguments status stream pattern; do
  # shellcheck disable=SC2086 # the arguments are split on purpose
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM LANGUAGE="$language" LC_ALL=C.UTF-8 \
    "$program" $arguments >"$scratch/out" 2>"$scratch/err"
  got=$?
  other=$([ "$stream" = out ] && echo err || echo out)
  if [ "$got" -ne "$status" ] || ! grep -Eq -- "$pattern" "$scratch/$stream" || [ -s "$scratch/$other" ]; then
    echo "FAIL: tilora $arguments (LANGUAGE=$language): status $got (want $status), std$stream /$pattern/"
    sed 's/^/  out: /' "$scratch/out"
    sed 's/^/  err: /' "$scratch/err"
    failures=$((failures + 1))
  else
    echo "ok: tilora $arguments (LANGUAGE=$language)"
  fi
done <<CASES
en|--help|0|out|^Usage: tilora \[options\] \[FILE\]$
en|-h|0|out|^  FILE +A picture file to play on
en|--help|0|out|^  --export-games +Print every kept game as CSV
de|--help|0|out|^  FILE +Eine Bilddatei
en|--version|0|out|^Tilora $version$
en|-v|0|out|^Tilora $version$
en|--frobnicate|2|err|^tilora: Unknown option 'frobnicate'\.$
en|--frobnicate|2|err|^Try "tilora --help" for more information\.$
en|one.png two.png|2|err|^tilora: Only one picture file can be given; "two.png" is one too many\.$
fr|one.png two.png|2|err|^Essayez
de|-x|2|err|^Versuchen Sie
en||1|err|^tilora: there is no display to open: neither DISPLAY nor WAYLAND_DISPLAY is set\.$
en|photo.png|1|err|^tilora: there is no display to open: neither DISPLAY nor WAYLAND_DISPLAY is set\.$
en|-platform xcb photo.png|1|err|^tilora: there is no display to open: DISPLAY is not set\.$
fr|photo.png|1|err|^tilora.*aucun écran à ouvrir
CASES
# --export-games: the record under XDG_DATA_HOME as CSV, oldest first; none gives the header.
mkdir -p "$scratch/data/tilora"
printf 'tilora-games 1\n1796700000,4,10,95,61,47,w\n1796700100,5,20,30,12,>=40,ah\n1796700200,4,10,20,9,,a\n' \
  >"$scratch/data/tilora/games"
header='finished,size,level,seconds,moves,shortest,helped,result,start,moves'
for data in "$scratch/data" "$scratch/none"; do
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_DATA_HOME="$data" "$program" --export-games \
    >"$scratch/out" 2>"$scratch/err"
  got=$?
  want="$header"
  [ "$data" = "$scratch/data" ] && want="$header
2026-12-08T03:20:00Z,4,10,95,61,47,0,won,,
2026-12-08T03:21:40Z,5,20,30,12,>=40,1,abandoned,,
2026-12-08T03:23:20Z,4,10,20,9,,0,abandoned,,"
  if [ "$got" -ne 0 ] || [ "$(cat "$scratch/out")" != "$want" ] || [ -s "$scratch/err" ]; then
    echo "FAIL: tilora --export-games (XDG_DATA_HOME=$data): status $got"
    sed 's/^/  out: /' "$scratch/out"
    sed 's/^/  err: /' "$scratch/err"
    failures=$((failures + 1))
  else
    echo "ok: tilora --export-games (XDG_DATA_HOME=$data)"
  fi
done

# A display set but unusable: nothing there, a server that refuses the game, a Wayland
# socket left by a compositor gone or one that takes the connection and says nothing. One
# line naming it, status 1, never Qt's abort.
python3 -c 'import socket, sys, time
s = socket.socket(socket.AF_UNIX)
s.bind(sys.argv[1])
s.listen(4)
time.sleep(60)' "$XDG_RUNTIME_DIR/mute" &
session_track $!
python3 -c 'import socket, sys; socket.socket(socket.AF_UNIX).bind(sys.argv[1])' "$XDG_RUNTIME_DIR/gone"
refused=""
if command -v Xvfb >/dev/null && command -v xauth >/dev/null; then
  # An X server that wants a cookie the game does not have.
  xauth -q -f "$scratch/cookie" add :0 . "$(od -An -N16 -tx1 /dev/urandom | tr -d ' \n')" 2>/dev/null
  Xvfb -displayfd 3 -auth "$scratch/cookie" -nolisten tcp 3>"$scratch/refusing" >/dev/null 2>&1 &
  session_track $!
  for _ in $(seq 100); do
    read -r refused 2>/dev/null <"$scratch/refusing" && [ -n "$refused" ] && break
    sleep 0.1
  done
fi
for _ in $(seq 50); do [ -S "$XDG_RUNTIME_DIR/mute" ] && break; sleep 0.1; done
# One case a line: environment | regular expression of the line on standard error.
while IFS='|' read -r environment pattern; do
  [ -z "$environment" ] && continue
  # shellcheck disable=SC2086 # the environment is split on purpose
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XAUTHORITY LANGUAGE=en LC_ALL=C.UTF-8 $environment \
    timeout 30 "$program" >"$scratch/out" 2>"$scratch/err"
  got=$?
  if [ "$got" -ne 1 ] || [ "$(wc -l <"$scratch/err")" -ne 1 ] || ! grep -Eq -- "$pattern" "$scratch/err" || [ -s "$scratch/out" ]; then
    echo "FAIL: tilora with $environment: status $got (want 1), one line /$pattern/"
    sed 's/^/  out: /' "$scratch/out"
    sed 's/^/  err: /' "$scratch/err"
    failures=$((failures + 1))
  else
    echo "ok: tilora with $environment"
  fi
done <<CASES
DISPLAY=:65123|^tilora: the display :65123 cannot be opened: no X server answers there
DISPLAY=:65123 QT_QPA_PLATFORM=xcb LANGUAGE=de|^tilora: Der Bildschirm :65123 lässt sich nicht öffnen
QT_QPA_PLATFORM=wayland XDG_RUNTIME_DIR=$XDG_RUNTIME_DIR WAYLAND_DISPLAY=gone|^tilora: the Wayland display gone cannot be opened
QT_QPA_PLATFORM=wayland-egl WAYLAND_DISPLAY=$XDG_RUNTIME_DIR/mute|^tilora: the Wayland display $XDG_RUNTIME_DIR/mute cannot be opened
DISPLAY=:65123 XDG_RUNTIME_DIR=$XDG_RUNTIME_DIR WAYLAND_DISPLAY=gone|^tilora: neither the display :65123 nor the Wayland display gone can be opened
${refused:+DISPLAY=:$refused XAUTHORITY=/dev/null}|^tilora: the display :$refused cannot be opened
CASES

[ "$failures" -eq 0 ] || { echo "$failures case(s) failed"; exit 1; }
echo "the command line answers without a display"
