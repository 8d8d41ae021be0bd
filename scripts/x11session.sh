#!/usr/bin/env bash
# Runs a command on a private X server with a window manager, as on a desktop: window
# activation and focus go through the manager, and no display of the caller is touched.
# With --bare, no window manager: the server alone, as the start-up benchmark measures.
# usage: scripts/x11session.sh [--bare] COMMAND [ARGS...]
set -euo pipefail

bare=false
if [ "${1:-}" = "--bare" ]; then
  bare=true
  shift
fi

state=$(mktemp -d)
xvfb="" wm=""
finish() {
  kill $wm $xvfb 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$state"
}
trap finish EXIT

# The server picks a free display and writes its number once it accepts connections.
# -noreset: as in a desktop session, it does not start over each time its last client goes.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$state/display" >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 300); do
  grep -q '[0-9]' "$state/display" && break
  kill -0 "$xvfb" 2>/dev/null || { echo "x11session: the X server did not start" >&2; exit 1; }
  sleep 0.1
done
grep -q '[0-9]' "$state/display" || { echo "x11session: the X server did not answer" >&2; exit 1; }
export DISPLAY=":$(head -n 1 "$state/display")"

# The window manager is up once it owns the screen: the root window names its check window.
managed() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
start_window_manager() {
  for _ in 1 2 3; do
    openbox --sm-disable >/dev/null 2>&1 &
    wm=$!
    for _ in $(seq 300); do
      managed && return 0
      kill -0 "$wm" 2>/dev/null || break
      sleep 0.1
    done
    kill "$wm" 2>/dev/null || true
    wm=""
  done
  echo "x11session: the window manager did not start" >&2
  return 1
}
$bare || start_window_manager

"$@"
