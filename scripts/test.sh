#!/usr/bin/env bash
# Installs what is missing, builds every configuration and runs every test:
# natively, under AddressSanitizer + UndefinedBehaviorSanitizer, the fuzz
# targets, and the Windows programs on a private X server: the i686 ones (the
# release Setup.exe among them) under Wine's 32-bit side, the x86_64 ones
# under wine64.  Ends with CTest's summary of all of them.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

scripts/install-deps.sh
mkdir -p build
for config in native asan fuzz win64 win32; do
  echo "== build $config"
  scripts/build.sh "$config" >"build/$config.build.log" 2>&1 || { tail -50 "build/$config.build.log"; exit 1; }
done

# One X server and one persistent wineserver serve every Windows test.
export WINEPREFIX="$root/build/wineprefix"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
rm -rf "$WINEPREFIX"
mkdir -p "$WINEPREFIX"
display_file=$(mktemp)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$display_file" >/dev/null 2>&1 &
xvfb_pid=$!
cleanup() {
  /usr/lib/wine/wineserver -k >/dev/null 2>&1 || true
  kill "$xvfb_pid" >/dev/null 2>&1 || true
  rm -f "$display_file"
}
trap cleanup EXIT
for _ in $(seq 100); do [ -s "$display_file" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$display_file")"
echo "== wine prefix"
# The server and the prefix's services start here, detached from every test's
# output: a service started by a test would hold that test's output open.
/usr/lib/wine/wineserver -p </dev/null >/dev/null 2>&1 || { echo "test.sh: wineserver did not start" >&2; exit 1; }
/usr/lib/wine/wine64 wineboot --init </dev/null >/dev/null 2>&1 || { echo "test.sh: wineboot failed" >&2; exit 1; }
# One program run to the end before the tests: the prefix is then complete.
/usr/lib/wine/wine64 cmd.exe /c exit 0 </dev/null >/dev/null 2>&1 || { echo "test.sh: the Wine prefix cannot run programs" >&2; exit 1; }

cat > build/CTestTestfile.cmake <<'CT'
subdirs("native" "asan" "fuzz" "win64" "win32")
CT
# Where the i686 programs run, the x86_64 build runs its two test programs
# only: its end-to-end, picture and locale runs repeat the i686 ones, and the
# command stays within its time.  Where they cannot run, CTest reports the
# i686 runs as skipped with the reason, and the x86_64 build runs everything.
exclude=()
if i386_reason=$(scripts/runs-i386.sh); then
  exclude=(-E '^win64\.(setup_e2e_tests|setup_e2e_full_drive|win_dialog_pictures|win_skindemo_pictures|win_locale_.*|win_progress_estimate_.*)$')
  echo "== i686 programs run under Wine's 32-bit side"
else
  echo "== i686 programs cannot run here: $i386_reason"
fi
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=0}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
ctest --test-dir build --output-on-failure -j 2 "${exclude[@]}"
