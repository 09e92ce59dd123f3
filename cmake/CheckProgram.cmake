# nuvex_check_program(TARGET TEST_NAME [check-pe.sh options]) adds the CTest
# test <tag>.TEST_NAME, which checks the built program as a file with
# scripts/check-pe.sh: its machine (i386 in the i686 configuration, x86-64
# otherwise), a GUI subsystem and an import table that names only kernel32,
# advapi32 and the C runtime, and whatever the options add (--manifest,
# --restricted).
function(nuvex_check_program target test_name)
  if(CMAKE_SYSTEM_PROCESSOR STREQUAL "x86")
    set(machine i386)
  else()
    set(machine x86-64)
  endif()
  add_test(NAME ${NUVEX_TEST_TAG}.${test_name}
           COMMAND ${CMAKE_SOURCE_DIR}/scripts/check-pe.sh $<TARGET_FILE:${target}> ${machine} ${ARGN})
endfunction()
