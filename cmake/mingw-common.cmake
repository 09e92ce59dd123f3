# The -posix compilers: their libstdc++ has std::thread and friends, which
# googletest needs.  Everything is linked statically so that the programs
# import nothing but system DLLs.
set(CMAKE_C_COMPILER ${NUVEX_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${NUVEX_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${NUVEX_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${NUVEX_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run.sh)
