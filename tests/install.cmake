# The installed game: cmake --install into a temporary prefix, then the layout
# desktops expect, the program started from there, and the Debian package.
find_program(TORVANE_DESKTOP_FILE_VALIDATE desktop-file-validate)
find_program(TORVANE_APPSTREAMCLI appstreamcli)
find_program(TORVANE_IDENTIFY identify)
find_program(TORVANE_XPROP xprop)
find_program(TORVANE_XVFB_RUN xvfb-run)
find_program(TORVANE_XDOTOOL xdotool)
find_program(TORVANE_DPKG_SHLIBDEPS dpkg-shlibdeps)
set(torvane_install_check ${CMAKE_CURRENT_SOURCE_DIR}/install/check_install.sh)
set(torvane_install_root ${CMAKE_CURRENT_BINARY_DIR}/install_root)

if(TARGET torvane)
  add_test(NAME install_into_temporary_prefix
    COMMAND bash ${torvane_install_check} install ${CMAKE_COMMAND} ${PROJECT_BINARY_DIR} ${torvane_install_root})
  set_tests_properties(install_into_temporary_prefix PROPERTIES
    FIXTURES_SETUP torvane_installed)

  if(TORVANE_DESKTOP_FILE_VALIDATE AND TORVANE_APPSTREAMCLI AND TORVANE_IDENTIFY)
    add_test(NAME install_layout_launcher_and_metadata
      COMMAND bash ${torvane_install_check} layout ${torvane_install_root} ${PROJECT_SOURCE_DIR})
    set_tests_properties(install_layout_launcher_and_metadata PROPERTIES
      FIXTURES_REQUIRED torvane_installed)
  endif()

  add_test(NAME install_version_and_help_without_display
    COMMAND bash ${torvane_install_check} version ${torvane_install_root})
  set_tests_properties(install_version_and_help_without_display PROPERTIES
    FIXTURES_REQUIRED torvane_installed)

  if(TORVANE_XVFB_RUN AND TORVANE_XDOTOOL AND TORVANE_XPROP)
    add_test(NAME install_program_finds_its_help_and_icon
      COMMAND ${TORVANE_XVFB_RUN} -a -s "-screen 0 1280x1024x24"
              bash ${torvane_install_check} run ${torvane_install_root}
              ${CMAKE_CURRENT_BINARY_DIR}/install_run)
    # The whole test run is offscreen; this one test needs the X server.
    set_tests_properties(install_program_finds_its_help_and_icon PROPERTIES
      FIXTURES_REQUIRED torvane_installed
      TIMEOUT 120
      ENVIRONMENT "QT_QPA_PLATFORM=xcb")
  endif()

  if(TORVANE_DPKG_SHLIBDEPS)
    add_test(NAME install_debian_package
      COMMAND bash ${torvane_install_check} package ${CMAKE_CPACK_COMMAND} ${PROJECT_BINARY_DIR}
              ${CMAKE_CURRENT_BINARY_DIR}/install_package)
    set_tests_properties(install_debian_package PROPERTIES
      TIMEOUT 600)
  endif()
endif()
