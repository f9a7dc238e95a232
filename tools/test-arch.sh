#!/usr/bin/env bash
# Prints the architecture of the build the scripts use when none is named: i686, the one that
# ships (where the kernel runs no 32-bit code it runs through qemu-user: tools/with-i386.sh).
# LORNIVAL_TEST_ARCH=i686|x86_64 overrides it; for `make test` it also picks the one suite to run.
echo "${LORNIVAL_TEST_ARCH:-i686}"
