#!/usr/bin/env bash
# Creates (once) the Wine prefix of a build: <build>/wine/null for headless tests (Wine's null
# graphics driver: real windows and messages, no display) or <build>/wine/x11 for a display.
# The null prefix also gets two CD-ROM drives, X: (labelled) and Y: (no label), onto
# <build>/wine/cdrom/x and <build>/wine/cdrom/y.
# Usage: tools/wine-prefix.sh <build dir> <null|x11>
set -euo pipefail
TOP=$(cd "$(dirname "$0")/.." && pwd)
BUILD=$(realpath -m "${1:-build}")
KIND=${2:-null}
. "$TOP/tools/wine-env.sh" "$BUILD" "$KIND"

mkdir -p "$BUILD/wine"
exec 9>"$BUILD/wine/$KIND.lock"
flock 9
# The stamp carries a digest of the scripts that shape the prefix: change one and it is made anew.
stamp=$(cat "$TOP"/tools/wine-prefix.sh "$TOP"/tools/wine-cdrom.sh "$TOP"/tools/wine-env.sh | md5sum | cut -c1-32)
# The prefix is a 64-bit one. A tree of 32-bit programs needs its 32-bit half too, which wineboot
# installs by running 32-bit programs: that part needs tools/with-i386.sh.
boot=()
if grep -qs '^CMAKE_TOOLCHAIN_FILE.*toolchain-mingw32' "$BUILD/CMakeCache.txt"; then
  boot=("$TOP/tools/with-i386.sh" "$(dirname "$BUILD")")
  wow64_ok=$([ -f "$WINEPREFIX/drive_c/windows/syswow64/kernel32.dll" ] && echo yes || echo no)
else
  wow64_ok=yes
fi
if [ "$(cat "$WINEPREFIX/.lornival-ready" 2>/dev/null)" = "$stamp" ] && [ "$wow64_ok" = yes ]; then exit 0; fi
"$WINESERVER" -k 2>/dev/null || true

rm -rf "$WINEPREFIX"
# Waiting for the server inside: every 32-bit helper of wineboot has ended when the wrapper does.
"${boot[@]}" bash -c '"$1" wineboot -i >/dev/null 2>&1; "$2" -w' boot "$WINE" "$WINESERVER" || true
if [ "$KIND" = null ]; then
  "$WINE" reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1
else
  # Without a window manager a managed window stalls two seconds when it closes.
  "$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
fi
"$WINESERVER" -w
# Wine's own fonts (Tahoma, Marlett, MS Sans Serif, ...) are not found from where Debian installs
# them; in the prefix's Fonts folder they are, and the library's symbol glyphs need Marlett.
cp -f /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
if [ "$KIND" = null ]; then
  mkdir -p "$LORNIVAL_CDROM_DIR/x" "$LORNIVAL_CDROM_DIR/y"
  printf '%s\n' "$LORNIVAL_CDROM_LABEL" >"$LORNIVAL_CDROM_DIR/x/.windows-label"
  "$TOP/tools/wine-cdrom.sh" "$BUILD" "$KIND" x "$LORNIVAL_CDROM_DIR/x"
  "$TOP/tools/wine-cdrom.sh" "$BUILD" "$KIND" y "$LORNIVAL_CDROM_DIR/y"
fi
if [ ${#boot[@]} -gt 0 ] && [ ! -f "$WINEPREFIX/drive_c/windows/syswow64/kernel32.dll" ]; then
  echo "wine-prefix: $WINEPREFIX has no 32-bit half (wineboot could not run 32-bit programs)" >&2
  exit 1
fi
echo "$stamp" >"$WINEPREFIX/.lornival-ready"
echo "wine-prefix: $WINEPREFIX ready"
