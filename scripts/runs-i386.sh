#!/usr/bin/env bash
# Answers whether this machine runs the i686 Windows programs: the kernel
# must run 32-bit code (a tiny static i386 program is started to find out;
# some kernels and virtual machines have no 32-bit mode) and Wine's 32-bit
# side must be installed.  Exit 0 when both hold; otherwise exit 1 and print
# the reason on one line.
#   runs-i386.sh [--kernel]   --kernel asks about the kernel only
set -u
probe_dir=$(mktemp -d)
trap 'rm -rf "$probe_dir"' EXIT
cat >"$probe_dir/probe.s" <<'ASM'
.globl _start
_start:
  movl $1, %eax   # exit
  movl $32, %ebx  # with 32
  int $0x80
ASM
if ! as --32 "$probe_dir/probe.s" -o "$probe_dir/probe.o" 2>/dev/null \
   || ! ld -m elf_i386 "$probe_dir/probe.o" -o "$probe_dir/probe" 2>/dev/null; then
  echo "no i386 assembler and linker (binutils) to probe the kernel with"
  exit 1
fi
"$probe_dir/probe" 2>/dev/null
status=$?
if [ "$status" -ne 32 ]; then
  echo "this machine's kernel cannot run 32-bit code (a static i386 program could not start, exit status $status)"
  exit 1
fi
[ "${1:-}" = --kernel ] && exit 0
if [ ! -x /usr/lib/wine/wine ]; then
  echo "Wine's 32-bit side (wine32:i386) is not installed"
  exit 1
fi
exit 0
