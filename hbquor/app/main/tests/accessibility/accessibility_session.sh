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

work=$(mktemp -d)
background=()
cleanup() {
  # The newest first: the accessibility bus before the session bus it uses.
  for ((i = ${#background[@]} - 1; i >= 0; i--)); do kill "${background[i]}" 2>/dev/null; done
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }
skip() { echo "SKIP: $*"; exit 77; }

export HOME=$work/home
export XDG_CONFIG_HOME=$HOME/.config XDG_DATA_HOME=$HOME/.local/share
export XDG_CACHE_HOME=$HOME/.cache XDG_RUNTIME_DIR=$work/runtime
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
export QT_QPA_PLATFORM=xcb QT_ACCESSIBILITY=1 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
unset QT_SCALE_FACTOR WAYLAND_DISPLAY SESSION_MANAGER AT_SPI_BUS_ADDRESS DBUS_SESSION_BUS_ADDRESS

command -v Xvfb >/dev/null || skip "Xvfb is not installed"
command -v dbus-daemon >/dev/null || skip "dbus-daemon is not installed"
launcher=/usr/libexec/at-spi-bus-launcher
[ -x "$launcher" ] || skip "the accessibility bus ($launcher) is not installed"
command -v openbox >/dev/null || fail "openbox is missing (scripts/bootstrap installs it)"

wait_for() {
  local tenths=$1
  shift
  for _ in $(seq "$tenths"); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}

Xvfb -displayfd 3 -nolisten tcp -screen 0 1280x1024x24 3>"$work/display" 2>"$work/xvfb.log" &
background+=($!)
wait_for 100 test -s "$work/display" || skip "Xvfb could not start: $(tail -n 3 "$work/xvfb.log")"
DISPLAY=:$(head -n 1 "$work/display")
export DISPLAY

openbox --sm-disable >"$work/openbox.log" 2>&1 &
background+=($!)

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
