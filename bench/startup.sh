#!/usr/bin/env bash
# Start-up figures: the time from exec until the calculator's window is drawn on screen, and
# the resident memory once it is up, next to a bare Qt window of the same size. The times
# come from X events (the window's map and its first damage), not from polling. Each run of
# Tarvelo is a first start in an empty data folder; the runs of every program are interleaved,
# so a busy machine weighs on all of them alike. Runs on a private Xvfb without a window manager.
#
#   bench/startup.sh [-n runs] [release-build-dir ...]     (defaults: 15 runs, build/release)
#
# Several build directories (a build before a change and one after) are measured in the same
# run, each against the same bare windows. On a shared machine, `nice -n -10` in front helps.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=15
if [ "${1:-}" = "-n" ]; then
    runs=$2
    shift 2
fi
[ "$runs" -ge 10 ] || { echo "at least 10 runs: a median of fewer says little" >&2; exit 2; }
. bench/programas.sh
programasConstruidos "$@"
noServidorX bench/startup.sh -n "$runs" "${builds[@]}"

work=$(mktemp -d)
cleanup() {
    rm -rf "$work" "${runtime:-}"
}
trap cleanup EXIT

c++ -O2 -fPIC -std=c++20 bench/janelanua.cpp $(pkg-config --cflags --libs Qt6Widgets) -o "$work/janelanua"
c++ -O2 -std=c++20 bench/cronometro.cpp $(pkg-config --cflags --libs xcb xcb-damage) -o "$work/cronometro"

# A desktop session's runtime folder is a private tmpfs (/run/user/<uid>); the instance
# channel keeps its socket and lock there.
runtime=$(mktemp -d -p /dev/shm 2>/dev/null || mktemp -d)
chmod 700 "$runtime"
export XDG_RUNTIME_DIR=$runtime

falhou() {
    cat "$work/erros" >&2
    exit 1
}

# Each line of a result file: "<ms to first damage> <ms to map> <resident kB>".
for i in $(seq 1 "$runs"); do
    "$work/cronometro" 'Janela nua' "$work/janelanua" >>"$work/nua" 2>"$work/erros" || falhou
    for n in "${!builds[@]}"; do
        mkdir "$work/casa$i.$n"
        TARVELO_HOME="$work/casa$i.$n" "$work/cronometro" ' Tarvelo' "${builds[$n]}/app/tarvelo" \
            >>"$work/tarvelo$n" 2>"$work/erros" || falhou
    done
done

# The timings are written with a decimal point: read and printed so whatever the locale.
mediana() { cut -d' ' -f"$2" "$1" | LC_ALL=C sort -n | LC_ALL=C awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }

nuaMs=$(mediana "$work/nua" 1)
nuaKb=$(mediana "$work/nua" 3)
echo "median of $runs starts, from exec     drawn        mapped    ratio (drawn)   resident memory"
LC_ALL=C printf '%-32s %8.1f ms  %8.1f ms  %8s        %8.1f MB\n' "bare Qt window" "$nuaMs" "$(mediana "$work/nua" 2)" "" \
    "$(echo "$nuaKb / 1024" | bc -l)"
for n in "${!builds[@]}"; do
    ms=$(mediana "$work/tarvelo$n" 1)
    LC_ALL=C printf '%-32s %8.1f ms  %8.1f ms  %8.2f x      %8.1f MB\n' "${builds[$n]}" "$ms" "$(mediana "$work/tarvelo$n" 2)" \
        "$(echo "$ms / $nuaMs" | bc -l)" "$(echo "$(mediana "$work/tarvelo$n" 3) / 1024" | bc -l)"
done
