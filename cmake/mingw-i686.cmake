set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86)
set(NUVEX_TRIPLE i686-w64-mingw32)
# Floating point in SSE2 registers, as on x86_64: the x87 unit keeps
# intermediates in 80 bits, so that a product meant to be rounded to double
# (the progress bar's done width at 35 % of 10 pixels: 3.5 in double, just
# under it in 80 bits) would round differently from the 64-bit build.
set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse")
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
