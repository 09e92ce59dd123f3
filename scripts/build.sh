#!/usr/bin/env bash
# Configures and builds one of the project's configurations.
#   build.sh native|asan|fuzz|win64|win32 [BUILD_DIR]
#   native  the portable core, tools and tests with GCC
#   asan    the same under AddressSanitizer and UndefinedBehaviorSanitizer
#   fuzz    the libFuzzer targets (fuzz/) with clang-16 under ASan and UBSan
#   win64   everything for Windows x86_64 (tests run under wine64)
#   win32   everything for Windows i686, with the release program's settings
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
config=${1:?usage: build.sh native|asan|fuzz|win64|win32 [BUILD_DIR]}
dir=${2:-$root/build/$config}
# Unity builds: a batch of sources is compiled as one, so headers (GoogleTest,
# <windows.h>, the standard library) are read once a batch, not once a file.
# The builds take a fraction of the time.
args=(-G Ninja -DNUVEX_TEST_TAG="$config" -DCMAKE_UNITY_BUILD=ON)
# Line tables are enough for the backtraces we read, and build faster than full debug information.
lines_only=("-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O2 -g1 -DNDEBUG" "-DCMAKE_C_FLAGS_RELWITHDEBINFO=-O2 -g1 -DNDEBUG")
case "$config" in
  native) args+=(-DCMAKE_BUILD_TYPE=RelWithDebInfo "${lines_only[@]}") ;;
  # The sanitized tests run in seconds; their build is what costs, and -O1
  # with line tables compiles about twice as fast as -O2 -g.
  asan)   args+=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DNUVEX_SANITIZE=ON -DNUVEX_BENCHMARKS=OFF
                 "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O1 -g1 -DNDEBUG" "-DCMAKE_C_FLAGS_RELWITHDEBINFO=-O1 -g1 -DNDEBUG") ;;
  fuzz)   args+=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang-16 -DCMAKE_CXX_COMPILER=clang++-16
                 -DNUVEX_FUZZ=ON -DNUVEX_BENCHMARKS=OFF "${lines_only[@]}") ;;
  win64)  args+=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-x86_64.cmake" "${lines_only[@]}") ;;
  # The Setup.exe that ships, and the tests and benchmarks that run it, are
  # built here with the same settings.
  # -O2 as for x86_64: at -O3 GCC 12 reports overlaps that cannot happen in
  # the std::string copies it inlines (-Wrestrict).
  win32)  args+=(-DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake"
                 "-DCMAKE_CXX_FLAGS_RELEASE=-O2 -DNDEBUG" "-DCMAKE_C_FLAGS_RELEASE=-O2 -DNDEBUG") ;;
  *) echo "build.sh: unknown configuration '$config'" >&2; exit 2 ;;
esac
mkdir -p "$(dirname "$dir")"
if [ ! -f "$dir/build.ninja" ]; then
  cmake -S "$root" -B "$dir" "${args[@]}" >"$dir.configure.log" 2>&1 || { cat "$dir.configure.log" >&2; exit 1; }
fi
cmake --build "$dir" -j "$(nproc)"
