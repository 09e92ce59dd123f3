# Delay-loading of system DLLs.  The DLLs a program's import table names are
# loaded before its first line runs, while the search still looks in the
# program's folder first, where a downloaded package lets anyone put a DLL.
# So the import table names only kernel32, advapi32 and the C runtime, whose
# own imports come from the system folder everywhere (Wine's gdi32, user32,
# ole32, oleaut32, shell32 and comctl32 each load version.dll the ordinary
# way, which looks beside the program first).  Every other system DLL is
# delay-loaded: it is loaded at the first call of one of its functions, after
# the program has restricted the search (platform/DllSearch.h).
#
# binutils' delay-import libraries work on i686 only when a call goes through
# the library's entry point, not through the imported pointer that a
# dllimport declaration reads (that pointer is left empty, and the call jumps
# to 0); Windows builds therefore declare the system's functions without
# dllimport (DECLSPEC_IMPORT is defined empty in cmake/Layers.cmake).
#
#   nuvex_delay_load_library(DLL OUT_VAR)
# makes the delay-import library of DLL (a name without ".dll") with dlltool,
# from every function that the toolchain's import library of DLL names, and
# sets OUT_VAR to a target to link in place of DLL.  scripts/check-pe.sh
# checks the import table.
function(nuvex_delay_load_library dll out_var)
  set(target nuvex_delay_${dll})
  set(${out_var} ${target} PARENT_SCOPE)
  if(TARGET ${target})
    return()
  endif()
  find_library(NUVEX_IMPORT_LIBRARY_${dll} ${dll} REQUIRED)
  string(REGEX REPLACE "g\\+\\+(-posix)?$" "nm" nm ${CMAKE_CXX_COMPILER})
  string(REGEX REPLACE "g\\+\\+(-posix)?$" "dlltool" dlltool ${CMAKE_CXX_COMPILER})
  set(folder ${CMAKE_BINARY_DIR}/delayload)
  set(def ${folder}/${dll}.def)
  set(library ${folder}/lib${dll}_delay.a)
  set(kill_at "")
  if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    set(kill_at --kill-at)  # the symbols keep their "@n", the names looked up in the DLL do not
  endif()
  add_custom_command(OUTPUT ${library}
    COMMAND ${CMAKE_COMMAND} -DNM=${nm} -DIMPORT_LIBRARY=${NUVEX_IMPORT_LIBRARY_${dll}} -DDLL=${dll}
            -DSIZEOF_VOID_P=${CMAKE_SIZEOF_VOID_P} -DDEF=${def} -P ${CMAKE_SOURCE_DIR}/cmake/DelayLoadDef.cmake
    COMMAND ${dlltool} --input-def ${def} --dllname ${dll}.dll --output-delaylib ${library} ${kill_at}
    DEPENDS ${CMAKE_SOURCE_DIR}/cmake/DelayLoadDef.cmake ${NUVEX_IMPORT_LIBRARY_${dll}}
    COMMENT "Delay-import library of ${dll}.dll"
    VERBATIM)
  add_custom_target(${target}_library DEPENDS ${library})
  add_library(${target} INTERFACE)
  add_dependencies(${target} ${target}_library)
  target_link_libraries(${target} INTERFACE ${library})
endfunction()
