#!/usr/bin/env bash
# The main job on the built-in demo package: installs what is missing, builds
# the native tools and the Windows programs, makes the demo package with
# nvxpack, verifies and lists it, puts the release Setup.exe (i686) beside it
# and installs it under Wine's 32-bit side as a user would: the window, the folder dialog opened and
# cancelled, the install button, the progress bar, the success message
# confirmed with Return.  Then it lists and checks what was installed: the
# files, the three Start-menu shortcuts and the filter's registration.  Any of
# them missing fails the demo.  Pictures of each step land in build/demo/.
# Runs on a private X server unless DISPLAY is set.  On a machine that cannot
# run 32-bit code the x86_64 build of every program stands in, under wine64,
# and the demo says so.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
started=$SECONDS

scripts/install-deps.sh
# The package's programs and Setup.exe come from the build that runs here, and
# only that one is built.  A 32-bit program's system folder is syswow64 on a
# 64-bit system.
if i386_reason=$(scripts/runs-i386.sh); then
  win=win32 wine=/usr/lib/wine/wine system_dir=windows/syswow64
else
  win=win64 wine=/usr/lib/wine/wine64 system_dir=windows/system32
fi
mkdir -p build
for config in native "$win"; do
  echo "== build $config"
  scripts/build.sh "$config" >"build/$config.build.log" 2>&1 || { tail -50 "build/$config.build.log"; exit 1; }
done

demo=$root/build/demo
package=$demo/package
# A clean Wine prefix is kept for the next run: booting one takes longer than
# copying it.
clean_prefix=$demo/wine-clean
mkdir -p "$demo"
find "$demo" -mindepth 1 -maxdepth 1 ! -name wine-clean -exec rm -rf {} +
echo "== demo package"
scripts/make-demo-package.sh "build/$win" build/native/tools/nvxpack/nvxpack "$package"
build/native/tools/nvxpack/nvxpack list "$package"
cp "build/$win/app/Setup.exe" "$package/"
scripts/check-pe.sh build/win32/app/Setup.exe i386

if [ "$win" = win32 ]; then
  echo "== the release Setup.exe (i686) under Wine's 32-bit side"
else
  echo "== Setup.exe under wine64: $i386_reason, so the x86_64 build stands in for the release program"
fi
export WINEDEBUG=-all
# No Mono or Gecko prompts, and no menu entries on the host for the shortcuts.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
# The installer speaks the system's language; the demo checks English texts.
export LC_ALL=C.UTF-8
# Message texts (installer/Messages.cpp, English) and the dialog's caption.
window_caption='"Nuvex Player" Installation Program'  # 100
dialog_caption='Select Destination Directory'         # 108
done_caption='Information' done_text='Installation successful'  # 5, 104
failed_caption='Error'                                # 4

xserver=
cleanup() {
  if [ -n "${WINEPREFIX:-}" ]; then /usr/lib/wine/wineserver -k 2>/dev/null || true; fi
  if [ -n "$xserver" ]; then kill "$xserver" 2>/dev/null || true; fi
}
trap cleanup EXIT
if [ -z "${DISPLAY:-}" ]; then
  display_file=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$display_file" >/dev/null 2>&1 &
  xserver=$!
  for _ in $(seq 100); do [ -s "$display_file" ] && break; sleep 0.1; done
  [ -s "$display_file" ] || { echo "demo: Xvfb did not start" >&2; exit 1; }
  export DISPLAY=":$(head -n 1 "$display_file")"
  rm -f "$display_file"
fi

if [ ! -f "$clean_prefix/.demo-ready" ]; then
  echo "demo: a new Wine prefix (once)"
  rm -rf "$clean_prefix"
  export WINEPREFIX=$clean_prefix
  "$wine" wineboot --init >/dev/null 2>&1
  # Wine draws the windows' frames itself, so that the pictures show their
  # captions with or without a window manager.
  "$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1
  /usr/lib/wine/wineserver -w
  touch "$clean_prefix/.demo-ready"
fi
export WINEPREFIX=$demo/wineprefix
cp -a "$clean_prefix" "$WINEPREFIX"
drive_c=$WINEPREFIX/drive_c

