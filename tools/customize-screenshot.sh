#!/usr/bin/env bash
# Shows the docking demo's customisable toolbar on a virtual display and saves two pictures into
# the build tree: customisation mode with a selected button, and the customize button's
# drop-down opened on a bar too short for its buttons. Then one picture of every page of the
# customisation sheet and of its two dialogs (the customize demo). Run by hand; it is no test.
# Usage: tools/customize-screenshot.sh [build dir] [display]   (default display :78)
set -euo pipefail
TOP=$(cd "$(dirname "$0")/.." && pwd)
BUILD=$(realpath -m "${1:-$TOP/build/$("$TOP/tools/test-arch.sh")}")
DISPLAY_NUMBER=${2:-:78}
cmake --build "$BUILD" --target docking_demo customize_demo >/dev/null
Xvfb "$DISPLAY_NUMBER" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
export DISPLAY=$DISPLAY_NUMBER
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
"$TOP/tools/wine-prefix.sh" "$BUILD" x11 >/dev/null
. "$TOP/tools/wine-env.sh" "$BUILD" x11
out="$BUILD/customize-shots"
mkdir -p "$out"
for look in customize chevron; do
    "$WINE" "$BUILD/tools/docking_demo.exe" 12 "$look" > "$out/$look-layout.txt" &
    app=$!
    for _ in $(seq 150); do xdotool search --name Lornival >/dev/null 2>&1 && break; sleep 0.2; done
    sleep 3
    import -window root "$out/$look.png"
    "$WINESERVER" -k 2>/dev/null || true
    wait "$app" 2>/dev/null || true
    echo "customize-screenshot: $out/$look.png"
done
for page in commands toolbars tools keyboard menu options appearance icon; do
    "$WINE" "$BUILD/tools/customize_demo.exe" "$page" 6 &
    app=$!
    for _ in $(seq 150); do xdotool search --name Lornival >/dev/null 2>&1 && break; sleep 0.2; done
    sleep 4
    import -window root "$out/sheet-$page.png"
    wait "$app" 2>/dev/null || true
    echo "customize-screenshot: $out/sheet-$page.png"
done
"$WINESERVER" -k 2>/dev/null || true
