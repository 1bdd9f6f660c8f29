# SPDX-License-Identifier: MIT
# The library for programs that run against it (Library) and everything to
# build against it (Development): quor.h, the adapter headers under
# include/quor/adapters/, the unversioned .so link, quor.pc and the CMake
# package that gives quor::quor.
set(QUOR_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/quor)

install(TARGETS quor EXPORT quorTargets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT Library NAMELINK_COMPONENT Development)
install(FILES ${PROJECT_SOURCE_DIR}/quor/include/quor.h
  DESTINATION ${CMAKE_INSTALL_INCLUDEDIR} COMPONENT Development)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/quor/adapters/include/quor
  DESTINATION ${CMAKE_INSTALL_INCLUDEDIR} COMPONENT Development)

install(EXPORT quorTargets NAMESPACE quor:: DESTINATION ${QUOR_CMAKE_DIR} COMPONENT Development)
include(CMakePackageConfigHelpers)
configure_package_config_file(quorConfig.cmake.in ${CMAKE_CURRENT_BINARY_DIR}/quorConfig.cmake
  INSTALL_DESTINATION ${QUOR_CMAKE_DIR})
# The soname changes with every incompatible release, and so does the major
# version: a request for 14 accepts any 14.x.
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/quorConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/quorConfig.cmake
              ${CMAKE_CURRENT_BINARY_DIR}/quorConfigVersion.cmake
  DESTINATION ${QUOR_CMAKE_DIR} COMPONENT Development)

quor_install_configured(quor.pc.in ${CMAKE_INSTALL_LIBDIR}/pkgconfig Development)
