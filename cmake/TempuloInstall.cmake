# SPDX-License-Identifier: GPL-3.0-or-later
# Install rules and the Debian package.
#
#   cmake --install build --prefix /usr        (or DESTDIR=/stage cmake --install ...)
#   cd build && cpack -G DEB                    (scripts/package does both steps)
#
# Everything lands under the prefix where the desktop looks for it: bin,
# share/applications, share/icons/hicolor, share/metainfo, share/man/man1,
# share/bash-completion/completions and share/doc/tempulo. Files that carry the
# version or the release date are generated into the build tree, never into
# the source tree.

set(TEMPULO_PACKAGE_MAINTAINER "Tempulo developers <tempulo@example.org>"
  CACHE STRING "Maintainer of the Debian package: name <address>")

# ---------------------------------------------------------------- release date
# The release date in the forms the files below need. The weekday comes from
# Sakamoto's rule, so that no tool outside CMake is needed for it.
if(NOT TEMPULO_RELEASE_DATE MATCHES "^([0-9][0-9][0-9][0-9])-([0-9][0-9])-([0-9][0-9])$")
  message(FATAL_ERROR "TEMPULO_RELEASE_DATE \"${TEMPULO_RELEASE_DATE}\" is not YYYY-MM-DD")
endif()
set(TEMPULO_RELEASE_YEAR ${CMAKE_MATCH_1})
set(tempulo_day_text ${CMAKE_MATCH_3})
math(EXPR tempulo_month "${CMAKE_MATCH_2} + 0")
math(EXPR tempulo_day "${CMAKE_MATCH_3} + 0")
math(EXPR tempulo_month_index "${tempulo_month} - 1")
set(tempulo_year ${TEMPULO_RELEASE_YEAR})
if(tempulo_month LESS 3)
  math(EXPR tempulo_year "${tempulo_year} - 1")
