#!/usr/bin/env bash
# Runs the uploader against the simulated board: the simulator opens a pseudo-terminal linked as
# COM5 in the program's ports/ folder and shows the board's rows; closing the uploader ends both.
# Without a display it runs both under Xvfb for a few seconds and saves a screenshot.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
bash scripts/setup.sh
dir="$root/$(bash scripts/build.sh)"
mkdir -p "$dir/ports"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display: running under Xvfb for a few seconds and saving a screenshot."
  shot="$root/shot.png"
  xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
    dir="$1"; shot="$2"
    "$dir/tools/board_sim/board_sim" --ports-dir "$dir/ports" --com 5 --pace --window > "$dir/board_sim.out" &
    sim=$!
    for _ in $(seq 50); do grep -q READY "$dir/board_sim.out" 2>/dev/null && break; sleep 0.1; done
    (cd "$dir" && ./morvane) &
    app=$!
    sleep 5
    import -window root "$shot"
    kill $app $sim 2>/dev/null || true
    wait 2>/dev/null || true
  ' _ "$dir" "$shot"
  echo "Screenshot: $shot"
  exit 0
fi

"$dir/tools/board_sim/board_sim" --ports-dir "$dir/ports" --com 5 --pace --window > "$dir/board_sim.out" &
sim=$!
trap 'kill $sim 2>/dev/null || true' EXIT
for _ in $(seq 50); do grep -q READY "$dir/board_sim.out" 2>/dev/null && break; sleep 0.1; done
(cd "$dir" && ./morvane)
