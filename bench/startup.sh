#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Times the game's start against a bare Qt Widgets window with a menu bar, side by side in
# one run on a private Xvfb server, the two programs taking turns:
#   - start-up: from exec to the first window mapped (map_wait), median of RUNS runs; and
#     the CPU time the program used up to then (/proc/PID/schedstat), which a busy
#     machine disturbs less than the time on the clock;
#   - private memory: Private_Clean + Private_Dirty of /proc/PID/smaps_rollup 3 s after
#     the start, median; and its dirty part alone (the heap and other written pages), which
#     stays put while other programs map the same Qt libraries and so make their clean
#     pages shared rather than private;
#   - idle CPU: utime + stime used over IDLE seconds after that, in clock ticks, median.
# Targets: start-up <= 1.05 x the bare window, memory <= 1.12 x, no idle CPU.
#   bench/startup.sh [BUILD_DIR]        (default build/release)
#   TILORA=/other/tilora RUNS=10 IDLE=3 bench/startup.sh build/release
#   BEFORE=/older/tilora bench/startup.sh   also times another build of the game in the same
#                                           turns ("before"), for a comparison on one machine load
set -euo pipefail
build=$(realpath "${1:-build/release}")
tilora=$(realpath "${TILORA:-$build/src/app/tilora}")
bare="$build/bench/bare_window"
earlier=${BEFORE:+$(realpath "$BEFORE")}
map_wait="$build/bench/map_wait"
runs=${RUNS:-10}
idle=${IDLE:-3}
for program in "$tilora" "$bare" "$map_wait" ${earlier:+"$earlier"}; do
  [ -x "$program" ] || { echo "missing $program: cmake --build --preset release --target tilora bare_window map_wait"; exit 1; }
done
if [ -z "${TILORA_ON_XVFB:-}" ]; then
  exec env TILORA_ON_XVFB=1 xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
chmod 700 "$scratch"
export XDG_CONFIG_HOME=$scratch XDG_DATA_HOME=$scratch XDG_RUNTIME_DIR=$scratch QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY

cpu_ms() { awk '{printf "%.1f", $1 / 1e6}' "/proc/$1/schedstat"; }
ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
private_kb() { awk '/^Private_(Clean|Dirty):/ {kb += $2} END {print kb}' "/proc/$1/smaps_rollup"; }
dirty_kb() { awk '/^Private_Dirty:/ {print $2}' "/proc/$1/smaps_rollup"; }
median() { sort -n | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }

# One start of program $2, recorded under the name $1: "ms kB ticks cpu dirty" appended to $scratch/$1.
measure() {
  local name=$1 program=$2 ms pid kb before after cpu dirty
  read -r ms pid < <("$map_wait" "$program")
  cpu=$(cpu_ms "$pid")
  sleep 3
  kb=$(private_kb "$pid")
  dirty=$(dirty_kb "$pid")
  before=$(ticks "$pid")
  sleep "$idle"
  after=$(ticks "$pid")
  kill "$pid"
  while kill -0 "$pid" 2>/dev/null; do sleep 0.05; done
  echo "$ms $kb $((after - before)) $cpu $dirty" >>"$scratch/$name"
  printf '%-7s run %2d: %7.1f ms (CPU %6.1f ms)  %6d kB private  %d ticks idle\n' "$name" "$3" "$ms" "$cpu" "$kb" \
    "$((after - before))"
}

echo "load average at the start: $(cut -d' ' -f1-3 /proc/loadavg)"
for ((i = 1; i <= runs; i++)); do
  measure bare "$bare" "$i"
  [ -z "$earlier" ] || measure before "$earlier" "$i"
  measure tilora "$tilora" "$i"
done
echo "load average at the end: $(cut -d' ' -f1-3 /proc/loadavg)"

column() { cut -d' ' -f"$2" "$scratch/$1" | median; }
echo
printf '%-28s %10s %10s %7s %7s\n' "median of $runs runs" bare tilora ratio target
report() {
  local label=$1 field=$2 target=$3 name=${4:-tilora} b t
  b=$(column bare "$field")
  t=$(column "$name" "$field")
  awk -v l="$label" -v b="$b" -v t="$t" -v g="$target" \
    'BEGIN {r = b > 0 ? t / b : 0; printf "%-28s %10.1f %10.1f %7.3f %7s %s\n", l, b, t, r, g, (g == "-" || r <= g) ? "" : "OVER"}'
}
report "start-up to mapped (ms)" 1 1.05
report "CPU time to mapped (ms)" 4 1.05
report "private memory (kB)" 2 1.12
report "  of it dirty (kB)" 5 -
report "CPU while idle ${idle} s (ticks)" 3 -
if [ -n "$earlier" ]; then
  printf '%-28s %10s %10s %7s\n' "before, median of $runs runs" bare before ratio
  report "start-up to mapped (ms)" 1 - before
  report "CPU time to mapped (ms)" 4 - before
  report "private memory (kB)" 2 - before
fi
