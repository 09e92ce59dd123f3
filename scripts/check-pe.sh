#!/usr/bin/env bash
# Checks a Windows program: its machine, a GUI subsystem, and that it
# imports nothing but DLLs that every Windows system has; with --manifest
# also that it carries a manifest asking for administrator rights and the
# system's common controls.
#   check-pe.sh PROGRAM i386|x86-64 [--manifest]
set -euo pipefail
exe=$1 machine=$2 manifest=${3:-}
case "$machine" in
  i386) dump=i686-w64-mingw32-objdump; format=pei-i386 ;;
  x86-64) dump=x86_64-w64-mingw32-objdump; format=pei-x86-64 ;;
  *) echo "check-pe: unknown machine $machine" >&2; exit 2 ;;
esac
headers=$("$dump" -p "$exe")
grep -q "file format $format" <<<"$headers" || { echo "check-pe: $exe is not $format" >&2; exit 1; }
grep -Eq '^Subsystem[[:space:]]+0*2[[:space:]]' <<<"$headers" || { echo "check-pe: $exe is not a GUI program" >&2; exit 1; }
system='^(kernel32|user32|gdi32|shell32|advapi32|ole32|oleaut32|comctl32|comdlg32|msvcrt|shlwapi|version|winmm)\.dll$'
bad=0
while read -r dll; do
  if ! grep -Eqi "$system" <<<"$dll"; then
    echo "check-pe: $exe imports non-system DLL $dll" >&2
    bad=1
  fi
done < <(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$headers")
[ "$bad" -eq 0 ] || exit 1
if [ "$manifest" = --manifest ]; then
  # The manifest lies in the resources as plain text.
  for needed in 'level="requireAdministrator"' 'name="Microsoft.Windows.Common-Controls"' 'supportedOS Id='; do
    grep -aqF "$needed" "$exe" || { echo "check-pe: $exe has no manifest with $needed" >&2; exit 1; }
  done
fi
echo "check-pe: $exe: $format, GUI, imports: $(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$headers" | tr '\n' ' ')"
