# The Linux layout: the programs in bin/ (cli/ and app/), the converted data
# in share/umbrant/, where the programs look when nothing is beside them
# (datafiles/ProgramDirectory.h), and the manual pages in share/man/man1/.
# "cpack -G DEB" packages the same tree for /usr.
include(GNUInstallDirs)

option(UMBRANT_INSTALL_DATA "Install the converted data files of build/bin/data" ON)

# The manifest goes with them, so that the installed images are checked and
# the stored eclipses (Eclipses.dat) known for those of these series.
set(UMBRANT_DATA_IMAGES VSOP87.dat Elp2000.dat Nutation.dat gshhs_i.dat frontier.dat fleuves.dat places.dat Eclipses.dat
                        manifest.txt)
list(TRANSFORM UMBRANT_DATA_IMAGES PREPEND ${UMBRANT_DATA_DIR}/ OUTPUT_VARIABLE UMBRANT_DATA_IMAGE_PATHS)

if(UMBRANT_INSTALL_DATA)
  # The images are made by set-up, not by the build: say so rather than let
  # the copy fail on the first missing one.
  install(CODE "
    foreach(image ${UMBRANT_DATA_IMAGE_PATHS})
      if(NOT EXISTS \"\${image}\")
        message(FATAL_ERROR \"\${image} is missing: run scripts/setup.sh before installing, \"
                            \"or configure with -DUMBRANT_INSTALL_DATA=OFF\")
      endif()
    endforeach()")
  install(FILES ${UMBRANT_DATA_IMAGE_PATHS} DESTINATION ${CMAKE_INSTALL_DATADIR}/umbrant)
endif()

# The manual pages carry the project's version; Debian installs them compressed.
set(UMBRANT_MAN_PAGES umbrant.1 umbrant-cli.1)
foreach(page ${UMBRANT_MAN_PAGES})
  set(configured ${CMAKE_BINARY_DIR}/man/${page})
  configure_file(${CMAKE_SOURCE_DIR}/man/${page}.in ${configured} @ONLY)
  add_custom_command(OUTPUT ${configured}.gz
    COMMAND sh -c "gzip -9n -c '${configured}' > '${configured}.gz'"
    DEPENDS ${configured} VERBATIM)
  list(APPEND UMBRANT_COMPRESSED_MAN_PAGES ${configured}.gz)
endforeach()
add_custom_target(umbrant_man_pages ALL DEPENDS ${UMBRANT_COMPRESSED_MAN_PAGES})
install(FILES ${UMBRANT_COMPRESSED_MAN_PAGES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# The licence (GPL-3.0-or-later) and, in Debian's format, the licences of
# the data beside it: the published series, GSHHS and WDB II, GeoNames.
install(FILES ${CMAKE_SOURCE_DIR}/cmake/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/umbrant)
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)

set(CPACK_PACKAGE_NAME umbrant)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Umbrant")
set(CPACK_PACKAGE_CONTACT "Umbrant developers <umbrant@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "maps of solar eclipses")
# Debian wraps the long description itself only where the lines break.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Umbrant draws maps of solar eclipses. For an instant it computes the Sun\n"
    "(VSOP87) and the Moon (ELP 2000-82B), the axis of the Moon's shadow and the\n"
    "outlines of the umbra and penumbra, and draws them on an orthographic map of\n"
    "the globe with shorelines, borders and rivers.\n"
    "The package holds the desktop program umbrant, the command-line tool\n"
    "umbrant-cli and the converted data.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
# The shared libraries (Qt 6 and the C++ runtime) are found by dpkg-shlibdeps;
# the maps are imported from xygrib-maps and the map's text needs a font.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "xygrib-maps, fonts-dejavu-core, tzdata")
include(CPack)
