#!/usr/bin/env bash
# A program started from a folder where someone planted DLLs under the names
# of system DLLs that Windows looks for beside the program first: none of them
# may be loaded.  Wine takes a DLL from the program's folder when the
# overrides allow the native one, as Windows would.
#   planted-dlls.sh WINE_RUN PROGRAM PLANTED_DLL [SECONDS]
set -euo pipefail
wine_run=$1 program=$2 planted=$3 seconds=${4:-8}
if [ -z "${DISPLAY:-}" ]; then exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"; fi
wine_run=$(realpath "$wine_run") program=$(realpath "$program") planted=$(realpath "$planted")
"$(dirname "$wine_run")/wine-loader.sh" "$program" >/dev/null || exit $?
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
cp "$program" "$folder/"
names=(version uxtheme dwmapi cryptbase propsys comctl32)
for name in "${names[@]}"; do cp "$planted" "$folder/$name.dll"; done
overrides=$(IFS=,; echo "${names[*]}")
# The program runs until it is closed: it is ended after a while, by which
# time it has made its window, its texts and their tooltips.
cd "$folder"
status=0
WINEDLLOVERRIDES="$overrides=n,b;mscoree,mshtml=" timeout -k 5 "$seconds" "$wine_run" "$folder/$(basename "$program")" \
  </dev/null >/dev/null 2>&1 || status=$?
loaded=$(cd "$folder" && ls -- *.loaded 2>/dev/null || true)
if [ -n "$loaded" ]; then
  echo "planted-dlls: $(basename "$program") loaded planted DLLs: $(echo $loaded | sed 's/\.loaded//g')" >&2
  exit 1
fi
# Still running when its time was up (124, or 137 when it had to be killed),
# as a program with its window is.
[ "$status" -eq 124 ] || [ "$status" -eq 137 ] || { echo "planted-dlls: $(basename "$program") ended early ($status)" >&2; exit 1; }
echo "planted-dlls: $(basename "$program") loaded none of ${names[*]} from its folder"
