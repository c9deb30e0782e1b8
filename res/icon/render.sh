#!/usr/bin/env bash
# Renders the application icon at the hicolor theme's sizes: png/lumora-<size>.png.
# Needs rsvg-convert (Debian librsvg2-bin). Commit the PNGs it writes.
set -euo pipefail
cd "$(dirname "$0")"
mkdir -p png
for size in 16 22 24 32 48 64 128 256; do
  rsvg-convert -w "$size" -h "$size" lumora.svg -o "png/lumora-$size.png"
done
