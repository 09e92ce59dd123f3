#!/usr/bin/env bash
# Runs a Windows program under wine64 in the project's Wine prefix, quietly.
# Without a DISPLAY it starts a private X server for the one run.
root=$(cd "$(dirname "$0")/.." && pwd)
export WINEPREFIX=${WINEPREFIX:-$root/build/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
mkdir -p "$WINEPREFIX"
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" /usr/lib/wine/wine64 "$@"
fi
exec /usr/lib/wine/wine64 "$@"