fail() { echo "demo: $*" >&2; exit 1; }
# The first visible window of the Setup process with exactly this caption.
find_window() { xdotool search --all --onlyvisible --pid "$setup" --name "^$1\$" 2>/dev/null | head -n 1 || true; }
wait_window() {  # CAPTION SECONDS
  local window=
  for _ in $(seq $(($2 * 10))); do
    window=$(find_window "$1")
    [ -n "$window" ] && break
    kill -0 "$setup" 2>/dev/null || break
    sleep 0.1
  done
  echo "$window"
}
geometry() {  # WINDOW: sets X Y WIDTH HEIGHT
  local line
  while IFS= read -r line; do
    case $line in X=* | Y=* | WIDTH=* | HEIGHT=*) printf -v "${line%%=*}" %s "${line#*=}" ;; esac
  done < <(xdotool getwindowgeometry --shell "$1")
}
# A picture of the screen area that holds the given windows, 8 pixels around.
photograph_windows() {  # FILE WINDOW...
  local file=$1 left=100000 top=100000 right=0 bottom=0 shown
  shift
  for shown in "$@"; do
    geometry "$shown"
    ((X < left)) && left=$X; ((Y < top)) && top=$Y
    ((X + WIDTH > right)) && right=$((X + WIDTH)); ((Y + HEIGHT > bottom)) && bottom=$((Y + HEIGHT))
  done
  left=$((left > 8 ? left - 8 : 0)) top=$((top > 8 ? top - 8 : 0))
  import -window root -crop "$((right - left + 8))x$((bottom - top + 8))+$left+$top" +repage "$file"
}
# Red and navy pixels along one row inside the progress bar (client 80,195
# 225x18 in resources/forms/RunInstallForm.nfd), above its percent text.
bar_pixels() {
  convert "$1" -crop 221x1+82+197 +repage -format %c histogram:info:- |
    awk '/#FF0000/ { red = $1 } /#000080/ { navy = $1 } END { printf "%d %d\n", red, navy }'
}
read_back() { "$wine" "$root/build/$win/demo/DemoReadBack.exe" "$@" | tr -d '\r'; }

"$wine" "$package/Setup.exe" >/dev/null 2>&1 &
setup=$!
window=$(wait_window "$window_caption" 60)
[ -n "$window" ] || fail "the Setup window did not appear"
sleep 1  # its first paint
import -window "$window" "$demo/setup-start.png"
echo "demo: window \"$window_caption\" shown"

# The destination folder text opens the folder dialog; Cancel keeps the folder.
xdotool mousemove --window "$window" 150 237 click 1
dialog=$(wait_window "$dialog_caption" 20)
[ -n "$dialog" ] || fail "the folder dialog did not open"
sleep 0.5
photograph_windows "$demo/setup-folder-dialog.png" "$window" "$dialog"
echo "demo: dialog \"$dialog_caption\" opened"
# A folder typed over the offered one, then Cancel: the install must still go
# to the default folder (checked with the installed files below).  The edit
# box lies at client 8,8 369x21 and Cancel at 224,256 75x25 of the 384x285
# client area (resources/forms/ChooseDirForm.nfd); the frame is as wide below
# as aside.
geometry "$dialog"
border=$(((WIDTH - 384) / 2))
xdotool mousemove --window "$dialog" $((border + 300)) $((HEIGHT - border - 285 + 18)) click 1
# Keys through the X server's test extension (no --window): Wine ignores the
# synthetic events that xdotool sends to a named window.  The click gave the
# edit box the focus.
xdotool key End
xdotool type --delay 50 'Elsewhere'
sleep 0.5
dialog_text=$(read_back dialog-text "$dialog_caption" || true)
grep -q '^Edit: .*Elsewhere$' <<<"$dialog_text" || { echo "$dialog_text" >&2; fail "the typed folder did not reach the dialog"; }
xdotool mousemove --window "$dialog" $((border + 261)) $((HEIGHT - border - 285 + 268)) click 1
for _ in $(seq 50); do [ -z "$(find_window "$dialog_caption")" ] && break; sleep 0.1; done
[ -z "$(find_window "$dialog_caption")" ] || fail "Cancel did not close the folder dialog"
echo "demo: dialog closed with Cancel"

# The install button.  The window takes no input while files are placed, so
# frames are taken until the message box appears and the best kept: the bar
# shown and as near half full as caught.
frames=$demo/frames
mkdir -p "$frames"
xdotool mousemove --window "$window" 193 82 click 1
install_started=$(date +%s%N)
box= failed= count=0
for _ in $(seq 1200); do
  count=$((count + 1))
  import -window "$window" "$frames/$count.png" 2>/dev/null || true
  box=$(find_window "$done_caption")
  failed=$(find_window "$failed_caption")
  [ -n "$box$failed" ] && break
  kill -0 "$setup" 2>/dev/null || break
