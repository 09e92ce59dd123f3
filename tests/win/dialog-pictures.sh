#!/usr/bin/env bash
# Photographs the destination folder dialog in English and in Polish:
# win_tests holds the dialog open while ImageMagick's import takes its
# window from the X server.  Needs DISPLAY, Wine, xdotool and import.  An
# i386 program on a machine that cannot run it exits with 77, a skip.
#   dialog-pictures.sh WIN_TESTS_EXE OUTPUT_FOLDER
set -euo pipefail
tests_exe=$1
out=$2
mkdir -p "$out"
wine=$("$(dirname "$0")/../../scripts/wine-loader.sh" "$tests_exe") || exit $?
# Without a window manager nobody draws the title bar: Wine draws its own
# frames for these runs, and forgets the setting afterwards.
x11_key='HKCU\Software\Wine\X11 Driver'
"$wine" reg add "$x11_key" /v Decorated /d N /f >/dev/null 2>&1
trap '"$wine" reg delete "$x11_key" /v Decorated /f >/dev/null 2>&1 || true' EXIT
for language in en pl; do
  # The Polish caption's first word has a letter outside ASCII; match the rest.
  # The Polish run has a Polish system locale, so that the window system
  # reads the captions in the Polish code page.
  case $language in
    en) title="Select Destination Directory" locale=en_US.UTF-8 ;;
    pl) title="folder instalacyjny" locale=pl_PL.UTF-8 ;;
  esac
  picture="$out/choose-dir-$language.png"
  rm -f "$picture"
  LC_ALL=$locale NUVEX_PICTURE_SECONDS=8 NUVEX_PICTURE_LANGUAGE=$language \
    "$wine" "$tests_exe" --gtest_filter=ChooseDirectoryWin.StaysOpenToBePhotographed \
    >"$out/choose-dir-$language.log" 2>&1 &
  program=$!
  window=
  for _ in $(seq 60); do
    window=$(xdotool search --onlyvisible --name "$title" 2>/dev/null | head -n 1 || true)
    [ -n "$window" ] && break
    sleep 0.25
  done
  if [ -z "$window" ]; then
    echo "dialog-pictures: the $language dialog did not appear" >&2
    kill "$program" 2>/dev/null || true
    exit 1
  fi
  sleep 1  # let it paint
  import -window "$window" "$picture"
  wait "$program" || { cat "$out/choose-dir-$language.log"; exit 1; }
  grep -q "\[  PASSED  \] 1 test" "$out/choose-dir-$language.log" || { cat "$out/choose-dir-$language.log"; exit 1; }
  echo "dialog-pictures: $picture ($(identify -format '%wx%h' "$picture"))"
done
