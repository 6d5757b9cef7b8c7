# `cpack -G DEB` makes scaleplate_<version>_amd64.deb from the install rules.
set(CPACK_PACKAGE_NAME scaleplate)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "scaleplate")
set(CPACK_PACKAGE_CONTACT "scaleplate developers <scaleplate@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "draws the scales of analogue panel meters for printing")
# The summary is the control file's first line; this is the text below it.
string(CONCAT CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "scaleplate draws the scale of an analogue panel meter (plate size, arc\n"
  "angles, pivot, radius, tick marks) black on white at 600 dpi, ready to\n"
  "print and glue onto the meter. The window speaks Slovak;\n"
  "scaleplate-render draws the same picture from the command line, and\n"
  "scaleplate-define writes the definition file of a scale from a meter\n"
  "law and its values.")
# GPL-3.0-or-later: COPYING, and data/copyright in /usr/share/doc/scaleplate.
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/COPYING)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
# The libraries come from the binaries; what they load by name does not:
# Qt's SVG icon engine draws the window's icon, and the fonts are the ones
# the window and the pictures' text are drawn with.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, fonts-dejavu-core")
if(SCALEPLATE_UI)
  string(APPEND CPACK_DEBIAN_PACKAGE_DEPENDS ", libqt6svg6")
  # Qt's own dialogs in Slovak.
  set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
endif()
include(CPack)
