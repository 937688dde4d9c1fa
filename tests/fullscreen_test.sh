#!/usr/bin/env bash
# Both main windows under a real window manager: taken to full screen and
# back, each must end wholly on the screen at the size it had before.
# Usage: fullscreen_test.sh KETTLAB PAARLAB
set -euo pipefail

# The frame's place and the client's size, as the X server has them.
geometry() {
  timeout 10 xwininfo -id "$1" | grep -E 'Absolute|Width|Height' | tr -s ' '
}

check() {
  local program=$1 title=$2
  "$program" >/dev/null 2>&1 &
  local pid=$!
  local window=""
  # A sanitizer build on a busy machine may take many seconds to show.
  for _ in $(seq 600); do
    window=$(xdotool search --name "$title" 2>/dev/null | head -n 1) || true
    [ -n "$window" ] && break
    sleep 0.1
  done
  if [ -z "$window" ]; then
    kill "$pid" 2>/dev/null || true
    echo "$program: no window titled '$title' appeared within 60 s" >&2
    return 1
  fi
  sleep 1
  local before after
  before=$(geometry "$window")
  wmctrl -i -r "$window" -b add,fullscreen
  sleep 1
  wmctrl -i -r "$window" -b remove,fullscreen
  sleep 1
  after=$(geometry "$window")
  kill "$pid"
  if [ "$before" != "$after" ]; then
    printf '%s: after full screen and back the window is\n%s\ninstead of\n%s\n' "$program" "$after" "$before" >&2
    return 1
  fi
  echo "$program: back at its place and size after full screen"
}

if [ -z "${WELLENLABOR_IN_XVFB:-}" ]; then
  export WELLENLABOR_IN_XVFB=1
  exec xvfb-run -a -s '-screen 0 1024x768x24' "$0" "$@"
fi
unset QT_QPA_PLATFORM
# On a real X server libxkbcommon-x11 reads a reply with strndup past its
# end, which strict string checks report in a sanitizer build; that is the
# library's, not ours.
if [ -n "${ASAN_OPTIONS:-}" ]; then
  export ASAN_OPTIONS="$ASAN_OPTIONS:strict_string_checks=0"
fi
openbox >/dev/null 2>&1 &
wm=$!
sleep 1
status=0
check "$1" 'Schwingbahn' || status=1
check "$2" 'Längs' || status=1
kill "$wm"
exit "$status"
