#!/usr/bin/env bash
# Shows the pane demo (a caption bar, a tasks pane and an outlook bar) on the virtual display :79
# once per look, docked, floating and with the outlook bar's second page chosen, and saves a
# screenshot of each into <build>/pane-shots. Run by hand; it is no test.
# Usage: tools/panes-screenshot.sh [build dir]
set -euo pipefail
TOP=$(cd "$(dirname "$0")/.." && pwd)
BUILD=$(realpath -m "${1:-$TOP/build/$("$TOP/tools/test-arch.sh")}")
cmake --build "$BUILD" --target pane_demo >/dev/null
display=:79
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
"$TOP/tools/wine-prefix.sh" "$BUILD" x11 >/dev/null
. "$TOP/tools/wine-env.sh" "$BUILD" x11
mkdir -p "$BUILD/pane-shots"
for look in plain xp winxp 2003; do
  for place in docked floating pages; do
    "$WINE" "$BUILD/tools/pane_demo.exe" "$look" 6 "$place" &
    app=$!
    for _ in $(seq 150); do xdotool search --name Lornival >/dev/null 2>&1 && break; sleep 0.2; done
    sleep 4
    shot="$BUILD/pane-shots/$look-$place.png"
    import -window root "$shot"
    wait "$app" 2>/dev/null || true
    echo "panes-screenshot: $shot"
  done
done
"$WINESERVER" -k 2>/dev/null || true
