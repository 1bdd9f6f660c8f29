# quor_man_page(PAGE SECTION COMPONENT) installs a hand-written man page
# compressed, as Debian keeps them; the quor_man_pages target builds them.
find_program(GZIP gzip REQUIRED)

function(quor_man_page page section component)
  set(gz ${CMAKE_CURRENT_BINARY_DIR}/man/${page}.gz)
  add_custom_command(OUTPUT ${gz}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/man
    COMMAND sh -c "'${GZIP}' -9n < '${CMAKE_CURRENT_SOURCE_DIR}/${page}' > '${gz}'"
    DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${page} VERBATIM)
  install(FILES ${gz} DESTINATION ${CMAKE_INSTALL_MANDIR}/man${section} COMPONENT ${component})
  set_property(DIRECTORY APPEND PROPERTY QUOR_MAN_PAGES ${gz})
endfunction()
