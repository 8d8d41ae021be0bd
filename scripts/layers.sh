#!/usr/bin/env bash
# Fails when a source file of the program includes a header from a folder its layer may not
# use. The layer table is the one in docs/ARCHITECTURE.md, so the rule is written once.
set -euo pipefail
cd "$(dirname "$0")/.."

# Tests, benchmarks and build folders are not layers of the program.
find . -path ./build -prune -o -path ./tests -prune -o -path ./bench -prune -o -path './.*' -prune \
  -o -type f \( -name '*.cpp' -o -name '*.h' \) -print | sed 's|^\./||' | sort |
awk -v table=docs/ARCHITECTURE.md '
  BEGIN {
    while ((getline row < table) > 0) {
      if (row ~ /^<!-- layers/) { inside = 1; continue }
      if (row ~ /^<!-- \/layers/) inside = 0
      if (!inside || row !~ /^\| `/) continue
      gsub(/`/, "", row)
      split(row, cell, "|")
      folder = cell[2]; gsub(/ /, "", folder)
      may[folder] = " " folder " " cell[3] " "
      rows++
    }
    if (!rows) { print "layers: no layer table in " table > "/dev/stderr"; exit 2 }
  }
  function dir(path) { sub(/\/[^\/]*$/, "", path); return path }
  {
    file = $0; folder = dir(file)
    if (!(folder in may)) {
      print file ": the folder " folder " has no row in the layer table of " table; faults++; next
    }
    line = 0
    while ((getline text < file) > 0) {
      line++
      if (text !~ /^[ \t]*#[ \t]*include[ \t]*"/) continue
      header = text; sub(/^[^"]*"/, "", header); sub(/".*/, "", header)
      # A header named without a folder sits next to the file.
      if (header !~ /\//) continue
      if (index(may[folder], " " dir(header) " ") == 0) {
        print file ":" line ": " folder " may not include \"" header "\""; faults++
      }
    }
    close(file)
  }
  END {
    if (rows == 0) exit 2
    if (faults) { print "layers: " faults " include(s) against the layer table" > "/dev/stderr"; exit 1 }
    print "layers: every include follows the layer table"
  }'
