#!/usr/bin/env bash
# Prints the Wine loader for a Windows program: /usr/lib/wine/wine for an
# i386 program, /usr/lib/wine/wine64 for anything else (also when the
# argument is no file, such as a built-in program's name).  For an i386
# program on a machine that cannot run it, it prints the reason on stderr
# and exits with 77, the exit status that CTest reads as a skip.
#   wine-loader.sh PROGRAM
root=$(cd "$(dirname "$0")/.." && pwd)
program=${1:-}
machine=""
if [ -f "$program" ]; then
  # The PE header's offset is at 0x3c; the machine follows the "PE\0\0" signature.
  offset=$(od -An -tu4 -j60 -N4 "$program" 2>/dev/null | tr -d ' ')
  [ -n "$offset" ] && machine=$(od -An -tx2 -j$((offset + 4)) -N2 "$program" 2>/dev/null | tr -d ' ')
fi
if [ "$machine" = 014c ]; then
  if ! reason=$("$root/scripts/runs-i386.sh"); then
    echo "skipped: $(basename "$program") is an i386 program, and $reason" >&2
    exit 77
  fi
  echo /usr/lib/wine/wine
else
  echo /usr/lib/wine/wine64
fi
