#!/usr/bin/env bash
# Both programs under a real Wayland compositor (weston, headless, 1920 x 1080):
# each program at rest must cost next to nothing, then the window test
# measures pace and cost with the excitation on and halted.
# Usage: wayland_test.sh KETTLAB PAARLAB WAYLAND_TEST
set -euo pipefail

runtime=$(mktemp -d)
chmod 700 "$runtime"
export XDG_RUNTIME_DIR=$runtime WAYLAND_DISPLAY=wellenlabor-test QT_QPA_PLATFORM=wayland
weston --backend=headless-backend.so --width=1920 --height=1080 --socket="$WAYLAND_DISPLAY" \
  --idle-time=0 >"$runtime/weston.log" 2>&1 &
weston=$!
trap 'kill "$weston" 2>/dev/null || true; wait "$weston" 2>/dev/null || true; rm -rf "$runtime"' EXIT
for _ in $(seq 100); do
  [ -S "$runtime/$WAYLAND_DISPLAY" ] && break
  sleep 0.1
done

ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }

for program in "$1" "$2"; do
  "$program" >/dev/null 2>&1 &
  pid=$!
  sleep 3
  t0=$(ticks "$pid")
  sleep 5
  t1=$(ticks "$pid")
  kill "$pid"
  percent=$(awk -v t=$((t1 - t0)) -v hz="$(getconf CLK_TCK)" 'BEGIN {printf "%.1f", 100 * t / hz / 5}')
  echo "$(basename "$program") at rest under Wayland: $percent % of a core"
  if awk -v p="$percent" 'BEGIN {exit !(p > 3)}'; then
    echo "$(basename "$program"): more than 3 % of a core at rest" >&2
    exit 1
  fi
done

"$3"
