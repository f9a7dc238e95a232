#!/usr/bin/env bash
# Runs a Windows program of the build under Wine in the build's headless prefix: the emulator
# CTest puts in front of every test executable. Creates the prefix on first use.
# A 32-bit program runs through tools/with-i386.sh.
# Usage: tools/wine-run.sh <program.exe> [args...]   (LORNIVAL_BUILD_DIR names the build dir)
set -euo pipefail
TOP=$(cd "$(dirname "$0")/.." && pwd)
BUILD=${LORNIVAL_BUILD_DIR:-$TOP/build/$("$TOP/tools/test-arch.sh")}
KIND=${LORNIVAL_WINE_KIND:-null}
"$TOP/tools/wine-prefix.sh" "$BUILD" "$KIND" >/dev/null
. "$TOP/tools/wine-env.sh" "$BUILD" "$KIND"
if lornival_is_i386_exe "$1"; then lornival_wine "$@"; else exec "$WINE" "$@"; fi
