# SPDX-License-Identifier: MIT
# Sourced by the tests that run the program on a real window system: a
# temporary folder ($work) removed at exit together with the processes
# started in the background (the newest first), a home of its own so that
# nothing of the user's is read or written, fail, skip and wait_for, and
# start_display: Xvfb on a free display with the openbox window manager.
work=$(mktemp -d)
background=()
cleanup() {
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
export QT_QPA_PLATFORM=xcb
unset QT_SCALE_FACTOR WAYLAND_DISPLAY SESSION_MANAGER

# Waits up to $1 tenths of a second for the command after it to succeed.
wait_for() {
  local tenths=$1
  shift
  for _ in $(seq "$tenths"); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}

# Starts Xvfb with a screen of $1 x $2 pixels and openbox on it and exports
# DISPLAY; skips when Xvfb cannot start.
start_display() {
  command -v Xvfb >/dev/null || skip "Xvfb is not installed"
  local tool
  for tool in openbox xprop; do
    command -v "$tool" >/dev/null || fail "$tool is missing (scripts/bootstrap installs it)"
  done
  # Xvfb chooses a free display itself and writes its number once it listens.
  Xvfb -displayfd 3 -nolisten tcp -screen 0 "$1x$2x24" 3>"$work/display" 2>"$work/xvfb.log" &
  background+=($!)
  wait_for 100 test -s "$work/display" || skip "Xvfb could not start: $(tail -n 3 "$work/xvfb.log")"
  DISPLAY=:$(head -n 1 "$work/display")
  export DISPLAY
  openbox --sm-disable >"$work/openbox.log" 2>&1 &
  background+=($!)
  wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
  wait_for 100 wm_running || fail "openbox did not start: $(tail -n 3 "$work/openbox.log")"
}
