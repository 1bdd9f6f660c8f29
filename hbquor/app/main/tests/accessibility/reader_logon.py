#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
# A screen-reader user logs on, hears a text arrive and answers it, without
# sight of the screen (run by accessibility_session.sh): every control is
# found by the name a screen reader speaks, typed into through the keyboard
# and pressed through its accessible action. Starts the windows program
# with --logon (anna's main window, not logged on; bob beside her).
# Usage: reader_logon.py WINDOWS_PROGRAM.
import subprocess
import sys
import time

import pyatspi

from walker import fail, find_application, has, log_pane, nodes

HEARD_TEXT = "hello anna, are you there"
ANSWER = "yes bob, loud and clear"
RETURN_KEYSYM = 0xFF0D


def wait_until(check, seconds=10):
    end = time.time() + seconds
    while time.time() < end:
        result = check()
        if result:
            return result
        time.sleep(0.1)
    return None


def control(window, name, role):
    """The control in view that a screen reader announces as name."""
    for node, _ in nodes(window):
        if node.name == name and node.getRole() == role:
            return node
    fail("no %s named %r in the main window" % (pyatspi.Role(role), name))


def type_into(node, text):
    """Moves the focus to node and types text as the keyboard would."""
    node.queryComponent().grabFocus()
    if not wait_until(lambda: has(node, pyatspi.STATE_FOCUSED)):
        fail("%r did not take the focus" % node.name)
    pyatspi.Registry.generateKeyboardEvent(0, text, pyatspi.KEY_STRING)
    if not wait_until(lambda: node.queryText().characterCount == len(text)):
        fail("typing into %r gave %d characters, not %d"
             % (node.name, node.queryText().characterCount, len(text)))


def ask(program, command):
    program.stdin.write(command + "\n")
    program.stdin.flush()
    return program.stdout.readline().strip()


def main():
    program = subprocess.Popen([sys.argv[1], "--logon"], stdin=subprocess.PIPE,
                               stdout=subprocess.PIPE, text=True)
    try:
        if program.stdout.readline().strip() != "ready":
            fail("the windows program did not show its window")
        connected = program.stdout.readline().strip()
        user, password, logon, target, say = program.stdout.readline().rstrip("\n").split("\t")
        application = find_application(program.pid)
        if application is None:
            fail("the program did not appear on the accessibility bus")
        window = application[0]

        type_into(control(window, user, pyatspi.ROLE_TEXT), "anna")
        type_into(control(window, password, pyatspi.ROLE_PASSWORD_TEXT), "anna-pw")
        control(window, logon, pyatspi.ROLE_PUSH_BUTTON).queryAction().doAction(0)
        pane = wait_until(lambda: log_pane(window, connected))
        if pane is None:
            fail("no %r in the log pane after pressing %r" % (connected, logon))

        if ask(program, "say " + HEARD_TEXT) != "sent":
            fail("bob's text was not sent")
        if not wait_until(lambda: HEARD_TEXT in pane.queryText().getText(0, -1)):
            fail("bob's text cannot be read in the log pane")

        type_into(control(window, target, pyatspi.ROLE_TEXT), "bob")
        type_into(control(window, say, pyatspi.ROLE_TEXT), ANSWER)
        pyatspi.Registry.generateKeyboardEvent(RETURN_KEYSYM, None, pyatspi.KEY_SYM)
        if ask(program, "heard " + ANSWER) != "heard":
            fail("bob did not get the answer typed into %r" % say)
    finally:
        program.stdin.close()
        status = program.wait(timeout=20)
    if status != 0:
        fail("the windows program ended with status %d" % status)
    print("PASS: logged on, heard bob and answered him through the accessibility bus")


if __name__ == "__main__":
    main()
