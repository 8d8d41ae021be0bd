#!/usr/bin/env bash
# `cmake --install` into a scratch prefix lays out the program, its desktop entry, its
# AppStream metainfo and its icons, and the desktop's validators accept them.
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
id=br.com.tarvelo.Tarvelo
expected=(
  bin/tarvelo
  share/applications/$id.desktop
  share/metainfo/$id.metainfo.xml
  share/icons/hicolor/scalable/apps/$id.svg
)
for size in 16 22 24 32 48 64 96 128 256; do
  expected+=("share/icons/hicolor/${size}x${size}/apps/$id.png")
done
for f in "${expected[@]}"; do
  [ -s "$prefix/$f" ] || { echo "missing after install: $f"; exit 1; }
done
[ -x "$prefix/bin/tarvelo" ] || { echo "bin/tarvelo is not executable"; exit 1; }
desktop-file-validate "$prefix/share/applications/$id.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" >/dev/null
echo "installed and valid"
