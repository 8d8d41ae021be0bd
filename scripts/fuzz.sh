#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for a bounded time.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${FUZZ_SECONDS:-30}
build=build/fuzz
CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DTARVELO_FUZZ=ON -DTARVELO_TESTS=OFF >/dev/null
cmake --build "$build" --target fuzzers
shopt -s nullglob
for target in "$build"/tests/fuzz_*; do
  [ -f "$target" ] && [ -x "$target" ] || continue
  name=$(basename "$target")
  corpus="$build/corpus/$name"
  mkdir -p "$corpus"
  seeds=tests/data/fuzz/${name#fuzz_}
  echo "fuzz: $name for ${seconds}s"
  "$target" -max_total_time="$seconds" -rss_limit_mb=1024 -max_len=65536 "$corpus" \
    $( [ -d "$seeds" ] && echo "$seeds" ) 2>&1 | tail -n 3
done
