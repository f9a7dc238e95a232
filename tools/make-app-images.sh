#!/usr/bin/env bash
# Redraws the catalogue's pictures (resources/images: icons, splash picture and strip) with the
# generator of a build, run under Wine. The images are committed; run this only to change them.
# Usage: tools/make-app-images.sh [build dir]   (a tree built with the tools, e.g. build/x86_64)
set -euo pipefail
TOP=$(cd "$(dirname "$0")/.." && pwd)
BUILD=$(realpath -m "${1:-$TOP/build/$("$TOP/tools/test-arch.sh")}")
cmake --build "$BUILD" --target app_image_generator >/dev/null
"$TOP/tools/wine-prefix.sh" "$BUILD" null >/dev/null
. "$TOP/tools/wine-env.sh" "$BUILD" null
mkdir -p "$TOP/resources/images"
# Wine shows the Unix root as drive Z:.
lornival_wine "$BUILD/tools/app_image_generator.exe" "Z:${TOP//\//\\}\\resources\\images"
