# The installed layout, the same under any prefix:
#   bin/torvane
#   share/torvane/            what the program reads at run time (help document)
#   share/applications/       the launcher
#   share/metainfo/           what software centres show
#   share/icons/hicolor/      the icon at every size the artwork comes in
# The program finds share/torvane from its own folder, so a relocated install
# works without any path compiled in.

# One name for the launcher, the icon, the metadata and the program's desktop
# file name (shell/main.cpp), so that desktops tie the window to its launcher.
set(TORVANE_APP_ID io.github.quillfen.Torvane)

set(TORVANE_SCREENSHOT_URL "https://torvane.example/screenshots/torvane.png" CACHE STRING
  "Where software centres fetch resources/desktop/screenshot.png; set it to wherever the distributor publishes that file")

# The program looks for its data at ../share/torvane beside itself; an install
# with other folder names would leave it without its help document.
file(RELATIVE_PATH torvane_data_from_bin
  /prefix/${CMAKE_INSTALL_BINDIR} /prefix/${CMAKE_INSTALL_DATADIR}/torvane)
if(NOT torvane_data_from_bin STREQUAL "../share/torvane")
  message(FATAL_ERROR "Torvane finds its data at ../share/torvane from the program's folder; "
    "CMAKE_INSTALL_BINDIR (${CMAKE_INSTALL_BINDIR}) and CMAKE_INSTALL_DATADIR "
    "(${CMAKE_INSTALL_DATADIR}) must keep that relation.")
endif()

install(TARGETS torvane RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

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
