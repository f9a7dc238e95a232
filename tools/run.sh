#!/usr/bin/env bash
# Starts Lornival.exe of a build under Wine, on the user's display when there is one. Without a
# display it starts Xvfb, lets the program come up, saves a screenshot into the build tree and
# says where it is.
# Usage: tools/run.sh <build dir>
set -euo pipefail
TOP=$(cd "$(dirname "$0")/.." && pwd)
BUILD=$(realpath -m "${1:-build}")
EXE="$BUILD/Lornival.exe"
[ -f "$EXE" ] || { echo "run: $EXE is not built" >&2; exit 1; }

if [ -n "${DISPLAY:-}" ]; then
  "$TOP/tools/wine-prefix.sh" "$BUILD" x11 >/dev/null
  . "$TOP/tools/wine-env.sh" "$BUILD" x11
  lornival_wine "$EXE"
  exit
fi

# No display: a virtual one, a screenshot, and an orderly end.
. "$TOP/tools/xvfb-start.sh" 1280x1024
"$TOP/tools/wine-prefix.sh" "$BUILD" x11 >/dev/null
. "$TOP/tools/wine-env.sh" "$BUILD" x11
lornival_wine "$EXE" &
app=$!
sleep "${LORNIVAL_RUN_SECONDS:-8}"
shot="$BUILD/screenshot.png"
import -window root "$shot"
echo "run: Lornival started on a virtual display; screenshot: $shot"
"$WINESERVER" -k 2>/dev/null || true
wait "$app" 2>/dev/null || true
