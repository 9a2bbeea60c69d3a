# The translations: current with the code and finished (translations_current,
# which leaves a pseudo translation of lupdate's fresh copies for the walk),
# nothing the window shows escaping them, and the German fitting its widgets.
string(REPLACE ";" " " options "${TORVANE_LUPDATE_OPTIONS}")
add_test(NAME translations_current COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/translations/check_current.sh
  $<TARGET_FILE:Qt6::lupdate> $<TARGET_FILE:Qt6::lrelease> ${TORVANE_LUPDATE_SOURCES}
  ${CMAKE_CURRENT_BINARY_DIR}/translations ${options} ${TORVANE_TS_FILES})
set_tests_properties(translations_current PROPERTIES
  FIXTURES_SETUP torvane_extracted_texts PASS_REGULAR_EXPRESSION "PASS:")
torvane_test_program(torvane_translation_tests DIRS translations
  LIBS torvane_ui Qt6::Test EXTRA shell/ui_test_environment.cpp
  PROPERTIES FIXTURES_REQUIRED torvane_extracted_texts)
add_dependencies(torvane_translation_tests torvane_lrelease)
