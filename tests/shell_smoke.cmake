# The real program in a real X window, played a little with xdotool.
find_program(TORVANE_XVFB_RUN xvfb-run)
find_program(TORVANE_XDOTOOL xdotool)
find_program(TORVANE_IMPORT import)
if(TARGET torvane AND TORVANE_XVFB_RUN AND TORVANE_XDOTOOL AND TORVANE_IMPORT)
  add_test(NAME shell_smoke_real_window
    COMMAND ${TORVANE_XVFB_RUN} -a -s "-screen 0 1280x1024x24"
            bash ${CMAKE_CURRENT_SOURCE_DIR}/shell/smoke_test.sh
            $<TARGET_FILE:torvane> ${CMAKE_CURRENT_BINARY_DIR}/shell_smoke)
  # The whole test run is offscreen; this one test needs the X server.
  set_tests_properties(shell_smoke_real_window PROPERTIES
    TIMEOUT 120
    ENVIRONMENT "QT_QPA_PLATFORM=xcb"
    PASS_REGULAR_EXPRESSION "PASS:")
endif()

# The main window on a small and a large screen, under a window manager.
find_program(TORVANE_OPENBOX openbox)
if(TARGET torvane AND TORVANE_XVFB_RUN AND TORVANE_XDOTOOL AND TORVANE_IMPORT AND TORVANE_OPENBOX)
  foreach(size 1366x768 1920x1080)
    add_test(NAME shell_window_${size} COMMAND ${TORVANE_XVFB_RUN} -a -s "-screen 0 ${size}x24"
      bash ${CMAKE_CURRENT_SOURCE_DIR}/shell/window_test.sh $<TARGET_FILE:torvane>
      ${CMAKE_CURRENT_BINARY_DIR}/shell_window_${size})
    set_tests_properties(shell_window_${size} PROPERTIES TIMEOUT 120
      ENVIRONMENT "QT_QPA_PLATFORM=xcb" PASS_REGULAR_EXPRESSION "PASS:")
  endforeach()
endif()
