# SPDX-License-Identifier: GPL-3.0-or-later
# The application icon. One hand-drawn SVG is the only source; the PNG sizes of
# the hicolor icon theme are rendered from it at build time, so that no binary
# copies can drift from the drawing. The PNGs also go into the window program
# as a Qt resource, which gives the window its icon when run from the build tree.
#
# Sets TEMPULO_ICON_SVG, TEMPULO_ICON_SIZES, TEMPULO_ICON_DIR (the rendered
# theme folder in the build tree) and TEMPULO_ICON_RESOURCES (sources to compile).

find_program(TEMPULO_RSVG_CONVERT rsvg-convert)
if(NOT TEMPULO_RSVG_CONVERT)
  message(FATAL_ERROR "rsvg-convert fehlt: es zeichnet das Programmsymbol. "
    "Debian-Paket librsvg2-bin (scripts/install-dependencies installiert es).")
endif()

set(TEMPULO_ICON_SVG ${CMAKE_CURRENT_SOURCE_DIR}/data/icons/${TEMPULO_APP_ID}.svg)
set(TEMPULO_ICON_SIZES 16 32 48 64 128 256)
set(TEMPULO_ICON_DIR ${CMAKE_CURRENT_BINARY_DIR}/icons/hicolor)

set(tempulo_icon_pngs)
foreach(size IN LISTS TEMPULO_ICON_SIZES)
  set(dir ${TEMPULO_ICON_DIR}/${size}x${size}/apps)
  add_custom_command(OUTPUT ${dir}/${TEMPULO_APP_ID}.png
    COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}
    COMMAND ${TEMPULO_RSVG_CONVERT} --width ${size} --height ${size}
            --output ${dir}/${TEMPULO_APP_ID}.png ${TEMPULO_ICON_SVG}
    DEPENDS ${TEMPULO_ICON_SVG}
    COMMENT "Programmsymbol ${size}x${size}"
    VERBATIM)
  list(APPEND tempulo_icon_pngs ${dir}/${TEMPULO_APP_ID}.png)
endforeach()
# Built with everything, also when the window is built without the resource.
add_custom_target(tempulo_icons ALL DEPENDS ${tempulo_icon_pngs})

# The resource file names its PNGs relative to itself, so it sits beside them.
configure_file(${CMAKE_CURRENT_SOURCE_DIR}/data/icons/tempulo-icons.qrc
  ${CMAKE_CURRENT_BINARY_DIR}/icons/tempulo-icons.qrc COPYONLY)
qt6_add_resources(TEMPULO_ICON_RESOURCES ${CMAKE_CURRENT_BINARY_DIR}/icons/tempulo-icons.qrc)
