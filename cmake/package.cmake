# The Debian package (make package): the installed layout under /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME torvane)
set(CPACK_PACKAGE_VENDOR "Quillfen Software")
set(CPACK_PACKAGE_CONTACT "Quillfen Software <torvane@quillfen.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "puzzle game of falling gems on a turning wheel")
set(CPACK_PACKAGE_DESCRIPTION [=[
Hexagonal gems fall from the rim of a large green wheel toward the white
gem in its middle. Turn the wheel so that the cluster of stuck gems catches
each falling gem where you want it: a chain of one colour that completely
encircles the centre explodes.

Three difficulties, bombs, a tutorial and a table of high scores.]=])
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# Everything a plain install holds but the program in bin/, and the Debian
# component: the program in games/, the copyright file and the changelog.
set(CPACK_INSTALL_CMAKE_PROJECTS
  "${PROJECT_BINARY_DIR};${PROJECT_NAME};Unspecified;/"
  "${PROJECT_BINARY_DIR};${PROJECT_NAME};debian;/")
set(CPACK_STRIP_FILES ON)
# Whatever the umask of the machine that builds the package.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The libraries come from dpkg-shlibdeps; libqt6multimedia6 among them holds
# both Qt Multimedia's backend plugins and the PulseAudio output the sound
# effects play through. What it cannot see: the fonts the board is drawn with,
# Qt's own translations (its dialog buttons in the player's language), and
# the SQLite driver of Qt SQL, a plugin, for the game history.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, qt6-translations-l10n, libqt6sql6-sqlite")
# A native window on Wayland desktops (else Qt uses X11 through XWayland), and
# a sound server to hear the effects (PipeWire desktops serve PulseAudio too).
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, pulseaudio | pipewire-pulse")

include(CPack)
