# Writes a C++ file that registers every bitmap of PICTURE_DIR as an embedded
# bitmap named after its file (without ".bmp"):
#   cmake -DPICTURE_DIR=<folder> -DOUTPUT=<file.cpp> -P EmbedBitmaps.cmake
file(GLOB _pictures ${PICTURE_DIR}/*.bmp)
list(SORT _pictures)
set(_arrays "")
set(_calls "")
set(_index 0)
foreach(_picture IN LISTS _pictures)
  get_filename_component(_file ${_picture} NAME)
  string(REGEX REPLACE "\\.bmp$" "" _name "${_file}")
  file(READ ${_picture} _hex HEX)
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," _bytes "${_hex}")
  # Break the lines every 32 bytes.
  string(REGEX REPLACE "((0x..,){32})" "\\1\n    " _bytes "${_bytes}")
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
# Rewrite only on a change, so that an unchanged picture set does not rebuild.
if(EXISTS ${OUTPUT})
  file(READ ${OUTPUT} _old)
  if(_old STREQUAL _text)
    return()
  endif()
endif()
file(WRITE ${OUTPUT} "${_text}")
