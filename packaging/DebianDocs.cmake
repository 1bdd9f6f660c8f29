# SPDX-License-Identifier: MIT
# What Debian wants in /usr/share/doc/<package>/ of every package: the
# copyright file in the machine-readable format, made from LICENSE so that
# the two cannot disagree, and the package's changelog from
# debian/<package>/changelog. The packages are native (their version has no
# Debian revision), so the changelog is installed as changelog.gz. Only the
# packages get these files; `make install` leaves them out.
file(READ ${PROJECT_SOURCE_DIR}/LICENSE licence)
if(NOT licence MATCHES "\nCopyright \\(c\\) ([^\n]+)\n\n(Permission is hereby granted.*[^\n])\n*$")
  message(FATAL_ERROR "LICENSE does not hold one copyright line followed by the MIT terms")
endif()
set(QUOR_COPYRIGHT ${CMAKE_MATCH_1})
# The terms as a field's continuation lines: each indented by a space, an
# empty line written as " .".
string(REPLACE "\n\n" "\n.\n" QUOR_LICENSE_TEXT " ${CMAKE_MATCH_2}")
string(REPLACE "\n" "\n " QUOR_LICENSE_TEXT "${QUOR_LICENSE_TEXT}")
configure_file(debian/copyright.in ${CMAKE_CURRENT_BINARY_DIR}/debian/copyright @ONLY)

# quor_debian_docs(COMPONENT PACKAGE) gives the package of COMPONENT its
# copyright file and changelog.
function(quor_debian_docs component package)
  set(changelog debian/${package}/changelog)
  if(NOT EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${changelog})
    message(FATAL_ERROR "The package ${package} has no changelog: packaging/${changelog} is missing")
  endif()
  set(doc ${CMAKE_INSTALL_DATAROOTDIR}/doc/${package})
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/debian/copyright
    DESTINATION ${doc} COMPONENT ${component} EXCLUDE_FROM_ALL)
  quor_install_gzipped(${changelog} ${doc} changelog.gz ${component} EXCLUDE_FROM_ALL)
endfunction()
