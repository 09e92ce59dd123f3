# nuvex_sources(OUT dir...): the C++ files of the folders (not their
# sub-folders) that belong to this platform.  A file named *_win32.cpp is the
# Windows implementation and is built for Windows only; *_posix.cpp is a real
# POSIX implementation and *_standin.cpp a native stand-in that answers
# without a window system or registry; both are built elsewhere only.
# Everything else is portable.
function(nuvex_sources out)
  set(result)
  foreach(dir IN LISTS ARGN)
    file(GLOB files CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${dir}/*.cpp)
    foreach(f IN LISTS files)
      if(f MATCHES "_win32\\.cpp$" AND NOT WIN32)
        continue()
      endif()
      if(f MATCHES "_(posix|standin)\\.cpp$" AND WIN32)
        continue()
      endif()
      list(APPEND result ${f})
    endforeach()
  endforeach()
  set(${out} ${result} PARENT_SCOPE)
endfunction()
