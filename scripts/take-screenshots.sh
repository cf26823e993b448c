#!/usr/bin/env bash
# Refreshes docs/screenshots/*.png: builds the screenshot program in the
# build folder (default: build) and runs it under a virtual X server, so the
# pictures show the desktop's own fonts and style. Also prints how long the
# largest problem takes from Analyze to the results window, and the plots
# window from its button to its first painting (a benchmark, not a test).
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD="${1:-build}"
[ -f "$BUILD/CMakeCache.txt" ] || cmake -S . -B "$BUILD" >/dev/null
cmake --build "$BUILD" --target vellacore_screenshots -j"$(nproc)"
mkdir -p docs/screenshots
xvfb-run -a -s "-screen 0 1280x1024x24" \
  "$BUILD/vellacore_screenshots" docs/screenshots "$PWD"
