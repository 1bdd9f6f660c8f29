#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs a command in a desktop session of its own, as a screen reader sees
# the program: Xvfb on a free display with the openbox window manager, a
# private session bus, and on it the accessibility bus (at-spi-bus-launcher,
# which starts the registry) with Qt's bridge switched on for every Qt
# program the command starts. Nothing of the user's own (home, settings,
# session bus) is read or written.
# Usage: accessibility_session.sh COMMAND [ARGUMENT ...]. Exits with the
# command's status, or 77 (skipped) when the display, the session bus or
# the accessibility bus cannot start.
set -uo pipefail

# shellcheck source=../desktop/display_session.sh
source "$(dirname "$0")/../desktop/display_session.sh"
export QT_ACCESSIBILITY=1 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
unset AT_SPI_BUS_ADDRESS DBUS_SESSION_BUS_ADDRESS

command -v dbus-daemon >/dev/null || skip "dbus-daemon is not installed"
launcher=/usr/libexec/at-spi-bus-launcher
[ -x "$launcher" ] || skip "the accessibility bus ($launcher) is not installed"
start_display 1280 1024

# A private session bus; it writes its address once it listens.
dbus-daemon --session --nofork --nopidfile --print-address=3 3>"$work/bus" 2>"$work/bus.log" &
background+=($!)
wait_for 50 test -s "$work/bus" || skip "the session bus could not start: $(tail -n 3 "$work/bus.log")"
DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$work/bus")
export DBUS_SESSION_BUS_ADDRESS

"$launcher" --launch-immediately >"$work/a11y.log" 2>&1 &
background+=($!)
a11y_bus() {
  dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
    2>/dev/null | grep -q 'string "unix:'
}
wait_for 100 a11y_bus || skip "the accessibility bus could not start: $(tail -n 3 "$work/a11y.log")"

"$@"
