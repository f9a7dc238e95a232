#!/usr/bin/env bash
# Installs what building and testing need on a fresh Debian machine: the mingw-w64 cross
# compiler, Wine with its 32-bit half, Xvfb and friends, the Russian locale, and the source
# packages of the libraries we cross-build. Idempotent: when everything is present it only checks.
set -euo pipefail

need_root() { if [ "$(id -u)" -ne 0 ]; then echo "setup-machine: run as root (or install the packages listed here)" >&2; exit 1; fi; }

PACKAGES=(
  build-essential cmake make ninja-build pkg-config dpkg-dev
  mingw-w64 g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix binutils-mingw-w64-i686
  wine wine32:i386 wine64
  xvfb xdotool x11-utils fonts-wine fonts-liberation imagemagick
  locales googletest clang-format-14
)

missing=()
have_i386=$(dpkg --print-foreign-architectures | grep -qx i386 && echo yes || echo no)
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

# deb-src entries, derived from the sources apt already uses, so that `apt-get source` works.
SRC_LIST=/etc/apt/sources.list.d/lornival-deb-src.sources
need_src=no
if [ ! -f "$SRC_LIST" ]; then need_src=yes; fi

if [ "${#missing[@]}" -gt 0 ] || [ "$have_i386" = no ] || [ "$need_src" = yes ]; then
  need_root
  export DEBIAN_FRONTEND=noninteractive
  if [ "$have_i386" = no ]; then dpkg --add-architecture i386; fi
  if [ "$need_src" = yes ]; then
    tmp=$(mktemp)
    for f in /etc/apt/sources.list.d/*.sources; do
      [ -f "$f" ] || continue
      [ "$f" = "$SRC_LIST" ] && continue
      # Keep only the stanzas that name a Debian archive, and turn them into deb-src stanzas.
      awk 'BEGIN{RS=""; ORS="\n\n"} /Types:[^\n]*deb/ && /debian-archive-keyring/ {
             gsub(/Types:[^\n]*/, "Types: deb-src"); print }' "$f" >>"$tmp"
    done
    if [ -f /etc/apt/sources.list ]; then
      grep -E '^deb[[:space:]]' /etc/apt/sources.list | grep -v cdrom | sed 's/^deb /deb-src /' >/etc/apt/sources.list.d/lornival-deb-src.list || true
    fi
    install -m 644 "$tmp" "$SRC_LIST"; rm -f "$tmp"
  fi
  apt-get update -qq
  if [ "${#missing[@]}" -gt 0 ]; then
    echo "setup-machine: installing ${missing[*]}"
    apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
  fi
fi

# Russian locale: Wine's Unix side must speak UTF-8 with Cyrillic, and code page 1251 follows from ru_RU.
if ! locale -a 2>/dev/null | grep -qi '^ru_RU\.utf-\?8$'; then
  need_root
  sed -i 's/^# *\(ru_RU.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^ru_RU.UTF-8 UTF-8' /etc/locale.gen || echo 'ru_RU.UTF-8 UTF-8' >>/etc/locale.gen
  locale-gen >/dev/null
fi
echo "setup-machine: ok"
