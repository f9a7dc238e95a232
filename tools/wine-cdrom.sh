#!/usr/bin/env bash
# Maps a directory as a CD-ROM drive of a build's Wine prefix. A `.windows-label` file in the
# directory gives the volume label. The drive type lives in the 64-bit registry view (the 32-bit
# view is redirected and ignored); Wine's mount manager reads it and the label when it starts,
# so the wineserver restarts here.
# Usage: tools/wine-cdrom.sh <build dir> <null|x11> <drive letter> <directory>
set -euo pipefail
TOP=$(cd "$(dirname "$0")/.." && pwd)
BUILD=$(realpath -m "$1"); KIND=$2; LETTER=$(echo "$3" | tr 'A-Z' 'a-z'); DIR=$(realpath -m "$4")
. "$TOP/tools/wine-env.sh" "$BUILD" "$KIND"
mkdir -p "$DIR"
ln -sfn "$DIR" "$WINEPREFIX/dosdevices/$LETTER:"
"$WINE" reg add 'HKLM\Software\Wine\Drives' /v "$LETTER:" /d cdrom /f /reg:64 >/dev/null 2>&1
"$WINESERVER" -k || true
"$WINESERVER" -w || true
