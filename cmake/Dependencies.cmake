# zlib and the IJG libjpeg API.  Natively both come from Debian's -dev
# packages; for mingw, zlib comes from libz-mingw-w64-dev and libjpeg is built
# from Debian's libjpeg-turbo source package into the build folder.
if(WIN32)
  set(_triple ${CMAKE_SYSTEM_PROCESSOR})
  if(_triple STREQUAL "x86")
    set(_triple i686)
  endif()
  set(_jpeg_prefix ${CMAKE_BINARY_DIR}/deps/libjpeg)
  execute_process(
    COMMAND ${CMAKE_SOURCE_DIR}/scripts/build-libjpeg-mingw.sh ${_triple} ${_jpeg_prefix}
            ${CMAKE_SOURCE_DIR}/build/deps-src
    RESULT_VARIABLE _jpeg_rc)
  if(NOT _jpeg_rc EQUAL 0)
    message(FATAL_ERROR "libjpeg for ${_triple} could not be built")
  endif()
  add_library(JPEG::JPEG STATIC IMPORTED)
  set_target_properties(JPEG::JPEG PROPERTIES
    IMPORTED_LOCATION ${_jpeg_prefix}/lib/libjpeg.a
    INTERFACE_INCLUDE_DIRECTORIES ${_jpeg_prefix}/include)

  # The static zlib, so that no zlib1.dll is needed.
  add_library(ZLIB::ZLIB STATIC IMPORTED)
  set_target_properties(ZLIB::ZLIB PROPERTIES
    IMPORTED_LOCATION ${CMAKE_FIND_ROOT_PATH}/lib/libz.a
    INTERFACE_INCLUDE_DIRECTORIES ${CMAKE_FIND_ROOT_PATH}/include)
else()
  find_package(ZLIB REQUIRED)
  find_package(JPEG REQUIRED)
endif()

if(NOT NUVEX_RELEASE_ONLY)
  if(WIN32)
    # Debian ships googletest as source only for other targets.
    set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
    add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  else()
    find_package(GTest REQUIRED)
  endif()
endif()
