#!/bin/bash
# Checks that every C++ source of the tree is formatted as .clang-format says (clang-format 14).
# Prints the files that are not and fails; changes nothing. Run from anywhere.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
format=$(command -v clang-format-14 || command -v clang-format || true)
if [ -z "$format" ]; then
  echo "check-format: clang-format 14 is not installed (apt-get install clang-format-14)" >&2
  exit 1
fi
count=$(git ls-files '*.cpp' '*.h' | wc -l)
# Each unformatted spot is reported as "<file>:<line>:<column>: error: ...".
bad=$(git ls-files -z '*.cpp' '*.h' |
      xargs -0 -n 40 "$format" --style=file --dry-run --Werror 2>&1 >/dev/null |
      sed -n 's/^\([A-Za-z0-9_./-]*\):[0-9][0-9]*:[0-9][0-9]*: error: .*/\1/p' | sort -u || true)
if [ -n "$bad" ]; then
  printf 'not formatted: %s\n' $bad >&2
  echo "check-format: $(wc -w <<<"$bad") of $count files differ; format them with" >&2
  echo "  $format -i --style=file <file>" >&2
  exit 1
fi
echo "check-format: $count files formatted"
