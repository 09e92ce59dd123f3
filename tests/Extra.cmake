# Extra CTest registrations.

# The installer's language follows the system locale: win_tests once more per
# locale.  Wine takes the system locale from LC_ALL at every process start (a
# running wineserver does not keep it).  A skipped check means the variables
# did not reach the program, which counts as a failure.
if(WIN32)
  foreach(_case "polish;pl_PL.UTF-8;Polish" "german;de_DE.UTF-8;English")
    list(GET _case 0 _name)
    list(GET _case 1 _locale)
    list(GET _case 2 _expected)
    add_test(NAME ${NUVEX_TEST_TAG}.win_locale_${_name} COMMAND win_tests --gtest_filter=LocaleWin.*)
    set_tests_properties(${NUVEX_TEST_TAG}.win_locale_${_name} PROPERTIES
      ENVIRONMENT "LC_ALL=${_locale};NUVEX_EXPECT_LANGUAGE=${_expected}"
      FAIL_REGULAR_EXPRESSION "\\[  SKIPPED \\]"
      TIMEOUT 300)
  endforeach()
endif()

# A component that records its own registration, for the installation run's
# RegSvr32 step; it lies beside win_tests.exe.
if(WIN32)
  add_library(RegistrationMarker MODULE ${CMAKE_CURRENT_SOURCE_DIR}/win/modules/RegistrationMarker.c)
  set_target_properties(RegistrationMarker PROPERTIES PREFIX "" SUFFIX ".ax"
    LIBRARY_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
  # Undecorated exports: RegSvr32 asks for "DllRegisterServer", which an i686
  # stdcall function would otherwise export as "DllRegisterServer@0".
  target_link_options(RegistrationMarker PRIVATE -static-libgcc -Wl,--kill-at)
  add_dependencies(win_tests RegistrationMarker)
endif()

# DLLs planted beside Setup.exe under the names of system DLLs: none may be
# loaded (tests/win/planted-dlls.sh); the stand-in records its own loading.
if(WIN32 AND TARGET Setup)
  add_library(PlantedDll MODULE ${CMAKE_CURRENT_SOURCE_DIR}/win/modules/PlantedDll.c)
  set_target_properties(PlantedDll PROPERTIES PREFIX "" LIBRARY_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
  target_link_options(PlantedDll PRIVATE -static-libgcc)
  add_test(NAME ${NUVEX_TEST_TAG}.setup_loads_no_planted_dll
           COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/win/planted-dlls.sh ${CMAKE_SOURCE_DIR}/scripts/wine-run.sh
                   $<TARGET_FILE:Setup> $<TARGET_FILE:PlantedDll>)
  set_tests_properties(${NUVEX_TEST_TAG}.setup_loads_no_planted_dll PROPERTIES TIMEOUT 120 SKIP_RETURN_CODE 77)
  add_dependencies(win_tests PlantedDll)
endif()

# A bitmap resource for the tests of the program's bitmap resources.
if(WIN32)
  target_sources(win_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests/data/graphics/TestBitmaps.rc)
endif()

# The progress bar's completion estimate in the user's locale: month names,
# time separator and code page of a Polish and an English locale.
if(WIN32)
  foreach(_case "polish;pl_PL.UTF-8;Polish" "english;en_US.UTF-8;English")
    list(GET _case 0 _name)
    list(GET _case 1 _locale)
    list(GET _case 2 _expected)
    add_test(NAME ${NUVEX_TEST_TAG}.win_progress_estimate_${_name}
             COMMAND win_tests --gtest_filter=ProgressBarWin.Estimate*)
    set_tests_properties(${NUVEX_TEST_TAG}.win_progress_estimate_${_name} PROPERTIES
      ENVIRONMENT "LC_ALL=${_locale};NUVEX_EXPECT_LANGUAGE=${_expected}"
      TIMEOUT 300)
  endforeach()
endif()

# Pictures of the destination folder dialog in both languages, left in
# build/<config>/pictures for people to look at.
if(WIN32)
  add_test(NAME ${NUVEX_TEST_TAG}.win_dialog_pictures
           COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/win/dialog-pictures.sh $<TARGET_FILE:win_tests>
                   ${CMAKE_BINARY_DIR}/pictures)
  set_tests_properties(${NUVEX_TEST_TAG}.win_dialog_pictures PROPERTIES TIMEOUT 300)
endif()

# Pictures of the skin demo's player window in the base skin and in the
# sample skins, left in build/<config>/pictures beside the dialog's.
if(WIN32 AND TARGET SkinDemo)
  add_test(NAME ${NUVEX_TEST_TAG}.win_skindemo_pictures
           COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/win/skindemo-pictures.sh $<TARGET_FILE:SkinDemo>
                   ${CMAKE_SOURCE_DIR}/tests/data/skins/Skins ${CMAKE_BINARY_DIR}/pictures)
  set_tests_properties(${NUVEX_TEST_TAG}.win_skindemo_pictures PROPERTIES TIMEOUT 300)
endif()

# The built Setup.exe driven end to end (tests/e2e).
if(WIN32 AND TARGET Setup)
  add_subdirectory(${CMAKE_CURRENT_SOURCE_DIR}/e2e ${CMAKE_CURRENT_BINARY_DIR}/e2e)
endif()

# The bitmap files that BitmapCorpusWin reads with our reader and with the
# system's loader, written beside win_tests by a script.
if(WIN32)
  find_program(NUVEX_HOST_PYTHON3 python3 NO_CMAKE_FIND_ROOT_PATH REQUIRED)
  set(_corpus_script ${CMAKE_SOURCE_DIR}/tests/data/graphics/make-bitmap-corpus.py)
  add_custom_command(OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/bitmap-corpus.stamp
    COMMAND ${NUVEX_HOST_PYTHON3} ${_corpus_script} ${CMAKE_CURRENT_BINARY_DIR}/bitmap-corpus
    COMMAND ${CMAKE_COMMAND} -E touch ${CMAKE_CURRENT_BINARY_DIR}/bitmap-corpus.stamp
    DEPENDS ${_corpus_script} VERBATIM)
  add_custom_target(bitmap_corpus DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/bitmap-corpus.stamp)
  add_dependencies(win_tests bitmap_corpus)
endif()
