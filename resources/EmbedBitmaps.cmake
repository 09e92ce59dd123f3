# Writes a C++ file that registers every bitmap of PICTURE_DIR as an embedded
# bitmap named after its file (without ".bmp"):
#   cmake -DPICTURE_DIR=<folder> -DOUTPUT=<file.cpp> -P EmbedBitmaps.cmake
include(${CMAKE_CURRENT_LIST_DIR}/EmbedCommon.cmake)
file(GLOB _pictures ${PICTURE_DIR}/*.bmp)
list(SORT _pictures)
set(_arrays "")
set(_calls "")
set(_index 0)
foreach(_picture IN LISTS _pictures)
  get_filename_component(_file ${_picture} NAME)
  string(REGEX REPLACE "\\.bmp$" "" _name "${_file}")
  nuvex_embed_bytes(${_picture} _bytes)
  string(APPEND _arrays "// ${_file}\nconst uint8_t kPicture${_index}[] = {\n    ${_bytes}\n};\n")
  string(APPEND _calls "    RegisterBitmapResource(\"${_name}\", kPicture${_index});\n")
  math(EXPR _index "${_index} + 1")
endforeach()

set(_text "// Generated from the bitmaps in resources/skin by resources/EmbedBitmaps.cmake.
#include <cstdint>

#include \"skin/BuiltInSkinPictures.h\"
#include \"toolkit/resources/BitmapResources.h\"

namespace nuvex {
namespace {

${_arrays}
}  // namespace

void RegisterBuiltInSkinPictures() {
  static const bool registered = [] {
${_calls}    return true;
  }();
  (void)registered;
}

}  // namespace nuvex
")
nuvex_write_if_changed(${OUTPUT} "${_text}")
