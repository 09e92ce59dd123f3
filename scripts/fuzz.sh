#!/usr/bin/env bash
# Builds the fuzz configuration if needed and runs one libFuzzer target for as
# long as asked (docs/fuzzing.md).
#   fuzz.sh TARGET SECONDS [libFuzzer flags...]
# TARGET is a file name of fuzz/ without .cpp (index, extract, ini, skin, bmp,
# jpeg, form, manifest).  New corpus entries and crash inputs go to a scratch
# folder, NUVEX_FUZZ_WORK or a new /tmp/nuvex-fuzz-TARGET.XXXXXX (kept and
# grown when given); the build folder is NUVEX_FUZZ_BUILD or build/fuzz.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
target=${1:?usage: fuzz.sh TARGET SECONDS [libFuzzer flags...]}
seconds=${2:?usage: fuzz.sh TARGET SECONDS [libFuzzer flags...]}
shift 2
[ -f "$root/fuzz/$target.cpp" ] || { echo "fuzz.sh: no target '$target' in fuzz/" >&2; exit 2; }
build=${NUVEX_FUZZ_BUILD:-$root/build/fuzz}
"$root/scripts/build.sh" fuzz "$build" >"$build.build.log" 2>&1 || { tail -50 "$build.build.log" >&2; exit 1; }
work=${NUVEX_FUZZ_WORK:-$(mktemp -d "/tmp/nuvex-fuzz-$target.XXXXXX")}
echo "fuzz.sh: new corpus entries and crash inputs go to $work"
NUVEX_FUZZ_KEEP=1 exec bash "$root/fuzz/run-target.sh" "$build/fuzz/fuzz_$target" "$root/fuzz" "$target" \
  "$work" "$seconds" "$@"
