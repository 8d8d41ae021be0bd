#!/usr/bin/env bash
# Installs what is missing, builds Tarvelo (release) and starts it.
set -euo pipefail
cd "$(dirname "$0")"
scripts/deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DTARVELO_TESTS=OFF -DTARVELO_BENCH=OFF >/dev/null
cmake --build build/release
exec build/release/app/tarvelo "$@"
