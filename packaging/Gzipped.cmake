# SPDX-License-Identifier: MIT
# quor_install_gzipped(SOURCE DESTINATION NAME COMPONENT [EXCLUDE_FROM_ALL])
# installs SOURCE (relative to this folder) compressed as DESTINATION/NAME,
# the way Debian keeps man pages and changelogs: gzip -9n stores neither a
# name nor a time stamp, so the same text always gives the same bytes.
# EXCLUDE_FROM_ALL keeps the file out of a plain `cmake --install` (and so
# out of `make install`); the component's package still gets it. The
# quor_gzipped target builds every such file.
find_program(GZIP gzip REQUIRED)

function(quor_install_gzipped source destination name component)
  set(gz ${CMAKE_CURRENT_BINARY_DIR}/gzipped/${destination}/${name})
  get_filename_component(dir ${gz} DIRECTORY)
  add_custom_command(OUTPUT ${gz}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}
    COMMAND sh -c "'${GZIP}' -9n < '${CMAKE_CURRENT_SOURCE_DIR}/${source}' > '${gz}'"
    DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${source} VERBATIM)
  install(FILES ${gz} DESTINATION ${destination} COMPONENT ${component} ${ARGN})
  set_property(DIRECTORY APPEND PROPERTY QUOR_GZIPPED ${gz})
endfunction()

# quor_man_page(PAGE SECTION COMPONENT) installs a hand-written man page.
function(quor_man_page page section component)
  quor_install_gzipped(${page} ${CMAKE_INSTALL_MANDIR}/man${section} ${page}.gz ${component})
endfunction()
