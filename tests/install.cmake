# The installed game: the layout desktops expect, the program started from
# there in an X window (the rest of the run is offscreen), the Debian package.
if(TARGET torvane)
  add_test(NAME install_layout_program_and_package
    COMMAND xvfb-run -a -s "-screen 0 1280x1024x24"
            bash ${CMAKE_CURRENT_SOURCE_DIR}/install/check_install.sh ${CMAKE_COMMAND}
            ${CMAKE_CPACK_COMMAND} ${PROJECT_BINARY_DIR} ${PROJECT_SOURCE_DIR}
            ${CMAKE_CURRENT_BINARY_DIR}/install_check)
  set_tests_properties(install_layout_program_and_package PROPERTIES
    TIMEOUT 600 ENVIRONMENT "QT_QPA_PLATFORM=xcb")
endif()
