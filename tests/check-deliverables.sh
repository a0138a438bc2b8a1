#!/usr/bin/env bash
# Checks the 32-bit deliverables in folder $1 without running them: each
# imports nothing but DLLs of Windows itself (no MinGW runtime), and LNKMAKE
# exports exactly FileLink, undecorated, removing its 4-byte argument.
set -euo pipefail
dist=$1
objdump=i686-w64-mingw32-objdump
status=0
fail() { echo "FAIL: $*"; status=1; }

system_dlls='^(kernel32|user32|gdi32|shell32|advapi32|ole32|oleaut32|winmm|comctl32|comdlg32|msvcrt|shlwapi)\.dll$'
shopt -s nullglob
deliverables=("$dist"/*.exe "$dist"/*.dll)
(( ${#deliverables[@]} )) || fail "no deliverables in $dist"
for file in "${deliverables[@]}"; do
  $objdump -f "$file" | grep -q 'file format pei-i386' || fail "$(basename "$file") is not a 32-bit program"
  while read -r dll; do
    [[ "${dll,,}" =~ $system_dlls ]] || fail "$(basename "$file") imports $dll"
  done < <($objdump -p "$file" | sed -n 's/^\s*DLL Name: //p')
  echo "ok: $(basename "$file") imports only system DLLs"
done

lnkmake="$dist/LNKMAKE.dll"
[[ -f "$lnkmake" ]] || fail "LNKMAKE.dll missing"
exports=$($objdump -p "$lnkmake" | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' | sed -n 's/^\s*\[\s*[0-9]*\]\s*//p')
[[ "$exports" == "FileLink" ]] || fail "LNKMAKE exports '$exports' instead of exactly FileLink"
# __stdcall with one 4-byte argument: the function returns with "ret $0x4".
$objdump -d "$lnkmake" | sed -n '/<FileLink@4>:\|<_FileLink@4>:/,/^$/p' | grep -q 'ret *\$0x4' \
  || fail "FileLink does not remove its 4-byte argument"
[[ $status -eq 0 ]] && echo "ok: LNKMAKE exports FileLink only, __stdcall"
exit $status
