#!/usr/bin/env bash
# Checks a Windows program: its machine, a GUI subsystem, and that its import
# table names only kernel32, advapi32 and the C runtime: DLLs that Windows
# always takes from its own folder, and whose own imports come from there
# too, also under Wine.  Any other DLL would be looked for beside the program
# first, before the program's first line could restrict the search, so it
# must be delay-loaded (cmake/DelayLoad.cmake).  With --manifest also that it
# carries a manifest asking for administrator rights and the system's common
# controls; with --restricted also that it restricts the DLL search itself
# (platform/DllSearch.h: it imports SetDllDirectoryA).
#   check-pe.sh PROGRAM i386|x86-64 [--manifest] [--restricted]
set -euo pipefail
exe=$1 machine=$2
shift 2
manifest="" restricted=""
for option in "$@"; do
  case "$option" in
    --manifest) manifest=1 ;;
    --restricted) restricted=1 ;;
    *) echo "check-pe: unknown option $option" >&2; exit 2 ;;
  esac
done
case "$machine" in
  i386) dump=i686-w64-mingw32-objdump; format=pei-i386 ;;
  x86-64) dump=x86_64-w64-mingw32-objdump; format=pei-x86-64 ;;
  *) echo "check-pe: unknown machine $machine" >&2; exit 2 ;;
esac
headers=$("$dump" -p "$exe")
grep -q "file format $format" <<<"$headers" || { echo "check-pe: $exe is not $format" >&2; exit 1; }
grep -Eq '^Subsystem[[:space:]]+0*2[[:space:]]' <<<"$headers" || { echo "check-pe: $exe is not a GUI program" >&2; exit 1; }
known='^(kernel32|advapi32|msvcrt)\.dll$'
dlls=$(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$headers")
bad=0
while read -r dll; do
  if ! grep -Eqi "$known" <<<"$dll"; then
    echo "check-pe: $exe imports $dll, which may come from the program's folder or pull in a DLL from there: delay-load it" >&2
    bad=1
  fi
done <<<"$dlls"
[ "$bad" -eq 0 ] || exit 1
if [ -n "$restricted" ]; then
  # The functions each DLL gives, listed under its name.
  kernel=$(awk '/DLL Name:/ { inside = tolower($3) == "kernel32.dll"; next } inside && NF >= 3 && $1 ~ /^[0-9a-f]+$/ { print $3 }' <<<"$headers")
  grep -qx SetDllDirectoryA <<<"$kernel" || { echo "check-pe: $exe does not restrict its DLL search" >&2; exit 1; }
fi
if [ -n "$manifest" ]; then
  # The manifest lies in the resources as plain text.
  for needed in 'level="requireAdministrator"' 'name="Microsoft.Windows.Common-Controls"' 'supportedOS Id='; do
    grep -aqF "$needed" "$exe" || { echo "check-pe: $exe has no manifest with $needed" >&2; exit 1; }
  done
fi
echo "check-pe: $exe: $format, GUI, imports: $(tr '\n' ' ' <<<"$dlls")"
