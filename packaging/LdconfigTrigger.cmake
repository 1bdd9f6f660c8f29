# SPDX-License-Identifier: MIT
# Run by CPack once it has built the packages (CPACK_POST_BUILD_SCRIPTS).
# CPack gives a package with a shared library below /usr/lib a postinst and
# a postrm that only call ldconfig. The library package activates dpkg's
# ldconfig trigger instead (its triggers file), which refreshes the loader's
# cache once per dpkg run, so this rebuilds it without those two scripts.
# Scripts that do anything else are a fault here rather than lost.
find_program(DPKG_DEB dpkg-deb REQUIRED)
if(NOT CPACK_DEBIAN_COMPRESSION_TYPE)
  set(CPACK_DEBIAN_COMPRESSION_TYPE gzip)
endif()

foreach(deb IN LISTS CPACK_PACKAGE_FILES)
  get_filename_component(name ${deb} NAME)
  if(NOT name MATCHES "^${CPACK_QUOR_LIBRARY_PACKAGE}_.*\\.deb$")
    continue()
  endif()
  set(tree ${deb}.tree)
  file(REMOVE_RECURSE ${tree})
  execute_process(COMMAND ${DPKG_DEB} --raw-extract ${deb} ${tree} COMMAND_ERROR_IS_FATAL ANY)
  foreach(script postinst postrm)
    set(path ${tree}/DEBIAN/${script})
    if(NOT EXISTS ${path})
      continue()
    endif()
    file(READ ${path} text)
    if(NOT text MATCHES "^#!/bin/sh\n+set -e\n+if \\[ \"\\$1\" = \"[a-z]+\" \\]; then\n\tldconfig\nfi\n*$")
      message(FATAL_ERROR "${name}: its ${script} does more than call ldconfig:\n${text}")
    endif()
    file(REMOVE ${path})
  endforeach()
  execute_process(COMMAND ${DPKG_DEB} --root-owner-group -Z${CPACK_DEBIAN_COMPRESSION_TYPE}
    --build ${tree} ${deb} OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
  file(REMOVE_RECURSE ${tree})
endforeach()
