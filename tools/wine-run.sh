#!/usr/bin/env bash
# Runs a Windows program of the build under Wine in the build's headless prefix: the emulator
# CTest puts in front of every test executable. Creates the prefix on first use.
# Usage: tools/wine-run.sh <program.exe> [args...]   (LORNIVAL_BUILD_DIR names the build dir)
set -euo pipefail
TOP=$(cd "$(dirname "$0")/.." && pwd)
BUILD=${LORNIVAL_BUILD_DIR:-$TOP/build/$("$TOP/tools/test-arch.sh")}
KIND=${LORNIVAL_WINE_KIND:-null}
"$TOP/tools/wine-prefix.sh" "$BUILD" "$KIND" >/dev/null
. "$TOP/tools/wine-env.sh" "$BUILD" "$KIND"
exec "$WINE" "$@"
