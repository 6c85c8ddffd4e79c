# The Debian package: `cpack` in the build directory (scripts/package.sh)
# writes trakora_<version>_<arch>.deb there.
set(CPACK_GENERATOR DEB)
set(CPACK_SOURCE_GENERATOR "")
set(CPACK_PACKAGE_NAME trakora)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Trakora developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "monitor for NMEA-0183 GPS receivers")
set(CPACK_PACKAGE_DESCRIPTION
    "Trakora reads the sentences of a GPS receiver that speaks NMEA-0183, live\n"
    "from a serial port or replayed from a log it recorded earlier, decodes them\n"
    "and shows position, satellites with their signals, a sky plot, long-term\n"
    "position averaging, data status and the raw sentences in separate windows.\n"
    "It can record chosen groups of sentences to a log file.\n"
    "\n"
    "trakora-replay runs a log through the same decoders and prints the\n"
    "receiver state as JSON.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_STRIP_FILES ON)

set(TRAKORA_PACKAGE_MAINTAINER "Trakora developers <trakora@users.noreply.github.com>"
    CACHE STRING "Maintainer field of the Debian package")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${TRAKORA_PACKAGE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${TRAKORA_HOMEPAGE})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The libraries come from the binaries (dpkg-shlibdeps); the windows also need
# a Qt platform plugin, which the Qt libraries only recommend.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-qpa-plugins)

include(CPack)
