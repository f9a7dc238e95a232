#!/usr/bin/env bash
# Cross-builds the third-party libraries Lornival calls (bzip2, libjpeg-turbo with its libjpeg
# v62 interface) from Debian's source packages into <build>/deps/prefix. GoogleTest is built by
# CMake itself from /usr/src/googletest. Each library is built once; a stamp file says it is done.
set -euo pipefail

# Usage: tools/build-deps.sh <build dir> <i686|x86_64>
BUILD=$(realpath -m "${1:-build}")
ARCH=${2:-i686}
TOP=$(cd "$(dirname "$0")/.." && pwd)
DEPS="$BUILD/deps"
SRC="${LORNIVAL_DEPS_SRC:-$DEPS/src}"
PREFIX="$DEPS/prefix"
HOST=$ARCH-w64-mingw32
if [ "$ARCH" = i686 ]; then TOOLCHAIN=$TOP/cmake/toolchain-mingw32.cmake; else TOOLCHAIN=$TOP/cmake/toolchain-mingw64.cmake; fi
mkdir -p "$SRC" "$PREFIX/include" "$PREFIX/lib"

fetch() { # fetch <source package> -> prints the unpacked directory
  local pkg=$1 dir
  dir=$(find "$SRC" -maxdepth 1 -mindepth 1 -type d -name "$pkg-*" | head -n 1)
  if [ -z "$dir" ]; then
    (cd "$SRC" && apt-get source -qq "$pkg" >/dev/null 2>"$SRC/$pkg.log") || {
      echo "build-deps: 'apt-get source $pkg' failed (see $SRC/$pkg.log)" >&2; exit 1; }
    dir=$(find "$SRC" -maxdepth 1 -mindepth 1 -type d -name "$pkg-*" | head -n 1)
  fi
  echo "$dir"
}

if [ ! -f "$DEPS/bzip2.stamp" ]; then
  dir=$(fetch bzip2)
  # BZ_EXPORT gives plain WINAPI functions instead of the DLL-import function pointers.
  rm -rf "$DEPS/bzip2-build"; cp -r "$dir" "$DEPS/bzip2-build"; dir="$DEPS/bzip2-build"
  make -C "$dir" -s libbz2.a CC="$HOST-gcc-posix" AR="$HOST-ar" RANLIB="$HOST-ranlib" \
       CFLAGS="-O2 -DBZ_EXPORT -D_FILE_OFFSET_BITS=64" >"$DEPS/bzip2-build.log" 2>&1
  install -m 644 "$dir/libbz2.a" "$PREFIX/lib/libbz2.a"
  install -m 644 "$dir/bzlib.h" "$PREFIX/include/bzlib.h"
  touch "$DEPS/bzip2.stamp"
  echo "build-deps: bzip2 built"
fi

if [ ! -f "$DEPS/libjpeg.stamp" ]; then
  dir=$(fetch libjpeg-turbo)
  rm -rf "$DEPS/libjpeg-build"
  cmake -S "$dir" -B "$DEPS/libjpeg-build" -DCMAKE_TOOLCHAIN_FILE="$TOOLCHAIN" \
        -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$PREFIX" -DCMAKE_INSTALL_LIBDIR="$PREFIX/lib" \
        -DWITH_SIMD=OFF -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_TURBOJPEG=OFF \
        -DWITH_JPEG7=OFF -DWITH_JPEG8=OFF >"$DEPS/libjpeg-build.log" 2>&1
  cmake --build "$DEPS/libjpeg-build" -j"$(nproc)" >>"$DEPS/libjpeg-build.log" 2>&1
  cmake --install "$DEPS/libjpeg-build" >>"$DEPS/libjpeg-build.log" 2>&1
  touch "$DEPS/libjpeg.stamp"
  echo "build-deps: libjpeg-turbo built"
fi
