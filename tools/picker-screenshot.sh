#!/usr/bin/env bash
# Shows the picker demo on a virtual display once per picker (the calendar popup, the colour
# popup, the colour dialog's two pages) and saves a screenshot of each into the build tree.
# With --depth 8 the display has 8 bits per pixel. Run by hand; it is no test.
# Usage: tools/picker-screenshot.sh [build dir] [--depth 8]
set -euo pipefail
TOP=$(cd "$(dirname "$0")/.." && pwd)
BUILD=$(realpath -m "${1:-$TOP/build/$("$TOP/tools/test-arch.sh")}")
DEPTH=24
if [ "${2:-}" = "--depth" ]; then DEPTH=${3:-8}; fi
cmake --build "$BUILD" --target picker_demo >/dev/null
display=:$(( 90 + RANDOM % 100 ))
Xvfb "$display" -screen 0 "1024x768x$DEPTH" -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
"$TOP/tools/wine-prefix.sh" "$BUILD" x11 >/dev/null
. "$TOP/tools/wine-env.sh" "$BUILD" x11
mkdir -p "$BUILD/picker-shots"
for mode in calendar colors dialog custom; do
  "$WINE" "$BUILD/tools/picker_demo.exe" "$mode" 8 &
  app=$!
  for _ in $(seq 150); do xdotool search --name Lornival >/dev/null 2>&1 && break; sleep 0.2; done
  sleep 4
  shot="$BUILD/picker-shots/$mode-$DEPTH.png"
  import -window root "$shot"
  wait "$app" 2>/dev/null || true
  echo "picker-screenshot: $shot"
done
"$WINESERVER" -k 2>/dev/null || true
