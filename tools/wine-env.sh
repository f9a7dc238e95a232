# Sourced by the Wine scripts: the environment every Lornival process runs in under Wine.
# Usage: . tools/wine-env.sh <build dir> <null|x11>
# Sets WINE and WINESERVER to the loader and server to call.
_build=$(realpath -m "${1:-build}")
_kind=${2:-null}
_top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX="$_build/wine/$_kind"
export WINEDEBUG=-all
# Never start the mono or gecko installers.
export WINEDLLOVERRIDES="mscoree,mshtml="
# ru_RU.UTF-8 makes the ANSI code page 1251 and lets the Unix side carry Cyrillic names.
export LC_ALL=ru_RU.UTF-8
export LANG=ru_RU.UTF-8
# CD-ROM drives of the test prefix (tools/wine-prefix.sh): X: onto <dir>/x with the volume label
# below, Y: onto <dir>/y with no label. Wine reads a label once, when its mount manager starts, so
# the labels are fixed for the life of the prefix; what the discs hold can change at any time.
export LORNIVAL_CDROM_DIR="$_build/wine/cdrom"
export LORNIVAL_CDROM_LABEL="LORNIVAL_TEST"
if [ "$("$_top/tools/test-arch.sh")" = i686 ]; then
  WINE=wine
else
  # Debian's `wine` script prefers the 32-bit loader whenever it is installed.
  WINE=/usr/lib/wine/wine64
  export WINELOADER=/usr/lib/wine/wine64
fi
WINESERVER=wineserver
unset _build _kind _top
