# Shared by the benchmark scripts, sourced from the top of the tree.

# The build directories named (build/release when none), in `builds`; each must hold a
# built program.
programasConstruidos() {
    builds=("$@")
    [ ${#builds[@]} -gt 0 ] || builds=(build/release)
    for b in "${builds[@]}"; do
        [ -x "$b/app/tarvelo" ] || { echo "no $b/app/tarvelo: build it first (cmake --build $b --target tarvelo)" >&2; exit 2; }
    done
}

# The whole run on one private X server without a window manager: the calling script, given
# as the command, starts over there.
noServidorX() {
    [ -n "${TARVELO_BENCH_X:-}" ] || TARVELO_BENCH_X=1 exec scripts/x11session.sh --bare "$@"
}
