#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The program on a real window system: Xvfb on a free display with the
# openbox window manager. Checks that
#  - a first start, and a start with a stored place that is on no screen,
#    centre the main window's frame fully on the screen;
#  - the frame stays exactly where it was across three restarts;
#  - the window starts at its layout's size, grows, maximises and is
#    restored through the window manager, and keeps its size (and being
#    maximised) across restarts; a stored size below the layout's is raised;
#  - the window manager shows exactly the titles the program sets, for the
#    main window and for the exit question's box;
#  - SIGTERM, even with the exit question open, saves the settings (the
#    frame's place among them) and ends the program with status 0;
#  - every label of every window shows in full, at scale 1 and at scale 2, in
#    English and in German.
# Usage: desktop_test.sh PROGRAM WINDOWS_TEST WINDOW_STATE. Exits 77
# (skipped) only when Xvfb cannot start.
set -uo pipefail

program=$1
windows_test=$2
window_state=$3

# shellcheck source=display_session.sh
source "$(dirname "$0")/display_session.sh"
# Not the user's session bus either: a bus address where none listens
# (without any address, libdbus would try to launch a bus of its own).
export DBUS_SESSION_BUS_ADDRESS=unix:path=$work/no-session-bus
unset LANGUAGE LC_ALL LC_MESSAGES
export LANG=C.UTF-8

for tool in xwininfo xdotool; do
  command -v "$tool" >/dev/null || fail "$tool is missing (scripts/bootstrap installs it)"
done

# ---- The display and its window manager ----
screen_width=1280
screen_height=1024
start_display $screen_width $screen_height

# ---- The program, in a folder of its own (it keeps its files beside itself) ----
folder=$work/program
mkdir -p "$folder"
cp "$program" "$folder/hbquor" || fail "cannot copy $program"
settings=$folder/hbquor.ini

# Writes the settings file with the given position lines; the program never
# connects unless someone logs on, and then only to a closed loopback port.
write_settings() {
  printf '[Parameters]\nQuorHost=127.0.0.1\nQuorPort=1\nLogChat=0\n%s' "$1" >"$settings"
}

setting() { sed -n "s/^$1=//p" "$settings" | tr -d '\r'; }

# The value of a window property, as xprop prints it after " = ".
property() { xprop -id "$1" -notype "$2" 2>/dev/null | sed -n 's/^[^=]* = //p'; }

# Sets wid to the main window of the running program.
main_window() {
  wid=$(xwininfo -root -tree | awk '/"  HB Quor Client / { print $1; exit }')
  [ -n "$wid" ]
}

# Sets frame_x, frame_y, frame_w and frame_h from the window manager's frame
# of window wid.
read_frame() {
  local info extents left right top bottom
  info=$(xwininfo -id "$wid")
  extents=$(property "$wid" _NET_FRAME_EXTENTS)
  IFS=', ' read -r left right top bottom <<<"$extents"
  frame_x=$(($(awk '/Absolute upper-left X/ { print $4 }' <<<"$info") - left))
  frame_y=$(($(awk '/Absolute upper-left Y/ { print $4 }' <<<"$info") - top))
  frame_w=$(($(awk '/Width:/ { print $2 }' <<<"$info") + left + right))
  frame_h=$(($(awk '/Height:/ { print $2 }' <<<"$info") + top + bottom))
}

framed() { [ -n "$(property "$wid" _NET_FRAME_EXTENTS)" ]; }

# Starts the program and waits until the window manager has framed its main
# window.
start_program() {
  "$folder/hbquor" >>"$work/program.log" 2>&1 &
  program_pid=$!
  wait_for 150 main_window || fail "no main window appeared: $(tail -n 5 "$work/program.log")"
  wait_for 50 framed || fail "the window was not framed"
}

# True when the frame's corner is at $1,$2.
frame_at() {
  read_frame
  [ "$frame_x,$frame_y" = "$1,$2" ]
}

# True when the frame lies fully on the screen, centred to a pixel.
frame_centred() {
  read_frame
  local dx=$((2 * frame_x + frame_w - screen_width)) dy=$((2 * frame_y + frame_h - screen_height))
  [ "$frame_x" -ge 0 ] && [ "$frame_y" -ge 0 ] &&
    [ $((frame_x + frame_w)) -le $screen_width ] && [ $((frame_y + frame_h)) -le $screen_height ] &&
    [ "${dx#-}" -le 2 ] && [ "${dy#-}" -le 2 ]
}

# Ends the program with SIGTERM; it must save and exit with status 0.
terminate_program() {
  kill -TERM "$program_pid"
  local status=0
  wait "$program_pid" || status=$?
  [ "$status" -eq 0 ] ||
    fail "SIGTERM ended the program with status $status: $(tail -n 20 "$work/program.log")"
}

# The program places the frame again once the window manager has framed it;
# these wait for that (bounded) and then insist.
expect_centred() {
  wait_for 50 frame_centred ||
    fail "$1: frame ${frame_w}x${frame_h}+$frame_x+$frame_y is not fully on the screen and centred"
}

expect_frame_at() {
  wait_for 50 frame_at "$1" "$2" || fail "$3 put the frame at $frame_x,$frame_y, not $1,$2"
  # and it stays there
  sleep 0.5
  frame_at "$1" "$2" || fail "$3 moved the frame on to $frame_x,$frame_y"
}

# ---- First start: centred, exact title, exit question, SIGTERM saves ----
write_settings ""
start_program
expect_centred "first start"
title=$(property "$wid" _NET_WM_NAME)
[ "$title" = '"  HB Quor Client  - disconnected"' ] || fail "main window title is $title"

