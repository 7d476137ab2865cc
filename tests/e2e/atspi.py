#!/usr/bin/python3
# The program as the accessibility bus shows it, where nothing else can see into a Wayland
# desktop (Weston, GNOME, KDE): its windows and their sizes, the face's time, its buttons.
#   atspi.py PID window TITLE-REGEX   "WIDTH HEIGHT" of that showing window; fails when none
#   atspi.py PID face                 the time the face shows, as a screen reader reads it
#   atspi.py PID press NAME-REGEX     presses the button of that name
#   atspi.py PID apps                 the names of the applications the program has on the bus
import re
import sys

import pyatspi


def apps(pid):
    desktop = pyatspi.Registry.getDesktop(0)
    return [a for a in desktop if a is not None and a.get_process_id() == pid]


def walk(node, depth=0):
    yield node
    if depth < 12:
        for child in node:
            if child is not None:
                yield from walk(child, depth + 1)


def main():
    pid, what = int(sys.argv[1]), sys.argv[2]
    found = apps(pid)
    if what == "apps":
        print("\n".join(a.name for a in found))
        return 0
    nodes = [n for a in found for n in walk(a)]
    if what == "window":
        for n in [w for a in found for w in a]:  # the top-level windows
            if re.search(sys.argv[3], n.name) and n.getState().contains(pyatspi.STATE_SHOWING):
                size = n.queryComponent().getSize()
                print(size[0], size[1])
                return 0
    elif what == "face":
        for n in nodes:
            if re.fullmatch(r"\d\d:\d\d:\d\d", n.name or ""):
                print(n.name)
                return 0
    elif what == "press":
        for n in nodes:
            if n.getRole() == pyatspi.ROLE_PUSH_BUTTON and re.fullmatch(sys.argv[3], n.name):
                n.queryAction().doAction(0)
                return 0
    return 1


sys.exit(main())
