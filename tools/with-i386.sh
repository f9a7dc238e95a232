#!/usr/bin/env bash
# Runs a command where 32-bit Linux programs (Wine's 32-bit loader, and through it the i686
# Lornival.exe and its tests) can run. Where the kernel runs them itself, or something else
# already makes them run, the command just runs. Otherwise qemu-i386 (tools/qemu-fetch.sh, kept in
# <build root>/qemu) is registered with binfmt_misc for as long as the command runs.
#
# Runs that overlap share one registration: each live run leaves a holder file named after its
# process id in $STATE/holders; the last one to finish removes the registration (and unmounts
# binfmt_misc if a run mounted it). A registration that was there before any run, or that is not
# the one these runs created, is never removed. A run killed outright leaves its holder behind;
# the next run drops it and cleans up after itself.
# Under qemu-user, Wine reports an access violation as an "illegal instruction" (QEMU gives it no
# trap number): read a crash report of that kind as an access violation.
# Usage: tools/with-i386.sh <build root> <command> [args...]
set -euo pipefail
TOP=$(cd "$(dirname "$0")/.." && pwd)
ROOT=$(realpath -m "${1:?usage: with-i386.sh <build root> <command> [args...]}")
shift
STATE=${LORNIVAL_I386_STATE:-/run/lornival-i386}
BINFMT=/proc/sys/fs/binfmt_misc
NAME=lornival-i386
ENTRY="$BINFMT/$NAME"
# The i386 ELF header prefix (executables and shared objects) and its mask, as QEMU gives them.
MAGIC='\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00'
MASK='\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff'

runs_i386() { [ -x /lib/ld-linux.so.2 ] && /lib/ld-linux.so.2 --version >/dev/null 2>&1; }

drop_dead_holders() {
  local h
  for h in "$STATE"/holders/*; do
    [ -e "$h" ] || continue
    kill -0 "$(basename "$h")" 2>/dev/null || rm -f "$h"
  done
}

# With the lock held: removes this run's holder; the last holder removes what the runs created.
release() {
  rm -f "$STATE/holders/$$"
  drop_dead_holders
  if [ -n "$(ls -A "$STATE/holders" 2>/dev/null)" ]; then return 0; fi
  if [ -f "$STATE/registered" ] && [ -e "$ENTRY" ]; then echo -1 >"$ENTRY" || true; fi
  rm -f "$STATE/registered"
  if [ -f "$STATE/mounted" ]; then umount "$BINFMT" 2>/dev/null || true; rm -f "$STATE/mounted"; fi
}

# Fast path: nothing to set up and nothing to hold.
if [ ! -e "$ENTRY" ] && runs_i386; then exec "$@"; fi
if [ "$(id -u)" -ne 0 ]; then
  echo "with-i386: this kernel runs no 32-bit code; registering qemu-i386 with binfmt_misc needs" \
       "root (or register it once by hand)" >&2
  exit 1
fi

# Fetched before taking the lock: it may take a while and needs no coordination.
QEMU=$("$TOP/tools/qemu-fetch.sh" "$ROOT/qemu")
mkdir -p "$STATE/holders"
exec 8>"$STATE/lock"
flock 8
drop_dead_holders
if [ ! -e "$ENTRY" ] && runs_i386; then
  # Came to work meanwhile through a registration of someone else's: use it, hold nothing.
  flock -u 8; exec 8>&-
  exec "$@"
fi
touch "$STATE/holders/$$"
trap 'flock 8; release' EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
if [ ! -e "$ENTRY" ]; then
  if [ ! -e "$BINFMT/register" ]; then
    mount -t binfmt_misc binfmt_misc "$BINFMT"
    touch "$STATE/mounted"
  fi
  # F: the kernel opens the interpreter now, so it works inside any root and survives a rebuild.
  printf ':%s:M::%s:%s:%s:F' "$NAME" "$MAGIC" "$MASK" "$QEMU" >"$BINFMT/register"
  touch "$STATE/registered"
fi
flock -u 8
if ! runs_i386; then echo "with-i386: 32-bit programs do not start even through $QEMU" >&2; exit 1; fi
# Without the lock's descriptor: a Wine server started by the command outlives it and would
# otherwise keep the lock held.
status=0
"$@" 8>&- || status=$?
exit "$status"
