#!/usr/bin/env bash
# Runs setup_e2e_tests and turns the window pictures it wrote into PNG files.
#   run-e2e.sh WINE_RUN TESTS_EXE PICTURE_FOLDER [gtest arguments]
set -euo pipefail
wine_run=$1
tests_exe=$2
out=$3
shift 3
mkdir -p "$out"
# An i386 program on a machine that cannot run it: the reason, and 77.
"$(dirname "$wine_run")/wine-loader.sh" "$tests_exe" >/dev/null || exit $?
rm -f "$out"/setup-en.bmp "$out"/setup-pl.bmp
export NUVEX_E2E_PICTURES="Z:$out"
start=$(date +%s%N)
status=0
# Wine takes the system locale from LC_ALL when this program starts, and
# Setup.exe inherits it: the Polish case has a run of its own.  Output goes
# to files: a window the shell opened for an installed group may outlive the
# run, and it would hold a pipe open until the test's time is up.
english=$(mktemp) polish=$(mktemp)
# The full-drive cases run only where the test command has mapped that drive
# (NUVEX_E2E_ONLY=FullDrive); everywhere else they are left out.
if [ -n "${NUVEX_E2E_ONLY:-}" ]; then
  english_cases="*$NUVEX_E2E_ONLY*-*Polish*" polish_cases="*$NUVEX_E2E_ONLY*Polish*"
else
  english_cases="-*Polish*:*FullDrive*" polish_cases="*Polish*-*FullDrive*"
fi
LC_ALL=en_US.UTF-8 "$wine_run" "$tests_exe" --gtest_filter="$english_cases" "$@" </dev/null >"$english" 2>&1 || status=$?
cat "$english"
LC_ALL=pl_PL.UTF-8 "$wine_run" "$tests_exe" --gtest_filter="$polish_cases" "$@" </dev/null >"$polish" 2>&1 || status=1
cat "$polish"
# A skipped Polish case means the locale did not reach the program.
grep -aq "\[  PASSED  \] [1-9][0-9]* test" "$polish" && ! grep -aq "SKIPPED \]" "$polish" || status=1
rm -f "$english" "$polish"
echo "setup_e2e_tests: $(( ($(date +%s%N) - start) / 1000000 )) ms"
for language in en pl; do
  if [ -f "$out/setup-$language.bmp" ]; then
    convert "$out/setup-$language.bmp" "$out/setup-$language.png"
    rm -f "$out/setup-$language.bmp"
    echo "setup_e2e_tests: $out/setup-$language.png"
  fi
done
exit "$status"
