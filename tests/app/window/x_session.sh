# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the checks that play the game on a private X server, with the script's own
# arguments still in "$@" and the tools it needs in `x_tools`: exits 77 (skipped) when one
# is missing, runs the script again under xvfb-run, and gives it a scratch folder
# (`scratch`), a list of processes to end on exit (`pids`) and, where openbox is at hand,
# a window manager (`wm=openbox`).
for tool in xvfb-run $x_tools; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done
if [ -z "${TILORA_ON_XVFB:-}" ]; then
  exec env TILORA_ON_XVFB=1 xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi

scratch=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$scratch"
}
trap cleanup EXIT

wm=""
if command -v openbox >/dev/null; then
  openbox --sm-disable >/dev/null 2>&1 &
  pids+=($!)
  wm=openbox
  sleep 0.5
fi
