#!/usr/bin/env bash
# Shows the MDI demo on a virtual display and saves a screenshot of it into the build tree, for a
# look at the document tabs over the MDI client and a toolbar docked inside a document. Run by
# hand; it is no test.
# Usage: tools/mdi-screenshot.sh [build dir]   (a tree built with the tools, e.g. build/x86_64)
set -euo pipefail
TOP=$(cd "$(dirname "$0")/.." && pwd)
BUILD=$(realpath -m "${1:-$TOP/build/$("$TOP/tools/test-arch.sh")}")
cmake --build "$BUILD" --target mdi_demo >/dev/null
. "$TOP/tools/xvfb-start.sh" 1024x768
"$TOP/tools/wine-prefix.sh" "$BUILD" x11 >/dev/null
. "$TOP/tools/wine-env.sh" "$BUILD" x11
"$WINE" "$BUILD/tools/mdi_demo.exe" 20 > "$BUILD/mdi-demo-layout.txt" &
app=$!
# Wine may take a while to start on a busy machine: wait for the frame, then let it paint.
for _ in $(seq 150); do xdotool search --name Lornival >/dev/null 2>&1 && break; sleep 0.2; done
sleep 3
shot="$BUILD/mdi-screenshot.png"
import -window root "$shot"
"$WINESERVER" -k 2>/dev/null || true
wait "$app" 2>/dev/null || true
echo "mdi-screenshot: $shot (layout: $BUILD/mdi-demo-layout.txt)"
