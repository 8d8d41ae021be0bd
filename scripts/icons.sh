#!/usr/bin/env bash
# Renders the program icon's PNG sizes from resources/icons/tarvelo.svg (needs
# rsvg-convert, Debian librsvg2-bin). Run by hand after changing the drawing; the PNGs are
# kept in the tree so that a build needs no SVG renderer.
set -euo pipefail
cd "$(dirname "$0")/../resources/icons"
for size in 16 22 24 32 48 64 96 128 256; do
  rsvg-convert -w "$size" -h "$size" tarvelo.svg -o "tarvelo-$size.png"
done
