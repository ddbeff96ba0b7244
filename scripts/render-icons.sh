#!/usr/bin/env bash
# Renders the program's icon, desktop/purso.svg, into the PNG sizes of the
# hicolor icon theme under desktop/icons/. The PNGs are kept in the
# repository, so that building the program needs no SVG renderer; run this
# after changing the SVG and commit what it writes. Needs rsvg-convert
# (Debian package librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")/.."

for size in 16 22 24 32 48 64 128 256; do
  mkdir -p "desktop/icons/${size}x${size}"
  rsvg-convert --width "$size" --height "$size" --keep-aspect-ratio \
    --output "desktop/icons/${size}x${size}/purso.png" desktop/purso.svg
done
