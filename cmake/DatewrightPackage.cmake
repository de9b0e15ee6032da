# The Debian package, made by CPack from the install rules: `cpack -G DEB` in
# the build folder writes datewright_VERSION_ARCH.deb there.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME datewright)
set(CPACK_PACKAGE_VENDOR "The Datewright developers")
set(CPACK_PACKAGE_CONTACT "Datewright developers <developers@datewright.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "design and print calendar pages")
set(CPACK_PACKAGE_DESCRIPTION_FILE ${PROJECT_SOURCE_DIR}/packaging/description)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://datewright.org/)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The libraries the programs link are found by dpkg-shlibdeps. The one thing
# they need that no library names is named here: the Liberation fonts, which
# stand in for the faces calendar documents name.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")
# Printers are reached through a CUPS server; without one the program still
# exports PDF and pictures.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "cups")
# Qt's own dialogs (files, colours, fonts, printing) speak the interface's
# language with Qt's translations; without them they speak English.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")

set(CPACK_POST_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/DebianWithoutLdconfig.cmake)

include(CPack)
