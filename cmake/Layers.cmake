# The layers of the system: one static library each, linking only the layers
# below it.  nuvex_layer(NAME FOLDERS dir... [DEPENDS layer...] [LINKS layer...])
#   FOLDERS  the folders whose files form the layer
#   DEPENDS  layers whose headers the layer includes and whose code it links
#   LINKS    layers it only links (the platform's default window backend),
#            whose headers it must not include
#   CHECK_ONLY  no library: the folder's programs are built elsewhere, but
#            their includes are held to the table all the same
# Every layer becomes the target nuvex_<name>.  The table is written to
# <build>/layers.txt, where scripts/check-layers.py reads it to refuse an
# #include of a layer that is not below the including file's own.
include(${CMAKE_CURRENT_LIST_DIR}/Sources.cmake)

set_property(GLOBAL PROPERTY NUVEX_LAYER_TABLE "")

function(nuvex_layer name)
  cmake_parse_arguments(L "CHECK_ONLY" "" "FOLDERS;DEPENDS;LINKS" ${ARGN})
  string(REPLACE ";" "," folders "${L_FOLDERS}")
  string(REPLACE ";" "," depends_text "${L_DEPENDS}")
  string(REPLACE ";" "," links_text "${L_LINKS}")
  set_property(GLOBAL APPEND PROPERTY NUVEX_LAYER_TABLE "${name} ${folders} ${depends_text}- ${links_text}-")
  if(L_CHECK_ONLY)
    return()
  endif()
  nuvex_sources(sources ${L_FOLDERS})
  set(target nuvex_${name})
  list(TRANSFORM L_DEPENDS PREPEND nuvex_ OUTPUT_VARIABLE depends)
  list(TRANSFORM L_LINKS PREPEND nuvex_ OUTPUT_VARIABLE links)
  if(sources)
    add_library(${target} STATIC ${sources})
    target_include_directories(${target} PUBLIC ${CMAKE_SOURCE_DIR})
    target_link_libraries(${target} PUBLIC ${depends} ${links})
    if(WIN32)
      # System functions are called through their import entry points, which
      # delay-loading needs (cmake/DelayLoad.cmake).
      target_compile_definitions(${target} PUBLIC WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 DECLSPEC_IMPORT=)
    endif()
  else()
    # Nothing to build on this platform (the Win32 backend natively).
    add_library(${target} INTERFACE)
    target_include_directories(${target} INTERFACE ${CMAKE_SOURCE_DIR})
    target_link_libraries(${target} INTERFACE ${depends} ${links})
  endif()
endfunction()

# Writes the table: one line a layer, "name folders depends links", lists
# comma-separated and closed by "-".
function(nuvex_write_layer_table file)
  get_property(table GLOBAL PROPERTY NUVEX_LAYER_TABLE)
  list(JOIN table "\n" text)
  file(WRITE ${file} "${text}\n")
endfunction()
