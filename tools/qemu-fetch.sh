#!/usr/bin/env bash
# Puts a static qemu-i386 (QEMU 8.1 or newer) into <dir>, for kernels that run no 32-bit code:
# older QEMU is too slow and unstable under Wine. The package comes from the backports suite of
# the running Debian release, found through a private apt state in <dir>/apt whose source is
# derived from the Debian sources apt already uses; the system's packages and lists stay as they
# are. Idempotent: a usable binary in <dir> is kept. Prints the binary's path.
# Usage: tools/qemu-fetch.sh <dir>
set -euo pipefail
DIR=$(realpath -m "${1:?usage: qemu-fetch.sh <dir>}")
BIN="$DIR/qemu-i386"
MIN_MAJOR=8
MIN_MINOR=1

# "qemu-i386 version 10.0.2 (Debian ...)" -> succeeds when at least MIN_MAJOR.MIN_MINOR.
new_enough() {
  local v major minor
  v=$("$1" --version 2>/dev/null | sed -n 's/.*version \([0-9]*\)\.\([0-9]*\).*/\1 \2/p' | head -n 1)
  [ -n "$v" ] || return 1
  read -r major minor <<<"$v"
  (( major > MIN_MAJOR || (major == MIN_MAJOR && minor >= MIN_MINOR) ))
}

if [ -x "$BIN" ] && new_enough "$BIN"; then echo "$BIN"; exit 0; fi

. /etc/os-release
codename=${VERSION_CODENAME:?qemu-fetch: the release has no code name}
APT="$DIR/apt"
mkdir -p "$APT/sources" "$APT/lists/partial" "$APT/cache/archives/partial" "$DIR"
exec 9>"$DIR/fetch.lock"
flock 9
if [ -x "$BIN" ] && new_enough "$BIN"; then echo "$BIN"; exit 0; fi

# The backports suite on the same archive as the release's own stanza (deb822 files), or its
# one-line equivalent (sources.list).
src="$APT/sources/backports.sources"
: >"$src.new"
for f in /etc/apt/sources.list.d/*.sources; do
  [ -f "$f" ] || continue
  awk -v want="$codename" -v bp="$codename-backports" 'BEGIN{RS=""; ORS="\n\n"}
    /(^|\n)Types:[^\n]*deb([ \t]|$|\n)/ && /debian-archive-keyring/ {
      if (match($0, /(^|\n)Suites:[^\n]*/)) {
        suites = substr($0, RSTART, RLENGTH); n = split(suites, w, /[ \t\n]+/); ok = 0
        for (i = 1; i <= n; i++) if (w[i] == want) ok = 1
        if (!ok) next
        out = $0
        gsub(/Types:[^\n]*/, "Types: deb", out)
        gsub(/Suites:[^\n]*/, "Suites: " bp, out)
        gsub(/Components:[^\n]*/, "Components: main", out)
        print out
      }
    }' "$f" >>"$src.new"
done
if [ ! -s "$src.new" ] && [ -f /etc/apt/sources.list ]; then
  # deb [options] URI suite components...  ->  deb [options] URI <suite>-backports main
  awk -v want="$codename" -v bp="$codename-backports" '
    $1 == "deb" { for (i = 3; i <= NF; i++) if ($i == want) {
                    line = ""; for (j = 1; j < i; j++) line = line $j " "; print line bp " main"; exit } }' \
    /etc/apt/sources.list >"$APT/sources/backports.list"
fi
if [ -s "$src.new" ]; then mv "$src.new" "$src"; else rm -f "$src.new"; fi
if [ ! -s "$src" ] && [ ! -s "$APT/sources/backports.list" ]; then
  echo "qemu-fetch: no Debian source for $codename found in apt's sources" >&2; exit 1
fi

opts=(-o "Dir::Etc::SourceList=/dev/null" -o "Dir::Etc::SourceParts=$APT/sources"
      -o "Dir::State::Lists=$APT/lists" -o "Dir::Cache=$APT/cache"
      -o "Dir::Cache::pkgcache=" -o "Dir::Cache::srcpkgcache="
      -o "APT::Sandbox::User=$(id -un)" -o "Debug::NoLocking=1" -qq)
apt-get "${opts[@]}" update >"$APT/update.log" 2>&1 || {
  echo "qemu-fetch: reading $codename-backports failed (see $APT/update.log)" >&2; exit 1; }
rm -f "$APT"/qemu-user_*.deb
(cd "$APT" && apt-get "${opts[@]}" download "qemu-user/$codename-backports" >"$APT/download.log" 2>&1) || {
  echo "qemu-fetch: downloading qemu-user failed (see $APT/download.log)" >&2; exit 1; }
rm -rf "$APT/unpacked"
dpkg-deb -x "$APT"/qemu-user_*.deb "$APT/unpacked"
install -m 755 "$APT/unpacked/usr/bin/qemu-i386" "$BIN.new"
if ! new_enough "$BIN.new"; then
  echo "qemu-fetch: $("$BIN.new" --version | head -n 1) is older than $MIN_MAJOR.$MIN_MINOR" >&2
  rm -f "$BIN.new"; exit 1
fi
mv "$BIN.new" "$BIN"
rm -rf "$APT/unpacked"
echo "$BIN"
