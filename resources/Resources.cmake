# The program's resources.  The skin layer relies on the built-in skin's
# pictures (resources/skin/*.bmp, drawn by resources/skin/draw_base_skin.py)
# and the skin engine's string table, the installer window on its own
# string table (linked with the skin layer's, below it); the resources layer on the data
# resources (form descriptions and JPEG pictures) at the end.
#
# Windows: resource scripts compiled into an object library whose objects go
# into every program linked with the skin layer (a resource object inside a static
# library would be left out by the linker).  Elsewhere: the pictures are
# embedded as a generated table that TSkinResources registers.
file(GLOB NUVEX_SKIN_PICTURES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/resources/skin/*.bmp)
if(WIN32)
  add_library(nuvex_skin_rc OBJECT
    ${CMAKE_SOURCE_DIR}/resources/SkinPictures.rc
    ${CMAKE_SOURCE_DIR}/resources/SkinStrings.rc
    ${CMAKE_SOURCE_DIR}/resources/InstallerStrings.rc)
  target_include_directories(nuvex_skin_rc PRIVATE ${CMAKE_SOURCE_DIR} ${CMAKE_SOURCE_DIR}/resources)
  set_source_files_properties(${CMAKE_SOURCE_DIR}/resources/SkinPictures.rc PROPERTIES
    OBJECT_DEPENDS "${NUVEX_SKIN_PICTURES}")
  set_source_files_properties(${CMAKE_SOURCE_DIR}/resources/SkinStrings.rc PROPERTIES
    OBJECT_DEPENDS "${CMAKE_SOURCE_DIR}/skin/SkinStringIds.h")
  set_source_files_properties(${CMAKE_SOURCE_DIR}/resources/InstallerStrings.rc PROPERTIES
    OBJECT_DEPENDS "${CMAKE_SOURCE_DIR}/installer/InstallerStringIds.h")
  target_link_libraries(nuvex_skin INTERFACE $<TARGET_OBJECTS:nuvex_skin_rc>)
else()
  set(_nuvex_skin_pictures_cpp ${CMAKE_BINARY_DIR}/generated/BuiltInSkinPictures.cpp)
  add_custom_command(OUTPUT ${_nuvex_skin_pictures_cpp}
    COMMAND ${CMAKE_COMMAND} -DPICTURE_DIR=${CMAKE_SOURCE_DIR}/resources/skin
            -DOUTPUT=${_nuvex_skin_pictures_cpp} -P ${CMAKE_SOURCE_DIR}/resources/EmbedBitmaps.cmake
    DEPENDS ${NUVEX_SKIN_PICTURES} ${CMAKE_SOURCE_DIR}/resources/EmbedBitmaps.cmake
            ${CMAKE_SOURCE_DIR}/resources/EmbedCommon.cmake
    COMMENT "Embedding the built-in skin's pictures"
    VERBATIM)
  target_sources(nuvex_skin PRIVATE ${_nuvex_skin_pictures_cpp})
endif()

# nuvex_data_resources(OUT FORMAT table|entries NAME name FILES file...):
# generates the data resources of the files (resources/EmbedData.cmake) and
# puts the generated source's path in OUT: on Windows a resource script of
# RCDATA resources, elsewhere C++ in the FORMAT given.  The list of files is
# fixed at configure time, so callers glob with CONFIGURE_DEPENDS.
function(nuvex_data_resources out)
  cmake_parse_arguments(D "" "FORMAT;NAME" "FILES" ${ARGN})
  set(list_file ${CMAKE_CURRENT_BINARY_DIR}/generated/${D_NAME}.files)
  list(SORT D_FILES)
  list(JOIN D_FILES "\n" listed)
  file(CONFIGURE OUTPUT ${list_file} CONTENT "${listed}\n" @ONLY)
  if(WIN32)
    set(format rc)
    set(output ${CMAKE_CURRENT_BINARY_DIR}/generated/${D_NAME}.rc)
  else()
    set(format ${D_FORMAT})
    set(output ${CMAKE_CURRENT_BINARY_DIR}/generated/${D_NAME}.cpp)
  endif()
  add_custom_command(OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -DLIST=${list_file} -DOUTPUT=${output} -DFORMAT=${format}
            -P ${CMAKE_SOURCE_DIR}/resources/EmbedData.cmake
    DEPENDS ${list_file} ${D_FILES} ${CMAKE_SOURCE_DIR}/resources/EmbedData.cmake
            ${CMAKE_SOURCE_DIR}/resources/EmbedCommon.cmake
    COMMENT "Embedding data resources: ${D_NAME}"
    VERBATIM)
  if(WIN32)
    # windres reads the files themselves; a changed file leaves the script as it was.
    set_source_files_properties(${output} PROPERTIES OBJECT_DEPENDS "${D_FILES}")
  endif()
  set(${out} ${output} PARENT_SCOPE)
endfunction()

# The form descriptions (resources/forms/*.nfd) and the JPEG and bitmap
# pictures (resources/pictures/*.jpg, *.bmp) that forms are read from, named
# after their files.  They go with the resources layer, which looks them up, so
# that every program that can read a form has them; on Windows as an object
# library for the same reason as the skin's resources above.
file(GLOB NUVEX_PROGRAM_DATA CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/resources/forms/*.nfd
  ${CMAKE_SOURCE_DIR}/resources/pictures/*.jpg
  ${CMAKE_SOURCE_DIR}/resources/pictures/*.jpeg
  ${CMAKE_SOURCE_DIR}/resources/pictures/*.bmp)
nuvex_data_resources(_nuvex_program_data FORMAT table NAME ProgramData FILES ${NUVEX_PROGRAM_DATA})
if(NOT WIN32)
  target_sources(nuvex_resources PRIVATE ${_nuvex_program_data})
elseif(NUVEX_PROGRAM_DATA)  # windres refuses a script without resources
  add_library(nuvex_data_resources OBJECT ${_nuvex_program_data})
  target_link_libraries(nuvex_resources INTERFACE $<TARGET_OBJECTS:nuvex_data_resources>)
endif()
