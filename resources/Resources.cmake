# The program's resources that the skin layer relies on: the built-in
# skin's pictures (resources/skin/*.bmp, drawn by resources/skin/draw_base_skin.py) and
# the skin engine's string table.
#
# Windows: resource scripts compiled into an object library whose objects go
# into every program linked with the skin layer (a resource object inside a static
# library would be left out by the linker).  Elsewhere: the pictures are
# embedded as a generated table that TSkinResources registers.
file(GLOB NUVEX_SKIN_PICTURES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/resources/skin/*.bmp)
if(WIN32)
  add_library(nuvex_resources OBJECT
    ${CMAKE_SOURCE_DIR}/resources/SkinPictures.rc
    ${CMAKE_SOURCE_DIR}/resources/SkinStrings.rc)
  target_include_directories(nuvex_resources PRIVATE ${CMAKE_SOURCE_DIR} ${CMAKE_SOURCE_DIR}/resources)
  set_source_files_properties(${CMAKE_SOURCE_DIR}/resources/SkinPictures.rc PROPERTIES
    OBJECT_DEPENDS "${NUVEX_SKIN_PICTURES}")
  set_source_files_properties(${CMAKE_SOURCE_DIR}/resources/SkinStrings.rc PROPERTIES
    OBJECT_DEPENDS "${CMAKE_SOURCE_DIR}/skin/SkinStringIds.h")
  target_link_libraries(nuvex_skin INTERFACE $<TARGET_OBJECTS:nuvex_resources>)
else()
  set(_nuvex_skin_pictures_cpp ${CMAKE_BINARY_DIR}/generated/BuiltInSkinPictures.cpp)
  add_custom_command(OUTPUT ${_nuvex_skin_pictures_cpp}
    COMMAND ${CMAKE_COMMAND} -DPICTURE_DIR=${CMAKE_SOURCE_DIR}/resources/skin
            -DOUTPUT=${_nuvex_skin_pictures_cpp} -P ${CMAKE_SOURCE_DIR}/resources/EmbedBitmaps.cmake
    DEPENDS ${NUVEX_SKIN_PICTURES} ${CMAKE_SOURCE_DIR}/resources/EmbedBitmaps.cmake
    COMMENT "Embedding the built-in skin's pictures"
    VERBATIM)
  target_sources(nuvex_skin PRIVATE ${_nuvex_skin_pictures_cpp})
endif()
