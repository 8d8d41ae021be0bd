#!/usr/bin/env bash
# The calculator's CPU while a large copy sits on the clipboard with the clipboard monitor on:
# another program copies 1 MB (digits; ordinary lines of text; numbers and blanks on one
# line) while the calculator runs, and the calculator's CPU time over the following seconds
# is read from /proc, as a share of one core. Each run starts in an empty data folder with
# the monitor ticked, and first checks that the monitor takes a copied number. Runs on a
# private Xvfb without a window manager.
#
#   bench/clipboard.sh [-s seconds] [build-dir ...]     (defaults: 5 s, build/release)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=5
while getopts s: opcao; do
    case $opcao in
        s) seconds=$OPTARG ;;
        *) exit 2 ;;
    esac
done
shift $((OPTIND - 1))
. bench/programas.sh
programasConstruidos "$@"
noServidorX bench/clipboard.sh -s "$seconds" "${builds[@]}"

work=$(mktemp -d)
pids=()
# Ends the programs started: a calculator busy on a copy does not get round to the
# request, and is killed after a while.
parar() {
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
    for p in "${pids[@]}"; do
        timeout 5 tail --pid="$p" -f /dev/null || kill -9 "$p" 2>/dev/null || true
    done
    wait 2>/dev/null || true
    pids=()
}
cleanup() {
    parar
    rm -rf "$work"
}
trap cleanup EXIT

c++ -O2 -fPIC -std=c++20 bench/donoclipboard.cpp $(pkg-config --cflags --libs Qt6Gui) -o "$work/donoclipboard"

export LANG=pt_BR.UTF-8
runtime=$(mktemp -d -p "$work")
chmod 700 "$runtime"
export XDG_RUNTIME_DIR=$runtime
tick=$(getconf CLK_TCK)

# Starts a program in the background and notes it for the clean-up; its pid in $ultimo.
iniciar() {
    "$@" &
    ultimo=$!
    pids+=("$ultimo")
}
# Waits until the file holds the text, up to 10 s.
esperarTexto() {
    for _ in $(seq 100); do
        grep -q "$2" "$1" 2>/dev/null && return 0
        sleep 0.1
    done
    return 1
}
# The process's user and system time so far, in clock ticks.
cpu() { awk '{print $14 + $15}' "/proc/$1/stat"; }

# A copy another program makes, kept on the clipboard while it runs; waits for it to land.
copiar() {
    local saida
    saida=$(mktemp -p "$work")
    iniciar "$work/donoclipboard" "$1" "$2" >"$saida" 2>/dev/null
    esperarTexto "$saida" copiado || { echo "the copying program did not start" >&2; exit 1; }
}

medir() {
    local build=$1 padrao=$2 nome=$3 casa
    casa=$(mktemp -d -p "$work")
    mkdir "$casa/registry"
    printf '[HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings\\TQ\\Conf]\n"Monitor"="True"\n' \
        >"$casa/registry/HKEY_CURRENT_USER.reg"
    TARVELO_HOME=$casa iniciar "$build/app/tarvelo" >/dev/null 2>&1
    local calc=$ultimo
    # Its load empties the clipboard: the first copy comes once the window is up.
    timeout 20 xdotool search --sync --onlyvisible --name '^ Tarvelo$' >/dev/null \
        || { echo "$build: no calculator window" >&2; exit 1; }
    sleep 1
    copiar 5 1
    esperarTexto "$casa/calc1.fita" '5 +' || { echo "$build: the monitor took no copy" >&2; exit 1; }
    copiar "$padrao" 1048576
    # The copy itself is taken in once; what counts is the time after.
    sleep 2
    local antes depois
    antes=$(cpu "$calc")
    sleep "$seconds"
    depois=$(cpu "$calc")
    # bc writes a decimal point, which printf reads only in the C locale.
    LC_ALL=C printf '%-32s %-28s %6.1f %% of a core\n' "$build" "$nome" "$(echo "100 * ($depois - $antes) / ($tick * $seconds)" | bc -l)"
    parar
}

echo "calculator's CPU over $seconds s, a copy of 1 MB on the clipboard, the monitor on"
for b in "${builds[@]}"; do
    medir "$b" 0123456789 "1 MB of digits"
    medir "$b" "O total do mês foi conferido e lançado no livro.
" "1 MB of lines of text"
    medir "$b" "1 " "1 MB of numbers and blanks"
done
