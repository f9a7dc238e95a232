# Sourced by the Wine scripts: the environment every Lornival process runs in under Wine.
# Usage: . tools/wine-env.sh <build dir> <null|x11>
# Sets WINE and WINESERVER to the loader and server to call; lornival_wine runs a program.
_build=$(realpath -m "${1:-build}")
_kind=${2:-null}
_lornival_top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
_lornival_root=$(dirname "$_build")
export WINEPREFIX="$_build/wine/$_kind"
export WINEDEBUG=-all
# Never start the mono or gecko installers; no debugger after a crash (it would hang the test).
export WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d"
# ru_RU.UTF-8 makes the ANSI code page 1251 and lets the Unix side carry Cyrillic names.
export LC_ALL=ru_RU.UTF-8
export LANG=ru_RU.UTF-8
# CD-ROM drives of the test prefix (tools/wine-prefix.sh): X: onto <dir>/x with the volume label
# below, Y: onto <dir>/y with no label. Wine reads a label once, when its mount manager starts, so
# the labels are fixed for the life of the prefix; what the discs hold can change at any time.
export LORNIVAL_CDROM_DIR="$_build/wine/cdrom"
export LORNIVAL_CDROM_LABEL="LORNIVAL_TEST"
# Every prefix is a 64-bit one, and the 64-bit loader is called directly: it starts 32-bit programs
# through the 32-bit loader itself. Debian's `wine` script would prefer the 32-bit loader for
# everything, and where the kernel runs no 32-bit code that loader runs under emulation.
WINE=/usr/lib/wine/wine64
export WINELOADER=/usr/lib/wine/wine64
WINESERVER=wineserver
unset _build _kind

# Succeeds when <file> is a 32-bit x86 Windows program (PE machine 0x014c).
lornival_is_i386_exe() {
  local pe machine
  pe=$(od -An -t u4 -j 60 -N 4 "$1" 2>/dev/null | tr -d ' ') || return 1
  [ -n "$pe" ] || return 1
  machine=$(od -An -t x2 -j $((pe + 4)) -N 2 "$1" 2>/dev/null | tr -d ' ')
  [ "$machine" = 014c ]
}

# Runs a program under the loader; a 32-bit one through tools/with-i386.sh, which brings in
# qemu-user where the kernel runs no 32-bit code.
lornival_wine() {
  if lornival_is_i386_exe "$1"; then
    "$_lornival_top/tools/with-i386.sh" "$_lornival_root" "$WINE" "$@"
  else
    "$WINE" "$@"
  fi
}
