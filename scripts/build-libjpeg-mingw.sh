#!/usr/bin/env bash
# Builds the static IJG-API libjpeg for a mingw-w64 target from Debian's
# libjpeg-turbo source package.  Debian ships no mingw build of it.
#   build-libjpeg-mingw.sh ARCH PREFIX CACHE
# ARCH is x86_64 or i686; the library and headers are installed under PREFIX;
# the source package is fetched once into CACHE and shared by both targets.
set -euo pipefail
arch=$1 prefix=$2 cache=$3

if [ -f "$prefix/lib/libjpeg.a" ] && [ -f "$prefix/include/jpeglib.h" ]; then
  exit 0
fi

mkdir -p "$cache"
src=$(find "$cache" -maxdepth 1 -type d -name 'libjpeg-turbo-*' | head -n 1)
if [ -z "$src" ]; then
  (cd "$cache" && apt-get source --download-only -qq libjpeg-turbo >/dev/null \
     && dpkg-source --no-check -x libjpeg-turbo_*.dsc >/dev/null)
  src=$(find "$cache" -maxdepth 1 -type d -name 'libjpeg-turbo-*' | head -n 1)
fi
[ -n "$src" ] || { echo "build-libjpeg-mingw: no libjpeg-turbo source in $cache" >&2; exit 1; }

triple=$arch-w64-mingw32
work="$cache/build-$arch"
rm -rf "$work"
cmake -S "$src" -B "$work" -G Ninja \
  -DCMAKE_SYSTEM_NAME=Windows -DCMAKE_SYSTEM_PROCESSOR="$arch" \
  -DCMAKE_C_COMPILER="$triple-gcc-posix" -DCMAKE_RC_COMPILER="$triple-windres" \
  -DCMAKE_FIND_ROOT_PATH="/usr/$triple" \
  -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" \
  -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_TURBOJPEG=OFF -DWITH_SIMD=OFF \
  -DWITH_CRT_DLL=ON -DREQUIRE_SIMD=OFF >"$work.log" 2>&1 \
  || { cat "$work.log" >&2; exit 1; }
cmake --build "$work" --target jpeg-static >>"$work.log" 2>&1 || { tail -40 "$work.log" >&2; exit 1; }

mkdir -p "$prefix/lib" "$prefix/include"
cp "$work/libjpeg.a" "$prefix/lib/libjpeg.a"
cp "$src/jpeglib.h" "$src/jmorecfg.h" "$src/jerror.h" "$work/jconfig.h" "$prefix/include/"
