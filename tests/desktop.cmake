# The replay type as Qt reads it from an installed prefix (install/check_install.sh
# runs this), and the game as a native Wayland client of weston inside an X server.
add_executable(torvane_mime_type install/mime_type.cpp)
target_link_libraries(torvane_mime_type PRIVATE Qt6::Core)
if(TARGET torvane)
  add_test(NAME shell_wayland COMMAND xvfb-run -a -n 97 -s "-noreset -screen 0 1280x1024x24" bash
    ${CMAKE_CURRENT_SOURCE_DIR}/shell/wayland_test.sh $<TARGET_FILE:torvane> ${CMAKE_CURRENT_BINARY_DIR}/shell_wayland)
  set_tests_properties(shell_wayland PROPERTIES TIMEOUT 240 PASS_REGULAR_EXPRESSION "PASS:")
  add_test(NAME shell_wayland_small COMMAND xvfb-run -a -n 88 -s "-noreset -screen 0 1280x1024x24" bash
    ${CMAKE_CURRENT_SOURCE_DIR}/shell/wayland_test.sh $<TARGET_FILE:torvane> ${CMAKE_CURRENT_BINARY_DIR}/shell_wayland_small 1024x600)
  set_tests_properties(shell_wayland_small PROPERTIES TIMEOUT 240 PASS_REGULAR_EXPRESSION "PASS:")
endif()
