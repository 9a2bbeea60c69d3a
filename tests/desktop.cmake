# The replay type as Qt reads it from an installed prefix (install/check_install.sh
# runs this).
add_executable(torvane_mime_type install/mime_type.cpp)
target_link_libraries(torvane_mime_type PRIVATE Qt6::Core)
