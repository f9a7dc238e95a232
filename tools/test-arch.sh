#!/usr/bin/env bash
# Prints the Windows architecture whose programs Wine can run on this machine: i686 where the
# kernel executes 32-bit code (Wine's 32-bit loader starts), x86_64 where it does not (some
# virtual machines switch 32-bit emulation off; there only 64-bit Wine works). Lornival.exe
# ships as i686 either way; the tests and `make run` use the architecture printed here.
# LORNIVAL_TEST_ARCH overrides the probe.
if [ -n "${LORNIVAL_TEST_ARCH:-}" ]; then echo "$LORNIVAL_TEST_ARCH"; exit 0; fi
if [ -x /lib/ld-linux.so.2 ] && /lib/ld-linux.so.2 --version >/dev/null 2>&1; then
  echo i686
else
  echo x86_64
fi
