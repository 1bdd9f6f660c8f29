# SPDX-License-Identifier: MIT
# The chat program with its menu entry, its icon in the hicolor theme (the
# hand-drawn SVG and PNGs rendered from it at build time), its AppStream
# metainfo and its man page.
find_program(RSVG_CONVERT rsvg-convert REQUIRED)

install(TARGETS hbquor RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT Program)
install(FILES hbquor.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications COMPONENT Program)
install(FILES org.hbquor.hbquor.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo COMPONENT Program)

set(QUOR_ICON_SOURCE ${CMAKE_CURRENT_SOURCE_DIR}/icons/hbquor.svg)
install(FILES ${QUOR_ICON_SOURCE}
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps COMPONENT Program)
set(QUOR_ICONS)
foreach(size 16 32 48 64 128 256)
  set(png ${CMAKE_CURRENT_BINARY_DIR}/icons/${size}x${size}/hbquor.png)
  add_custom_command(OUTPUT ${png}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/icons/${size}x${size}
    COMMAND ${RSVG_CONVERT} --width ${size} --height ${size} --output ${png} ${QUOR_ICON_SOURCE}
    DEPENDS ${QUOR_ICON_SOURCE}
    COMMENT "Rendering the ${size}x${size} icon" VERBATIM)
  list(APPEND QUOR_ICONS ${png})
  install(FILES ${png}
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps COMPONENT Program)
endforeach()

quor_man_page(hbquor.1 1 Program)
add_custom_target(hbquor_icons ALL DEPENDS ${QUOR_ICONS})
