# SPDX-License-Identifier: MIT
# Debian packages, one per install component, by `make package` into the
# build folder. Dependencies on system libraries come from dpkg-shlibdeps;
# the one on libquor, which no installed package provides yet, is declared.
# Each package's Debian files (changelog, maintainer scripts, triggers) are
# in debian/<package>/.
get_target_property(QUOR_SOVERSION quor SOVERSION)
set(QUOR_LIBRARY_PACKAGE libquor${QUOR_SOVERSION})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quor)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The HB Quor developers")
set(CPACK_PACKAGE_CONTACT "The HB Quor developers <hbquor@example.org>")
set(CPACK_OUTPUT_FILE_PREFIX ${CMAKE_BINARY_DIR})
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/_packages)
# Install with DESTDIR and the final prefix, so that the files configured at
# install time (quor.pc, quord.service) name /usr, not the staging folder.
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# dpkg-shlibdeps finds the built libquor here; its dependency is declared.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${PROJECT_BINARY_DIR}/quor)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://example.org/hbquor")
include(DebianDocs.cmake)

set(CPACK_COMPONENTS_ALL Library Development)
set(CPACK_DEBIAN_LIBRARY_PACKAGE_NAME ${QUOR_LIBRARY_PACKAGE})
set(CPACK_DEBIAN_LIBRARY_PACKAGE_SECTION libs)
# The loader's cache follows the library through dpkg's ldconfig trigger,
# not through the ldconfig calls CPack would add.
set(CPACK_DEBIAN_LIBRARY_PACKAGE_CONTROL_EXTRA
  ${CMAKE_CURRENT_SOURCE_DIR}/debian/${QUOR_LIBRARY_PACKAGE}/triggers)
set(CPACK_QUOR_LIBRARY_PACKAGE ${QUOR_LIBRARY_PACKAGE})
set(CPACK_POST_BUILD_SCRIPTS ${CMAKE_CURRENT_SOURCE_DIR}/LdconfigTrigger.cmake)
quor_debian_docs(Library ${QUOR_LIBRARY_PACKAGE})
# A shlibs file for every package with a shared library: only libquor14.
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS_POLICY ">=")
set(CPACK_DEBIAN_LIBRARY_DESCRIPTION "client protocol library for the Quor text chat service
libquor opens connections to a Quor chat server, speaks its protocol of
476-byte records, keeps up to 50 sessions and reports every server event
through callbacks. It runs on the caller's thread, driven by one descriptor.")

set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_NAME libquor-dev)
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_SECTION libdevel)
quor_debian_docs(Development libquor-dev)
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_DEPENDS "${QUOR_LIBRARY_PACKAGE} (= ${PROJECT_VERSION})")
set(CPACK_DEBIAN_DEVELOPMENT_DESCRIPTION "development files for libquor, the Quor chat client library
The header quor.h, the event-loop adapters for poll, GLib, libuv and Qt,
the pkg-config file quor.pc and the CMake package that gives quor::quor.")

if(TARGET hbquor)
  list(APPEND CPACK_COMPONENTS_ALL Program)
  set(CPACK_DEBIAN_PROGRAM_PACKAGE_NAME hbquor)
  set(CPACK_DEBIAN_PROGRAM_PACKAGE_SECTION net)
  quor_debian_docs(Program hbquor)
  set(CPACK_DEBIAN_PROGRAM_PACKAGE_DEPENDS "${QUOR_LIBRARY_PACKAGE} (>= ${PROJECT_VERSION})")
  # Qt's own texts (standard buttons) in the languages the program speaks.
  set(CPACK_DEBIAN_PROGRAM_PACKAGE_RECOMMENDS "qt6-translations-l10n")
  set(CPACK_DEBIAN_PROGRAM_DESCRIPTION "desktop client for the Quor text chat service
HB Quor logs on to a Quor chat server, keeps a contact list with online
states, and sends texts to users and channels. It joins, lists and leaves
channels, pings users, creates accounts and shows user profiles, and keeps
a time-stamped log of every event.")
endif()

if(TARGET quord)
  list(APPEND CPACK_COMPONENTS_ALL Server)
  set(CPACK_DEBIAN_SERVER_PACKAGE_NAME quord)
  set(CPACK_DEBIAN_SERVER_PACKAGE_SECTION net)
  set(CPACK_DEBIAN_SERVER_PACKAGE_CONTROL_EXTRA
    ${CMAKE_CURRENT_SOURCE_DIR}/debian/quord/postinst
    ${CMAKE_CURRENT_SOURCE_DIR}/debian/quord/prerm
    ${CMAKE_CURRENT_SOURCE_DIR}/debian/quord/postrm)
  quor_debian_docs(Server quord)
  set(CPACK_DEBIAN_SERVER_DESCRIPTION "reference chat server for the Quor text chat service
quord serves accounts, private and offline texts, channels, contacts and
profiles. It keeps its data in SQLite and writes mails as files. A systemd
unit runs it as a hardened service with its data in /var/lib/quord.")
endif()

include(CPack)
