#!/usr/bin/env bash
# Walks the first stretch of the user's road (tests/road) on a virtual display and keeps pictures
# of the main window, the progress dialog of an added disc and the search dialog in the build
# tree, as PNG files. Run by hand; it is no test.
# Usage: tools/road-screenshots.sh [build dir]   (a tree built with the tests, e.g. build/x86_64)
set -euo pipefail
TOP=$(cd "$(dirname "$0")/.." && pwd)
BUILD=$(realpath -m "${1:-$TOP/build/$("$TOP/tools/test-arch.sh")}")
cmake --build "$BUILD" --target road_tests >/dev/null
. "$TOP/tools/xvfb-start.sh" 1280x1024
"$TOP/tools/wine-prefix.sh" "$BUILD" x11 >/dev/null
. "$TOP/tools/wine-env.sh" "$BUILD" x11
# The display's prefix gets the labelled test CD-ROM too, over the same folder.
mkdir -p "$LORNIVAL_CDROM_DIR/x"
printf '%s\n' "$LORNIVAL_CDROM_LABEL" >"$LORNIVAL_CDROM_DIR/x/.windows-label"
"$TOP/tools/wine-cdrom.sh" "$BUILD" x11 x "$LORNIVAL_CDROM_DIR/x"
shots="$BUILD/road-shots"
rm -rf "$shots"
mkdir -p "$shots"
LORNIVAL_ROAD_SHOTS="Z:${shots//\//\\}" LORNIVAL_WINE_KIND=x11 LORNIVAL_BUILD_DIR="$BUILD" \
  "$TOP/tools/wine-run.sh" "$BUILD/tests/road/road_tests.exe" --gtest_also_run_disabled_tests \
  --gtest_filter='Road.*S0?_*:-Road.*S09_*' || true
"$WINESERVER" -k 2>/dev/null || true
for bmp in "$shots"/*.bmp; do
  [ -f "$bmp" ] || continue
  convert "$bmp" "${bmp%.bmp}.png" && rm -f "$bmp"
done
echo "road-screenshots: $(ls "$shots"/*.png 2>/dev/null | tr '\n' ' ')"
