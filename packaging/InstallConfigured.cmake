# SPDX-License-Identifier: MIT
# quor_install_configured(TEMPLATE DESTINATION COMPONENT) installs TEMPLATE
# (a name ending in .in) configured at install time rather than at configure
# time, so that the paths written into it follow the prefix that is really
# installed to (`cmake --install --prefix`, `make install PREFIX=`, CPack).
# The template may use @PROJECT_VERSION@, @QUOR_PREFIX@ and the absolute
# folders @QUOR_FULL_BINDIR@, @QUOR_FULL_LIBDIR@ and @QUOR_FULL_INCLUDEDIR@.
function(quor_install_configured template destination component)
  get_filename_component(name "${template}" NAME)
  string(REGEX REPLACE "\\.in$" "" name "${name}")
  set(source "${CMAKE_CURRENT_SOURCE_DIR}/${template}")
  set(output "${CMAKE_CURRENT_BINARY_DIR}/install-time/${name}")
  install(CODE "
    set(PROJECT_VERSION [=[${PROJECT_VERSION}]=])
    set(QUOR_PREFIX \"\${CMAKE_INSTALL_PREFIX}\")
    set(QUOR_FULL_BINDIR [=[${CMAKE_INSTALL_BINDIR}]=])
    set(QUOR_FULL_LIBDIR [=[${CMAKE_INSTALL_LIBDIR}]=])
    set(QUOR_FULL_INCLUDEDIR [=[${CMAKE_INSTALL_INCLUDEDIR}]=])
    foreach(dir QUOR_FULL_BINDIR QUOR_FULL_LIBDIR QUOR_FULL_INCLUDEDIR)
      cmake_path(ABSOLUTE_PATH \${dir} BASE_DIRECTORY \"\${QUOR_PREFIX}\" NORMALIZE)
    endforeach()
    configure_file([=[${source}]=] [=[${output}]=] @ONLY)
    " COMPONENT ${component})
  install(FILES "${output}" DESTINATION "${destination}" COMPONENT ${component})
endfunction()
