# What the embedding scripts (EmbedBitmaps.cmake, EmbedData.cmake) share.

# Sets out to the bytes of the file at path as C++ array items ("0x4d,"),
# 32 to a line, each following line indented by four blanks.
function(nuvex_embed_bytes path out)
  file(READ ${path} _hex HEX)
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," _bytes "${_hex}")
  # CMake's expressions have no counted repetition.
  string(REPEAT "0x..," 32 _line)
  string(REGEX REPLACE "(${_line})" "\\1\n    " _bytes "${_bytes}")
  set(${out} "${_bytes}" PARENT_SCOPE)
endfunction()

# Writes text to path only when it differs, so that an unchanged set of
# embedded files does not rebuild what includes the output.
function(nuvex_write_if_changed path text)
  if(EXISTS ${path})
    file(READ ${path} _old)
    if(_old STREQUAL text)
      return()
    endif()
  endif()
  file(WRITE ${path} "${text}")
endfunction()
