# The installed layout, the same under any prefix:
#   bin/torvane               (games/torvane in the Debian package)
#   share/torvane/            what the program reads at run time (help document,
#                             translations)
#   share/applications/       the launcher
#   share/metainfo/           what software centres show
#   share/icons/hicolor/      the icon at every size the artwork comes in
#   share/mime/packages/      the replay file type
#   share/man/man6/           the manual page
# The Debian package adds its copyright file and changelog (share/doc/torvane/)
# and why the one lintian tag it overrides does not apply (share/lintian/).
# The program finds share/torvane from its own folder, so a relocated install
# works without any path compiled in.

# One name for the launcher, the icon, the metadata and the program's desktop
# file name (shell/app/main.cpp), so that desktops tie the window to its launcher.
set(TORVANE_APP_ID io.github.quillfen.Torvane)

set(TORVANE_SCREENSHOT_URL "https://torvane.example/screenshots/torvane.png" CACHE STRING
  "Where software centres fetch resources/desktop/screenshot.png; set it to wherever the distributor publishes that file")

# Debian keeps games in /usr/games; a plain install keeps the program with the
# others in bin/, where PATH finds it. The package is made of the default
# component and the "debian" one, which no plain install includes.
set(TORVANE_DEBIAN_BINDIR games)

# The program looks for its data at ../share/torvane beside itself; an install
# with other folder names would leave it without its help document.
foreach(bindir ${CMAKE_INSTALL_BINDIR} ${TORVANE_DEBIAN_BINDIR})
  file(RELATIVE_PATH torvane_data_from_bin /prefix/${bindir} /prefix/${CMAKE_INSTALL_DATADIR}/torvane)
  if(NOT torvane_data_from_bin STREQUAL "../share/torvane")
    message(FATAL_ERROR "Torvane finds its data at ../share/torvane from the program's folder; "
      "the program's folder (${bindir}) and CMAKE_INSTALL_DATADIR "
      "(${CMAKE_INSTALL_DATADIR}) must keep that relation.")
  endif()
endforeach()

install(TARGETS torvane RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT program)
install(TARGETS torvane RUNTIME DESTINATION ${TORVANE_DEBIAN_BINDIR} COMPONENT debian EXCLUDE_FROM_ALL)

# Manual pages and Debian changelogs are read compressed; -n leaves the time
# out, so that the same sources give the same package.
find_program(TORVANE_GZIP gzip REQUIRED)
set(torvane_compressed)
foreach(source man/torvane.6 debian/changelog)
  get_filename_component(name ${source} NAME)
  set(copy ${PROJECT_BINARY_DIR}/resources/compressed/${name})
  add_custom_command(OUTPUT ${copy}.gz
    COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/resources/${source} ${copy}
    COMMAND ${TORVANE_GZIP} -9nf ${copy}
    DEPENDS ${PROJECT_SOURCE_DIR}/resources/${source}
    VERBATIM)
  list(APPEND torvane_compressed ${copy}.gz)
endforeach()
add_custom_target(torvane_compressed ALL DEPENDS ${torvane_compressed})
install(FILES ${PROJECT_BINARY_DIR}/resources/compressed/torvane.6.gz
  DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${PROJECT_BINARY_DIR}/resources/compressed/changelog.gz
  DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/torvane RENAME changelog.Debian.gz
  COMPONENT debian EXCLUDE_FROM_ALL)
install(FILES ${PROJECT_SOURCE_DIR}/resources/debian/copyright
  DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/torvane COMPONENT debian EXCLUDE_FROM_ALL)
install(FILES ${PROJECT_SOURCE_DIR}/resources/debian/lintian-overrides
  DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME torvane
  COMPONENT debian EXCLUDE_FROM_ALL)
install(FILES ${PROJECT_SOURCE_DIR}/resources/mime/${TORVANE_APP_ID}.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)

if(EXISTS ${PROJECT_SOURCE_DIR}/resources/doc)
  install(DIRECTORY ${PROJECT_SOURCE_DIR}/resources/doc/
    DESTINATION ${CMAKE_INSTALL_DATADIR}/torvane/doc)
else()
  message(WARNING "resources/doc is missing: the installation will have no help document")
endif()

install(FILES ${PROJECT_SOURCE_DIR}/resources/desktop/${TORVANE_APP_ID}.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

configure_file(${PROJECT_SOURCE_DIR}/resources/desktop/${TORVANE_APP_ID}.metainfo.xml.in
  ${PROJECT_BINARY_DIR}/resources/desktop/${TORVANE_APP_ID}.metainfo.xml @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/resources/desktop/${TORVANE_APP_ID}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

foreach(size 16 32 48 64 128 256)
  install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/torvane-${size}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
    RENAME ${TORVANE_APP_ID}.png)
endforeach()
if(EXISTS ${PROJECT_SOURCE_DIR}/resources/icons/torvane.svg)
  install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/torvane.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
    RENAME ${TORVANE_APP_ID}.svg)
endif()
