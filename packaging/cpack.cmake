# The Debian package (`make package`): what `cmake --install` puts in place,
# under /usr. dpkg-shlibdeps finds the libraries the programs link; the Qt
# platform plugins are loaded at run time, so they are named here.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME scara-station)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "SCARA Station")
set(CPACK_PACKAGE_CONTACT "SCARA Station developers <scara-station@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "control station for a two-link SCARA pen-plotting arm")
set(CPACK_PACKAGE_DESCRIPTION
    "Loads G-code programs, prepares and checks them, plots and simulates the
arm, streams programs to the controller over a serial port and converts HPGL
plot files. Includes the command-line companion scara-cli and the controller
emulator scara-controller-emu.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libgl1-mesa-dri, fonts-dejavu-core")
include(CPack)
