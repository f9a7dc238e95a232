#!/usr/bin/env bash
# Shows the loading splash on a virtual display and saves a screenshot of it into the build tree,
# for a look at how it is drawn. Run by hand; it is no test.
# Usage: tools/splash-screenshot.sh [build dir]   (a tree built with the tools, e.g. build/x86_64)
set -euo pipefail
TOP=$(cd "$(dirname "$0")/.." && pwd)
BUILD=$(realpath -m "${1:-$TOP/build/$("$TOP/tools/test-arch.sh")}")
cmake --build "$BUILD" --target splash_preview >/dev/null
. "$TOP/tools/xvfb-start.sh" 1024x768
"$TOP/tools/wine-prefix.sh" "$BUILD" x11 >/dev/null
. "$TOP/tools/wine-env.sh" "$BUILD" x11
lornival_wine "$BUILD/tools/splash_preview.exe" 6 &
app=$!
sleep 4
shot="$BUILD/splash-screenshot.png"
import -window root "$shot"
wait "$app" 2>/dev/null || true
"$WINESERVER" -k 2>/dev/null || true
echo "splash-screenshot: $shot"
