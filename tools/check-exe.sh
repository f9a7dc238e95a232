#!/usr/bin/env bash
# Checks the shipping executable: a 32-bit PE that is not marked large-address-aware and imports
# only DLLs every Windows has (static linking left no libstdc++, libgcc or winpthread DLL behind).
# Usage: tools/check-exe.sh <Lornival.exe>
set -euo pipefail
exe=$1
[ -f "$exe" ] || { echo "check-exe: $exe is missing"; exit 1; }
dump=$(i686-w64-mingw32-objdump -p "$exe")
grep -q 'Magic.*010b' <<<"$dump" || { echo "check-exe: not a 32-bit PE"; exit 1; }
chars=$(awk '/^Characteristics/ {print $2; exit}' <<<"$dump")
if (( chars & 0x20 )); then echo "check-exe: marked large-address-aware ($chars)"; exit 1; fi
status=0
while read -r dll; do
  case "${dll,,}" in
    kernel32.dll|user32.dll|gdi32.dll|advapi32.dll|comctl32.dll|comdlg32.dll|shell32.dll|ole32.dll|\
    oleaut32.dll|rpcrt4.dll|winmm.dll|msvcrt.dll|shlwapi.dll|uxtheme.dll|version.dll) ;;
    *) echo "check-exe: imports $dll, which Windows does not provide"; status=1 ;;
  esac
done < <(awk '/DLL Name:/ {print $3}' <<<"$dump")
[ $status -eq 0 ] && echo "check-exe: $exe is a self-contained 32-bit program (characteristics $chars)"
exit $status
