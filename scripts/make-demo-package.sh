#!/usr/bin/env bash
# Makes the demo installation package.
#   make-demo-package.sh BUILD_DIR NVXPACK OUTDIR
# BUILD_DIR  a Windows build (win64 or win32) whose demo/ folder holds
#            NuvexPlayer.exe and NuvexFilter.ax, and uninstaller/ Uninstall.exe
# NVXPACK    the nvxpack program of a native build, for example
#            build/native/tools/nvxpack/nvxpack
# OUTDIR     the package folder to fill (created if missing): "Setup.dat" and
#            the files it lists; other files in it are left alone
# Stages demo/demo.nvm with its payload and a freshly written sample film in a
# temporary folder, runs "nvxpack build" and then "nvxpack verify" on the
# result.  The film is made here, not kept in the repository: tens of
# megabytes, the same on every run (demo/make-sample-film.py).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
if [ $# -ne 3 ]; then
  echo "usage: make-demo-package.sh BUILD_DIR NVXPACK OUTDIR" >&2
  exit 2
fi
build_dir=$1 nvxpack=$2 outdir=$3

[ -x "$nvxpack" ] || { echo "make-demo-package: $nvxpack is not a program" >&2; exit 1; }
stage=$(mktemp -d "${TMPDIR:-/tmp}/nuvex-demo.XXXXXX")
trap 'rm -rf "$stage"' EXIT

cp "$root/demo/demo.nvm" "$root/demo/payload/"* "$stage/"
for program in demo/NuvexPlayer.exe uninstaller/Uninstall.exe demo/NuvexFilter.ax; do
  if [ ! -f "$build_dir/$program" ]; then
    echo "make-demo-package: $build_dir/$program is missing (build the Windows configuration first)" >&2
    exit 1
  fi
  cp "$build_dir/$program" "$stage/"
done
python3 "$root/demo/make-sample-film.py" "$stage/SampleFilm.bin"

"$nvxpack" build "$stage/demo.nvm" "$outdir"
"$nvxpack" verify "$outdir"
