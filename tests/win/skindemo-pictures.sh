#!/usr/bin/env bash
# Photographs the skin demo's player window in the base skin and in the
# sample skins Moss and Fern: SkinDemo.exe runs from a folder of its own with
# those skins beside it, keys switch the skin, and ImageMagick's import takes
# the window from the X server once its title names the skin.  The pictures
# keep the window's shape: what lies outside its region comes out black.
# Needs DISPLAY, Wine, xdotool and import.  An i386 program on a machine that
# cannot run it exits with 77, a skip.
#   skindemo-pictures.sh SKINDEMO_EXE SKINS_FOLDER OUTPUT_FOLDER
set -euo pipefail
exe=$1
skins=$2
out=$3
run="$out/skindemo-run"
wine=$("$(dirname "$0")/../../scripts/wine-loader.sh" "$exe") || exit $?
rm -rf "$run"
mkdir -p "$run/Skins"
cp "$exe" "$run/"
# Only skins that switch cleanly, so the ring's order does not matter and
# no error message can stand in front of the window.
for skin in Moss Fern; do
  [ -d "$skins/$skin" ] && cp -r "$skins/$skin" "$run/Skins/"
done
# Without a window manager a window that Wine manages waits for one at every
# hide and show, and takes no keys after it was shown again: Wine manages no
# window for this run, and forgets the setting afterwards.
x11_key='HKCU\Software\Wine\X11 Driver'
"$wine" reg add "$x11_key" /v Managed /d N /f >/dev/null 2>&1
forget='"'"$wine"'" reg delete "$x11_key" /v Managed /f >/dev/null 2>&1 || true'
trap "$forget" EXIT
"$wine" "$run/$(basename "$exe")" >"$out/skindemo.log" 2>&1 &
program=$!
trap 'kill "$program" 2>/dev/null || true; '"$forget" EXIT

# The id of the visible window whose title is exactly "Nuvex Player - $1".
find_window() {
  local title="Nuvex Player - $1" found
  for _ in $(seq 20); do
    found=$(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null | head -n 1 || true)
    [ -n "$found" ] && { window=$found; return 0; }
    sleep 0.25
  done
  return 1
}

# Without a window manager nobody gives the window the X focus: it is given
# before each key, and Wine is let see it before the key comes.
press() {
  xdotool windowfocus "$window" 2>/dev/null || true
  xdotool mousemove --window "$window" 30 20
  sleep 1
  xdotool key "$1"
}

photograph() {  # SKIN_NAME PICTURE_NAME
  sleep 1  # let it paint
  local picture="$out/skindemo-$2.png"
  rm -f "$picture"
  import -window "$window" "$picture"
  echo "skindemo-pictures: $picture ($(identify -format '%wx%h' "$picture"), $1)"
}

window=
for _ in $(seq 8); do find_window "Nuvex Player base skin" && break; done
[ -n "$window" ] || { echo "skindemo-pictures: the window did not appear" >&2; exit 1; }
photograph "Nuvex Player base skin" base
for skin in Moss Fern; do
  [ -d "$run/Skins/$skin" ] || continue
  found=
  for _ in 1 2 3; do  # the base skin and at most two skins in the ring
    press n
    if find_window "$skin"; then found=1; break; fi
  done
  [ -n "$found" ] || { echo "skindemo-pictures: N did not bring $skin" >&2; exit 1; }
  photograph "$skin" "$(echo "$skin" | tr '[:upper:]' '[:lower:]')"
done
press Escape
for _ in $(seq 40); do
  kill -0 "$program" 2>/dev/null || break
  sleep 0.25
done
if kill -0 "$program" 2>/dev/null; then
  echo "skindemo-pictures: Escape did not close the window" >&2
  exit 1
fi
wait "$program" || { cat "$out/skindemo.log"; exit 1; }
