#!/usr/bin/env bash
# Draws the program's icon in the sizes of the hicolor theme from its SVG.
# Needs rsvg-convert (Debian package librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")/../resources/desktop/icons"
for size in 16 24 32 48 64 128 256; do
  rsvg-convert -w "$size" -h "$size" quarnel.svg -o "quarnel-$size.png"
done
