#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
# What a screen reader finds in every window of the program, read over the
# accessibility bus (run by accessibility_session.sh). Starts the windows
# program (every window open at once, anna logged on, bob beside her) and
# checks that
#  - every focusable control in view has a name;
#  - no access key serves two controls of one window;
#  - the log pane reads line by line, each line once;
#  - a text bob sends is announced on the log pane as text inserted at its
#    end.
# Usage: walker.py WINDOWS_PROGRAM. Prints one line per finding.
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

SENT_TEXT = "hello anna, can you hear this"
ANNOUNCE_SECONDS = 10
LISTENER_SETTLE_MS = 300


def fail(text):
    print("FAIL: " + text, file=sys.stderr)
    sys.exit(1)


def find_application(pid):
    """The program's node on the accessibility bus, once it has registered."""
    for _ in range(100):
        for application in pyatspi.Registry.getDesktop(0):
            if application is not None and application.get_process_id() == pid:
                return application
        time.sleep(0.1)
    return None


def has(node, state):
    return node.getState().contains(state)


def nodes(node, path=""):
    """Every node below node in view, with its path of roles and places."""
    for index, child in enumerate(node):
        if child is None or not has(child, pyatspi.STATE_SHOWING):
            continue
        child_path = "%s/%s[%d]" % (path, child.getRoleName(), index)
        yield child, child_path
        yield from nodes(child, child_path)


def access_keys(node):
    """The letters of node's Alt key bindings (as "<Alt>x" or "Alt+X")."""
    try:
        actions = node.queryAction()
    except NotImplementedError:
        return set()
    keys = set()
    for index in range(actions.nActions):
        for binding in actions.getKeyBinding(index).split(";"):
            binding = binding.strip()
            for prefix in ("<Alt>", "Alt+"):
                if binding.startswith(prefix) and len(binding) == len(prefix) + 1:
                    keys.add(binding[-1].lower())
    return keys


def window_title(window, index):
    return "%s %d \"%s\"" % (window.getRoleName(), index, window.name)


def check_window(window, title, findings):
    owners = {}
    for node, path in nodes(window):
        if has(node, pyatspi.STATE_FOCUSABLE) and not node.name.strip():
            findings.append("%s: unnamed %s, %s" % (title, node.getRoleName(), path))
        # A tab list reports its current tab's key, which the tab reports too.
        if node.getRole() == pyatspi.ROLE_PAGE_TAB_LIST:
            continue
        for key in access_keys(node):
            owners.setdefault(key, []).append("%s \"%s\"" % (node.getRoleName(), node.name))
    for key, users in sorted(owners.items()):
        if len(users) > 1:
            findings.append("%s: access key %s used by %s" % (title, key, ", ".join(users)))


def log_pane(window, connected):
    """The main window's log pane: the text holding anna's connection line."""
    for node, _ in nodes(window):
        try:
            text = node.queryText()
        except NotImplementedError:
            continue
        if connected in text.getText(0, -1):
            return node
    return None


def check_lines(pane, connected, findings):
    """Line by line, the pane's text comes out whole, each line once: asked
    at any of its offsets (its end too), a line is the same one."""
    text = pane.queryText()
    read, lines = "", []
    line_end = offset = 0
    while offset < text.characterCount:
        line, start, end = text.getTextAtOffset(offset, pyatspi.TEXT_BOUNDARY_LINE_START)
        if start >= line_end and end > start:
            read += text.getText(line_end, start) + line
            lines.append(line)
            line_end = end
        elif end > line_end:
            findings.append("log pane: %r at offset %d overlaps the line before" % (line, offset))
            return
        offset = max(offset + 1, line_end)
    whole = text.getText(0, -1)
    if read != whole:
        findings.append("log pane: read line by line as %r, holds %r" % (lines, whole))
    if connected not in lines:
        findings.append("log pane: %r is not one line of %r" % (connected, lines))


def check_announcement(program, pane, findings):
    """bob's text is announced on the pane as inserted at its end."""
    heard = []

    def listener(event):
        if event.source == pane:
            heard.append((event.detail1, event.any_data))
            if SENT_TEXT in event.any_data:
                pyatspi.Registry.stop()

    def give_up():
        pyatspi.Registry.stop()
        return False

    def send():
        program.stdin.write("say " + SENT_TEXT + "\n")
        program.stdin.flush()
        return False

    pyatspi.Registry.registerEventListener(listener, "object:text-changed:insert")
    # The program learns of the new listener over the bus before bob sends.
    GLib.timeout_add(LISTENER_SETTLE_MS, send)
    GLib.timeout_add_seconds(ANNOUNCE_SECONDS, give_up)
    pyatspi.Registry.start()
    pyatspi.Registry.deregisterEventListener(listener, "object:text-changed:insert")
    answer = program.stdout.readline().strip()
    if answer != "sent":
        findings.append("bob's text was not sent: %r" % answer)
        return
    count = pane.queryText().characterCount
    for position, inserted in heard:
        if inserted.endswith(SENT_TEXT):
            if position + len(inserted) < count:
                findings.append("log pane: %r announced at %d, not at the end (%d)"
                                % (inserted, position, count))
            return
    findings.append("log pane: bob's text was not announced; heard %r" % heard)


def main():
    program = subprocess.Popen([sys.argv[1]], stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                               text=True)
    try:
        if program.stdout.readline().strip() != "ready":
            fail("the windows program did not open its windows")
        connected = program.stdout.readline().strip()
        program.stdout.readline()  # the names of the logon controls
        application = find_application(program.pid)
        if application is None:
            fail("the program did not appear on the accessibility bus")
        findings = []
        windows = [window for window in application if window is not None]
        for index, window in enumerate(windows):
            check_window(window, window_title(window, index), findings)
        panes = [pane for pane in (log_pane(window, connected) for window in windows) if pane]
        if not panes:
            fail("no window holds the log pane with %r" % connected)
        check_lines(panes[0], connected, findings)
        check_announcement(program, panes[0], findings)
    finally:
        program.stdin.close()
        status = program.wait(timeout=20)
    for finding in findings:
        print(finding)
    if status != 0:
        fail("the windows program ended with status %d" % status)
    if findings:
        fail("%d findings in %d windows" % (len(findings), len(windows)))
    print("PASS: %d windows walked" % len(windows))


if __name__ == "__main__":
    main()
