# The translations, with Qt's own tools. resources/translations/torvane_<lang>.ts
# holds every text of the product and its translation (Qt Linguist edits it);
# lrelease makes torvane_<lang>.qm of it, in share/torvane/translations beside
# the program in the build tree as in an installation, where the program
# looks (resources/translations.h).
#
# After adding or changing a text in the code: `make translations` (the
# target "translations") runs lupdate over every folder of the product and
# brings the .ts files up to date; translate what it marks unfinished. The
# test translations_current fails until then.
find_package(Qt6 REQUIRED COMPONENTS LinguistTools)

set(TORVANE_TS_FILES ${PROJECT_SOURCE_DIR}/resources/translations/torvane_de.ts)

# The texts of every layer. TORVANE_TEXT (game/ui_text.h) marks those of the
# Qt-free code; lupdate reads it as QT_TRANSLATE_NOOP. No locations: the .ts
# changes only when a text does.
set(TORVANE_TRANSLATED_FOLDERS game tutorial/core scores/core render resources settings script history
  shell/app shell/frame shell/view shell/history shell/dialogs shell/pad tutorial/ui scores/ui)
set(TORVANE_TRANSLATED_SOURCES)
foreach(folder ${TORVANE_TRANSLATED_FOLDERS})
  file(GLOB sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${folder}/*.cpp
    ${PROJECT_SOURCE_DIR}/${folder}/*.h)
  list(APPEND TORVANE_TRANSLATED_SOURCES ${sources})
endforeach()
list(SORT TORVANE_TRANSLATED_SOURCES)
set(TORVANE_LUPDATE_SOURCES ${PROJECT_BINARY_DIR}/translations/sources.lst)
string(REPLACE ";" "\n" lines "${TORVANE_TRANSLATED_SOURCES}")
file(CONFIGURE OUTPUT ${TORVANE_LUPDATE_SOURCES} CONTENT "${lines}\n" @ONLY)
set(TORVANE_LUPDATE_OPTIONS -tr-function-alias QT_TRANSLATE_NOOP+=TORVANE_TEXT
  -I ${PROJECT_SOURCE_DIR} -locations none -no-obsolete -no-ui-lines)

add_custom_target(translations
  COMMAND Qt6::lupdate ${TORVANE_LUPDATE_OPTIONS} @${TORVANE_LUPDATE_SOURCES} -ts ${TORVANE_TS_FILES}
  WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
  COMMENT "Bringing the .ts files up to date with the texts of the code"
  VERBATIM)

set_source_files_properties(${TORVANE_TS_FILES} PROPERTIES
  OUTPUT_LOCATION ${PROJECT_BINARY_DIR}/share/torvane/translations)
qt_add_lrelease(torvane TS_FILES ${TORVANE_TS_FILES} QM_FILES_OUTPUT_VARIABLE TORVANE_QM_FILES
  OPTIONS -silent)
install(FILES ${TORVANE_QM_FILES} DESTINATION ${CMAKE_INSTALL_DATADIR}/torvane/translations)
