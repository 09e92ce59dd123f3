# nuvex_sources(OUT dir...): the C++ files of the folders that belong to this
# platform.  A file named *_win32.cpp is for Windows only, *_posix.cpp for the
# other platforms only; everything else is portable.
function(nuvex_sources out)
  set(result)
  foreach(dir IN LISTS ARGN)
    file(GLOB_RECURSE files CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${dir}/*.cpp)
    foreach(f IN LISTS files)
      if(f MATCHES "_win32\\.cpp$" AND NOT WIN32)
        continue()
      endif()
      if(f MATCHES "_posix\\.cpp$" AND WIN32)
        continue()
      endif()
      list(APPEND result ${f})
    endforeach()
  endforeach()
  set(${out} ${result} PARENT_SCOPE)
endfunction()
