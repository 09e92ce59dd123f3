#!/usr/bin/env bash
# Runs one fuzz target: its regression inputs once each, then its seed corpus
# and SECONDS of fuzzing.  New corpus entries and crash inputs go to WORK
# (emptied first unless NUVEX_FUZZ_KEEP=1), never into the repository.
#   run-target.sh FUZZER FUZZ_SOURCE_DIR TARGET WORK SECONDS [libFuzzer flags...]
# Per-target flags (-max_len, -dict) are read from FUZZ_SOURCE_DIR/options/TARGET.
set -euo pipefail
fuzzer=$1 src=$2 target=$3 work=$4 seconds=$5
shift 5
[ "${NUVEX_FUZZ_KEEP:-0}" = 1 ] || rm -rf "$work"
mkdir -p "$work/corpus" "$work/artifacts"
# The targets write their input to files: on a memory file system they run
# several times faster.
if [ -z "${NUVEX_FUZZ_TMPDIR:-}" ] && [ -d /dev/shm ] && [ -w /dev/shm ]; then
  NUVEX_FUZZ_TMPDIR=/dev/shm
fi
export TMPDIR=${NUVEX_FUZZ_TMPDIR:-${TMPDIR:-/tmp}}
flags=()
if [ -f "$src/options/$target" ]; then
  while read -r line; do
    [ -n "$line" ] && flags+=("${line//@FUZZ@/$src}")
  done <"$src/options/$target"
fi
flags+=(-timeout=10 -artifact_prefix="$work/artifacts/")

shopt -s nullglob
regressions=("$src/regressions/$target"/*)
if ((${#regressions[@]})); then
  echo "== $target: ${#regressions[@]} regression inputs"
  "$fuzzer" "${flags[@]}" "${regressions[@]}"
fi
echo "== $target: seed corpus and $seconds s of fuzzing"
exec "$fuzzer" "${flags[@]}" -max_total_time="$seconds" -print_final_stats=1 "$@" \
  "$work/corpus" "$src/corpus/$target"
