#!/usr/bin/env bash
# Runs a Windows program under Wine in the project's Wine prefix, quietly:
# an i386 program under Wine's 32-bit loader, anything else under wine64.
# Without a DISPLAY it starts a private X server for the one run.  On a
# machine that cannot run the 32-bit loader it says why and exits with 77,
# which CTest reads as a skip.
root=$(cd "$(dirname "$0")/.." && pwd)
export WINEPREFIX=${WINEPREFIX:-$root/build/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
loader=$("$root/scripts/wine-loader.sh" "${1:-}") || exit $?
mkdir -p "$WINEPREFIX"
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$loader" "$@"
fi
exec "$loader" "$@"
