#!/usr/bin/env bash
# Renders the application icon's PNG sizes from vellacore.svg (run after
# changing the drawing, then commit the PNGs; the build only copies them).
# Needs rsvg-convert (Debian package librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")"
for size in 16 22 24 32 48 64 128 256; do
  mkdir -p "${size}x${size}"
  rsvg-convert --width "$size" --height "$size" --keep-aspect-ratio \
    vellacore.svg --output "${size}x${size}/vellacore.png"
done
