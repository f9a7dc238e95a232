#!/usr/bin/env bash
# Shows the menu demo on a virtual display and saves a screenshot of its open popup chain, with
# the shadows, into the build tree. Run by hand; it is no test.
# Usage: tools/menu-screenshot.sh [build dir]   (a tree built with the tools, e.g. build/x86_64)
set -euo pipefail
TOP=$(cd "$(dirname "$0")/.." && pwd)
BUILD=$(realpath -m "${1:-$TOP/build/$("$TOP/tools/test-arch.sh")}")
cmake --build "$BUILD" --target menu_demo >/dev/null
. "$TOP/tools/xvfb-start.sh" 1024x768
"$TOP/tools/wine-prefix.sh" "$BUILD" x11 >/dev/null
. "$TOP/tools/wine-env.sh" "$BUILD" x11
"$WINE" "$BUILD/tools/menu_demo.exe" 20 &
app=$!
# Wine may take a while to start on a busy machine: wait for the frame, then let it paint.
for _ in $(seq 150); do xdotool search --name Lornival >/dev/null 2>&1 && break; sleep 0.2; done
sleep 2
shot="$BUILD/menu-screenshot.png"
import -window root "$shot"
"$WINESERVER" -k 2>/dev/null || true
wait "$app" 2>/dev/null || true
echo "menu-screenshot: $shot"
