#!/usr/bin/env bash
# Start-up figures: the time from process start until the calculator's window is on
# screen, and the resident memory once it is up, next to a bare Qt window of the same size.
# Each run of Tarvelo is a first start in an empty data folder. Runs on a private Xvfb.
#
#   bench/startup.sh [release-build-dir] [runs]     (defaults: build/release, 10)
#
# Needs Xvfb and xdotool; the window is polled for, so a figure includes a few milliseconds
# of polling on both sides.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}
runs=${2:-10}
prog=$build/app/tarvelo
[ -x "$prog" ] || { echo "no $prog: build it first (./run.sh, or cmake --build $build --target tarvelo)" >&2; exit 2; }

work=$(mktemp -d)
xpid=""
cleanup() {
    [ -n "$xpid" ] && kill "$xpid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

c++ -O2 -fPIC -std=c++20 bench/janelanua.cpp $(pkg-config --cflags --libs Qt6Widgets) -o "$work/janelanua"

for d in $(seq 200 260); do [ -e "/tmp/.X11-unix/X$d" ] || { disp=$d; break; }; done
# -noreset: as in a desktop session, the server does not start over each time its last
# client (a poll, a start) goes away.
Xvfb ":$disp" -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xpid=$!
for _ in $(seq 1 50); do [ -e "/tmp/.X11-unix/X$disp" ] && break; sleep 0.1; done
export DISPLAY=":$disp"
unset XDG_RUNTIME_DIR

# One start: "<milliseconds to the visible window> <resident kB>".
medir() {
    local nome=$1
    shift
    local t0 t1 pid rss
    t0=$(date +%s%N)
    "$@" >/dev/null 2>&1 &
    pid=$!
    until xdotool search --onlyvisible --name "$nome" >/dev/null 2>&1; do
        kill -0 "$pid" 2>/dev/null || { echo "the program ended before its window showed" >&2; exit 1; }
        sleep 0.002
    done
    t1=$(date +%s%N)
    sleep 0.5
    rss=$(awk '/^VmRSS/ {print $2}' "/proc/$pid/status")
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    echo "$(((t1 - t0) / 1000000)) $rss"
}

mediana() { sort -n | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }

: >"$work/nua"
: >"$work/tarvelo"
for i in $(seq 1 "$runs"); do
    medir '^Janela nua$' "$work/janelanua" >>"$work/nua"
    mkdir "$work/casa$i"
    TARVELO_HOME="$work/casa$i" medir '^ Tarvelo$' "$prog" >>"$work/tarvelo"
done

nuaMs=$(cut -d' ' -f1 "$work/nua" | mediana)
nuaKb=$(cut -d' ' -f2 "$work/nua" | mediana)
tarMs=$(cut -d' ' -f1 "$work/tarvelo" | mediana)
tarKb=$(cut -d' ' -f2 "$work/tarvelo" | mediana)
echo "median of $runs starts        to the visible window   resident memory"
printf 'bare Qt window             %10s ms         %8.1f MB\n' "$nuaMs" "$(echo "$nuaKb / 1024" | bc -l)"
printf 'Tarvelo (first start)      %10s ms         %8.1f MB\n' "$tarMs" "$(echo "$tarKb / 1024" | bc -l)"
printf 'ratio                      %10.2f x          %8.2f x\n' "$(echo "$tarMs / $nuaMs" | bc -l)" \
    "$(echo "$tarKb / $nuaKb" | bc -l)"