done
if [ -n "$failed" ]; then read_back dialog-text "$failed_caption" >&2 || true; fail "the installation failed"; fi
[ -n "$box" ] || fail "no \"$done_caption\" message box after the installation"
elapsed=$((($(date +%s%N) - install_started) / 100000000))
echo "demo: files placed in $((elapsed / 10)).$((elapsed % 10)) s"
best= best_distance=1000 shown=0
for frame in "$frames"/*.png; do
  read -r red navy < <(bar_pixels "$frame")
  ((red + navy > 180)) || continue
  shown=$((shown + 1))
  distance=$((red > navy ? red - navy : navy - red))
  ((distance < best_distance)) && { best=$frame best_distance=$distance; }
done
[ -n "$best" ] || fail "the progress bar was in none of $count pictures taken during the installation"
cp "$best" "$demo/setup-progress.png"
rm -rf "$frames"
echo "demo: progress bar in $shown of $count pictures"

# The installer opens the new Start-menu group in a shell window, which can
# come up over the box: wait a moment for it, then bring the installer and
# its box to the front for their picture.
group_window=
for _ in $(seq 50); do
  group_window=$(xdotool search --onlyvisible --name '^Nuvex Player$' 2>/dev/null | head -n 1 || true)
  [ -n "$group_window" ] && break
  sleep 0.1
done
xdotool windowraise "$window" windowraise "$box"
sleep 0.5
photograph_windows "$demo/setup-success.png" "$window" "$box" $group_window
text=$(read_back dialog-text "$done_caption") || fail "cannot read the message box"
echo "$text" | sed 's/^/demo: message box: /'
grep -qx "Static: $done_text" <<<"$text" || fail "the message box does not say \"$done_text\""
# A click on the box (not on its button) makes it the active window; Return
# then presses its default button.
geometry "$box"
xdotool mousemove --window "$box" 20 $((HEIGHT / 3)) click 1
sleep 0.3
xdotool key Return
for _ in $(seq 150); do kill -0 "$setup" 2>/dev/null || break; sleep 0.1; done
kill -0 "$setup" 2>/dev/null && fail "Setup.exe still runs after its message box was confirmed"
status=0
wait "$setup" || status=$?
((status == 0)) || fail "Setup.exe ended with exit code $status"
echo "demo: confirmed with Return; Setup.exe ended (exit code 0)"

echo "== what was installed"
destination="$drive_c/Program Files/Nuvex Player 2.6 XP"
echo "C:\\Program Files\\Nuvex Player 2.6 XP"
if [ -d "$destination" ]; then
  (cd "$destination" && find . -type f -printf '  %P  %s bytes\n' | sort)
fi
# Every record of demo/demo.nvm against the file it came from.
film=$demo/film.bin
python3 demo/make-sample-film.py "$film"
missing=0
while IFS='|' read -r installed original; do
  if ! cmp -s "$drive_c/$installed" "$original"; then
    echo "demo: C:/$installed is missing or differs from ${original#"$root"/}" >&2
    missing=1
  fi
done <<EOF
Program Files/Nuvex Player 2.6 XP/NuvexPlayer.exe|$root/build/$win/demo/NuvexPlayer.exe
Program Files/Nuvex Player 2.6 XP/NuvexPlayer.chm|$root/demo/payload/NuvexPlayer.chm
Program Files/Nuvex Player 2.6 XP/Uninstall.exe|$root/build/$win/uninstaller/Uninstall.exe
Program Files/Nuvex Player 2.6 XP/Samples/Sample film.bin|$film
$system_dir/NuvexFilter.ax|$root/build/$win/demo/NuvexFilter.ax
Temp/NuvexPlayer-ReadMe.txt|$root/demo/payload/ReadMe.txt
EOF
rm -f "$film"
((missing == 0)) || fail "files are missing"
echo "  every file of the package is in place and equals its original"

echo "Start-menu group \"Nuvex Player\""
shortcuts=$(read_back shortcuts "Nuvex Player") || { echo "$shortcuts"; fail "shortcuts missing or broken"; }
echo "$shortcuts" | sed 's/^/  /'
for name in "Nuvex Player 2.6" "Help - version 2.6" "Uninstall - version 2.6"; do
  grep -q "^  $name\.lnk -> " <<<"$shortcuts" || fail "no shortcut \"$name\""
done

echo "Registration"
# RegSvr32 runs on its own; give it a moment.
for _ in $(seq 50); do read_back registration >/dev/null && break; sleep 0.2; done
registration=$(read_back registration) || { echo "  $registration"; fail "the filter was not registered"; }
echo "  $registration"
# The registered file is the copy the package installed into the system folder.
registered=${registration#the filter is registered: }
registered=${registered//\\//}
folder=${registered%/*}
folder=${folder,,}
folder=${folder#c:/}
[ "$win" = win32 ] && folder=${folder/#windows\/system32/windows\/syswow64}
[ "$folder/${registered##*/}" = "$system_dir/NuvexFilter.ax" ] ||
  fail "the registered filter $registered is not the installed copy in $system_dir"

echo "== demo done in $((SECONDS - started)) s; pictures in build/demo:"
for picture in setup-start setup-folder-dialog setup-progress setup-success; do
  echo "  $picture.png"
done
