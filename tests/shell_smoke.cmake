# The real program in a real X window (the rest of the run is offscreen),
# played a little with xdotool.
if(TARGET torvane)
  add_test(NAME shell_smoke_real_window
    COMMAND xvfb-run -a -s "-screen 0 1280x1024x24" bash ${CMAKE_CURRENT_SOURCE_DIR}/shell/smoke_test.sh
            $<TARGET_FILE:torvane> ${CMAKE_CURRENT_BINARY_DIR}/shell_smoke)
  set_tests_properties(shell_smoke_real_window PROPERTIES
    TIMEOUT 120 ENVIRONMENT "QT_QPA_PLATFORM=xcb" PASS_REGULAR_EXPRESSION "PASS:")
endif()
