# SPDX-License-Identifier: MIT
# The reference server with its man page and its systemd unit. The unit
# goes to lib/systemd/system under the prefix, where systemd looks for the
# units of /usr and of /usr/local.
install(TARGETS quord RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT Server)
quor_man_page(quord.1 1 Server)
quor_install_configured(quord.service.in lib/systemd/system Server)
