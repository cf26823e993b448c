#!/usr/bin/env bash
# Refreshes docs/screenshots/*.png: builds the screenshot program in the
# build folder (default: build) and runs it under a virtual X server, so the
# pictures show the desktop's own fonts and style. Also prints how long the
# largest problem takes from Analyze to the results window, and the plots
# window from its button to its first painting (a benchmark, not a test).
# Then draws the desktop entry's icon at 48 and 128 px as a launcher finds
# it in an installed tree (icon-48.png, icon-128.png).
# Usage: scripts/take-screenshots.sh [BUILD_DIR] [icons]   ("icons": the icon tiles only)
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD="${1:-build}"
ONLY="${2:-}"
[ -f "$BUILD/CMakeCache.txt" ] || cmake -S . -B "$BUILD" >/dev/null
mkdir -p docs/screenshots
if [ "$ONLY" != icons ]; then
  cmake --build "$BUILD" --target vellacore_screenshots -j"$(nproc)"
  xvfb-run -a -s "-screen 0 1280x1024x24" \
    "$BUILD/vellacore_screenshots" docs/screenshots "$PWD"
fi

# The icon as installed: `cmake --install` into a throw-away prefix, whose
# share folder goes first in XDG_DATA_DIRS as it would on a desktop that
# has the program installed there (the system's share folder follows for
# the hicolor theme's index).
cmake --build "$BUILD" --target vellacore vellacore_launcher_tiles -j"$(nproc)"
PREFIX="$(mktemp -d "${TMPDIR:-/tmp}/vellacore-icons.XXXXXX")"
trap 'rm -rf "$PREFIX"' EXIT
cmake --install "$BUILD" --prefix "$PREFIX" >/dev/null
env HOME="$PREFIX" XDG_DATA_HOME="$PREFIX/share" XDG_DATA_DIRS="$PREFIX/share:/usr/local/share:/usr/share" \
  QT_QPA_PLATFORM=offscreen \
  "$BUILD/vellacore_launcher_tiles" "$PREFIX/share/applications/vellacore.desktop" \
  docs/screenshots 48 128
