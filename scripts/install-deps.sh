#!/usr/bin/env bash
# Installs, on a Debian 12 machine, every package the builds and tests need.
# Idempotent: packages already present are left alone and apt is not asked again.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config dpkg-dev
  zlib1g-dev libjpeg62-turbo-dev googletest libgtest-dev libgmock-dev
  g++-mingw-w64-i686 g++-mingw-w64-x86-64 libz-mingw-w64-dev binutils-mingw-w64-x86-64
  wine64 xvfb xauth xdotool imagemagick file python3
  clang-16 libclang-rt-16-dev llvm-16 libpng-dev
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

# libjpeg for the Windows targets is built from Debian's source package, which
# needs a deb-src entry.
src_list=/etc/apt/sources.list.d/nuvex-deb-src.sources
need_update=0
if [ ! -f "$src_list" ]; then
  cat > "$src_list" <<'SRC'
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm bookworm-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SRC
  need_update=1
fi

if ((${#missing[@]})) || ((need_update)); then
  echo "install-deps: installing ${missing[*]:-(source index only)}"
  export DEBIAN_FRONTEND=noninteractive
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  $SUDO apt-get update -qq
  if ((${#missing[@]})); then
    $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
  fi
fi

# Wine's 32-bit side runs the i686 programs, where the kernel runs 32-bit
# code at all; elsewhere those runs are reported as skipped.
here=$(dirname "$0")
if reason=$("$here/runs-i386.sh" --kernel); then
  "$here/install-wine32.sh"
else
  echo "install-deps: $reason, so Wine's 32-bit side is left out and the i686 runs will be reported as skipped"
fi