# Closing through the window manager (its Alt+F4) asks the exit question in
# a box. The key goes to the active window, so it is sent again should the
# window not have been active yet.
question_box() {
  box=$(xdotool search --onlyvisible --pid "$program_pid" 2>/dev/null | while read -r w; do
    [ "$((w))" -ne "$((wid))" ] && echo "$w" && break
  done)
  [ -n "$box" ]
}
for _ in 1 2 3; do
  xdotool windowactivate --sync "$wid" >/dev/null 2>&1
  xdotool key --clearmodifiers alt+F4
  wait_for 30 question_box && break
done
question_box || fail "closing the window showed no exit question"
box_title=$(property "$box" _NET_WM_NAME)
[ "$box_title" = '"HB Quor"' ] || fail "the exit question's box is titled $box_title"
# The desktop session ends while the question is open: saved all the same.
read_frame
terminate_program
[ "$(setting wndMainLeft)" = "$frame_x" ] && [ "$(setting wndMainTop)" = "$frame_y" ] ||
  fail "saved place $(setting wndMainLeft),$(setting wndMainTop) is not the frame's $frame_x,$frame_y"

# ---- Three restarts at a place the user chose: the frame stays there ----
write_settings $'wndMainLeft=300\nwndMainTop=460\n'
for start in 1 2 3; do
  start_program
  expect_frame_at 300 460 "start $start"
  terminate_program
  [ "$(setting wndMainLeft),$(setting wndMainTop)" = "300,460" ] ||
    fail "start $start saved $(setting wndMainLeft),$(setting wndMainTop), not 300,460"
done

# ---- A stored place on no screen ----
write_settings $'wndMainLeft=5000\nwndMainTop=-900\n'
start_program
expect_centred "start with a place off the screen"
terminate_program

# ---- Sizes: grown, maximised and restored, kept across restarts ----
# Sets size_w and size_h to the inside of window wid (without the frame).
read_size() {
  local info
  info=$(xwininfo -id "$wid")
  size_w=$(awk '/Width:/ { print $2 }' <<<"$info")
  size_h=$(awk '/Height:/ { print $2 }' <<<"$info")
}
size_is() {
  read_size
  [ "$size_w,$size_h" = "$1,$2" ]
}
maximised() {
  local state
  state=$(property "$wid" _NET_WM_STATE)
  [[ $state == *_NET_WM_STATE_MAXIMIZED_VERT* && $state == *_NET_WM_STATE_MAXIMIZED_HORZ* ]]
}
screen_wide() {
  read_size
  [ "$size_w" -eq "$screen_width" ]
}
expect_saved_size() {
  local saved
  saved="$(setting wndMainWidth)x$(setting wndMainHeight) maximised $(setting wndMainMaximized)"
  [ "$saved" = "$1" ] || fail "$2 saved the size $saved, not $1"
}

write_settings ""
start_program
read_size
start_w=$size_w
start_h=$size_h
[ "$start_w" -eq 540 ] || fail "the window starts ${start_w} wide, not 540"
xdotool windowsize "$wid" 800 600
wait_for 50 size_is 800 600 || fail "the window did not grow to 800x600: ${size_w}x${size_h}"
terminate_program
expect_saved_size "800x600 maximised 0" "a grown window"

start_program
wait_for 50 size_is 800 600 || fail "a restart opened ${size_w}x${size_h}, not 800x600"
"$window_state" "$wid" maximize || fail "cannot ask the window manager to maximise"
wait_for 50 maximised || fail "the window manager did not maximise the window"
wait_for 50 screen_wide || fail "the maximised window is ${size_w} wide, not $screen_width"
terminate_program
expect_saved_size "800x600 maximised 1" "a maximised window"

start_program
wait_for 50 maximised || fail "a restart did not maximise the window again"
"$window_state" "$wid" restore || fail "cannot ask the window manager to restore"
wait_for 50 size_is 800 600 || fail "restored to ${size_w}x${size_h}, not 800x600"
terminate_program
expect_saved_size "800x600 maximised 0" "a restored window"

write_settings $'wndMainWidth=200\nwndMainHeight=100\n'
start_program
wait_for 50 size_is "$start_w" "$start_h" ||
  fail "a stored 200x100 opened ${size_w}x${size_h}, not the layout's ${start_w}x${start_h}"
terminate_program

# ---- Every label of every window, at scale 1 and 2, in English and in German,
# each window in a fresh program ----
failures=0
checks=0
for language in C.UTF-8 de_DE.UTF-8; do
  for scale in 1 2; do
    while read -r _ function tag; do
      # The other checks do not depend on the language.
      [ "$language" = C.UTF-8 ] || [[ $function == everyLabel* ]] || continue
      name=$function${tag:+:$tag}
      checks=$((checks + 1))
      if ! LANG=$language QT_SCALE_FACTOR=$scale "$windows_test" "$name" >"$work/windows.log" 2>&1; then
        echo "FAIL: $name at scale $scale in $language:" >&2
        grep -E 'FAIL|Loc|needs' "$work/windows.log" >&2
        failures=$((failures + 1))
      fi
    done < <("$windows_test" -datatags 2>/dev/null)
  done
done
[ "$checks" -gt 0 ] || fail "the window test listed no checks"
[ "$failures" -eq 0 ] || fail "$failures of $checks window checks failed"
echo "PASS: program starts, sizes and $checks window checks on display $DISPLAY"
