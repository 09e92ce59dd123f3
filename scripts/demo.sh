#!/usr/bin/env bash
# The main job on the built-in demo package: installs what is missing, builds
# the native tools and the Windows programs, makes the demo package with
# nvxpack, verifies and lists it, puts Setup.exe beside it and starts it under
# wine64 on a private X server.  A screenshot of the window is left in
# build/demo/setup.png; the program is closed with Escape.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

scripts/install-deps.sh
mkdir -p build
for config in native win64 win32; do
  echo "== build $config"
  scripts/build.sh "$config" >"build/$config.build.log" 2>&1 || { tail -50 "build/$config.build.log"; exit 1; }
done

package=build/demo/package
rm -rf build/demo
echo "== demo package"
scripts/make-demo-package.sh build/win64 build/native/tools/nvxpack/nvxpack "$package"
build/native/tools/nvxpack/nvxpack list "$package"
cp build/win64/app/Setup.exe "$package/"
scripts/check-pe.sh build/win32/app/Setup.exe i386

echo "== Setup.exe under wine64"
export WINEPREFIX="$root/build/demo/wineprefix"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  set -e
  /usr/lib/wine/wine64 wineboot --init >/dev/null 2>&1
  /usr/lib/wine/wine64 "$1" >/dev/null 2>&1 &
  setup=$!
  for _ in $(seq 60); do
    window=$(xdotool search --name "Nuvex Player" 2>/dev/null | head -n 1 || true)
    [ -n "$window" ] && break
    sleep 0.5
  done
  if [ -z "$window" ]; then echo "demo: the Setup window did not appear" >&2; kill $setup; exit 1; fi
  sleep 1
  import -window root "$2" 2>/dev/null || true
  echo "demo: window \"$(xdotool getwindowname "$window")\" shown; screenshot in $2"
  xdotool windowactivate --sync "$window" key Escape 2>/dev/null || true
  for _ in $(seq 20); do kill -0 $setup 2>/dev/null || break; sleep 0.5; done
  if kill -0 $setup 2>/dev/null; then kill $setup; fi
  /usr/lib/wine/wineserver -k || true
' demo "$package/Setup.exe" "$root/build/demo/setup.png"
echo "== demo done"