endif()
set(tempulo_month_offsets 0 3 2 5 0 3 5 1 4 6 2 4)
set(tempulo_weekday_names Sun Mon Tue Wed Thu Fri Sat)
set(tempulo_month_names Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
list(GET tempulo_month_offsets ${tempulo_month_index} tempulo_offset)
math(EXPR tempulo_weekday
  "(${tempulo_year} + ${tempulo_year} / 4 - ${tempulo_year} / 100 + ${tempulo_year} / 400 + ${tempulo_offset} + ${tempulo_day}) % 7")
list(GET tempulo_weekday_names ${tempulo_weekday} tempulo_weekday_name)
list(GET tempulo_month_names ${tempulo_month_index} tempulo_month_name)
set(TEMPULO_RELEASE_DATE_RFC2822
  "${tempulo_weekday_name}, ${tempulo_day_text} ${tempulo_month_name} ${TEMPULO_RELEASE_YEAR} 00:00:00 +0000")

# ---------------------------------------------------------------- generated files
# Man pages and the changelog are installed compressed, as Debian requires and
# man and zless read everywhere; -n keeps the archives free of time stamps.
find_program(TEMPULO_GZIP gzip REQUIRED)
set(tempulo_generated ${CMAKE_CURRENT_BINARY_DIR}/data)
set(tempulo_compressed)
function(tempulo_compress template name)
  configure_file(${template} ${tempulo_generated}/${name} @ONLY)
  add_custom_command(OUTPUT ${tempulo_generated}/${name}.gz
    COMMAND ${TEMPULO_GZIP} -9 -n -k -f ${tempulo_generated}/${name}
    DEPENDS ${tempulo_generated}/${name}
    VERBATIM)
  set(tempulo_compressed ${tempulo_compressed} ${tempulo_generated}/${name}.gz PARENT_SCOPE)
endfunction()

tempulo_compress(data/man/tempulo-report.1.in tempulo-report.1)
tempulo_compress(data/package/changelog.in changelog)
if(TEMPULO_BUILD_GUI)
  tempulo_compress(data/man/tempulo.1.in tempulo.1)
  configure_file(data/${TEMPULO_APP_ID}.metainfo.xml.in
    ${tempulo_generated}/${TEMPULO_APP_ID}.metainfo.xml @ONLY)
endif()
configure_file(data/package/copyright.in ${tempulo_generated}/copyright @ONLY)
add_custom_target(tempulo_data_files ALL DEPENDS ${tempulo_compressed})
# Building just the programs (scripts/start does) still makes everything the
# install copies, so that any build of them can be installed.
add_dependencies(tempulo-report tempulo_data_files)
if(TEMPULO_BUILD_GUI)
  add_dependencies(tempulo tempulo_data_files)
endif()

# ---------------------------------------------------------------- install guard
# Every file the install copies and every folder it copies into, for the
# check that runs before the first file is copied (cmake/TempuloInstallGuard.cmake)
# and for the uninstall (build/.../uninstall.cmake).
set(tempulo_install_sources
  $<TARGET_FILE:tempulo-report>
  ${tempulo_generated}/tempulo-report.1.gz
  ${CMAKE_CURRENT_SOURCE_DIR}/data/completion/tempulo-report
  ${tempulo_generated}/copyright
  ${tempulo_generated}/changelog.gz
  ${CMAKE_CURRENT_SOURCE_DIR}/data/places/places-dach.tsv)
set(tempulo_install_dirs
  ${CMAKE_INSTALL_BINDIR}
  ${CMAKE_INSTALL_MANDIR}/man1
  ${CMAKE_INSTALL_DATADIR}/bash-completion/completions
  ${CMAKE_INSTALL_DOCDIR}
  ${CMAKE_INSTALL_DATADIR}/tempulo)
if(TEMPULO_BUILD_GUI)
  list(APPEND tempulo_install_sources
    $<TARGET_FILE:tempulo>
    ${tempulo_generated}/tempulo.1.gz
    ${CMAKE_CURRENT_SOURCE_DIR}/data/${TEMPULO_APP_ID}.desktop
    ${tempulo_generated}/${TEMPULO_APP_ID}.metainfo.xml
    ${TEMPULO_ICON_SVG})
  list(APPEND tempulo_install_dirs
    ${CMAKE_INSTALL_DATADIR}/applications
    ${CMAKE_INSTALL_DATADIR}/metainfo
    ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  foreach(size IN LISTS TEMPULO_ICON_SIZES)
    list(APPEND tempulo_install_sources ${TEMPULO_ICON_DIR}/${size}x${size}/apps/${TEMPULO_APP_ID}.png)
    list(APPEND tempulo_install_dirs ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
  endforeach()
endif()
# The guard runs first: a build that lacks a file, or a prefix that cannot be
# written, ends the install before anything is copied.
install(CODE "
set(TEMPULO_INSTALL_SOURCES \"${tempulo_install_sources}\")
set(TEMPULO_INSTALL_DIRS \"${tempulo_install_dirs}\")
set(TEMPULO_BUILD_DIR \"${CMAKE_CURRENT_BINARY_DIR}\")
include(\"${CMAKE_CURRENT_SOURCE_DIR}/cmake/TempuloInstallGuard.cmake\")
")
configure_file(cmake/TempuloUninstall.cmake.in ${CMAKE_CURRENT_BINARY_DIR}/uninstall.cmake @ONLY)

# ---------------------------------------------------------------- install rules
install(TARGETS tempulo-report RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${tempulo_generated}/tempulo-report.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES data/completion/tempulo-report
  DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)
install(FILES ${tempulo_generated}/copyright ${tempulo_generated}/changelog.gz
  DESTINATION ${CMAKE_INSTALL_DOCDIR})
# The German, Austrian and Swiss cities of the place list; the programs look
# for it in ../share/tempulo beside their own folder.
install(FILES data/places/places-dach.tsv DESTINATION ${CMAKE_INSTALL_DATADIR}/tempulo)

if(TEMPULO_BUILD_GUI)
  install(TARGETS tempulo RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${tempulo_generated}/tempulo.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES data/${TEMPULO_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${tempulo_generated}/${TEMPULO_APP_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  install(FILES ${TEMPULO_ICON_SVG} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  foreach(size IN LISTS TEMPULO_ICON_SIZES)
    install(FILES ${TEMPULO_ICON_DIR}/${size}x${size}/apps/${TEMPULO_APP_ID}.png
      DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
  endforeach()
endif()

# Last: the folders this install made, for the uninstall to remove once empty.
install(CODE "tempulo_record_created_dirs()")

# ---------------------------------------------------------------- Debian package
# Dependencies come from dpkg-shlibdeps over the installed programs; the
# window's platform plugins (xcb, offscreen) ship in libqt6gui6, which it finds.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tempulo)
set(CPACK_PACKAGE_VENDOR Tempulo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${TEMPULO_PACKAGE_MAINTAINER})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/packages)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${TEMPULO_PACKAGE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The time zones and the zone table of the place list are read from the
# system's database at run time.
set(CPACK_DEBIAN_PACKAGE_DEPENDS tzdata)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
# Debian's package descriptions are English; the program itself speaks German.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "desktop almanac: calendars, holidays, sun and moon
Tempulo shows for any day from the year 100 to 3000 the month's holidays
and commemoration days and a long report of the day: weekday, week of
the year, Julian Date, the date in more than forty calendar systems,
festivals of other religions, twilight, moon phases and the rise and set
of sun and moon for Central Europe. Its user interface is German.
.
The package holds the window program tempulo and the command
tempulo-report, which prints the same report in a terminal.")
include(CPack)
