#!/usr/bin/python3
# Wendle's window read through the accessibility bus (AT-SPI), as Orca reads it: the fields named
# by their labels and the buttons by their captions, each with its role; Tab moving through them
# in the window's tab order; and the unsaved-work question and the about box with their buttons.
# Keys go to the real window through xdotool. Exits 1 with a message at the first difference.
import subprocess
import sys
import time

import pyatspi

FIELDS = ["Title", "Text"]
BUTTONS = ["Save As...", "Build", "Open...", "Template...", "New", "Save", "Build As..."]


def until(what, find):
    for _ in range(200):
        found = find()
        if found:
            return found
        time.sleep(0.1)
    sys.exit(f"a11y: FAIL: {what}")


def tree(node):
    yield node
    for child in node:
        if child is not None:
            yield from tree(child)


def windows():
    apps = [a for a in pyatspi.Registry.getDesktop(0) if a is not None and a.name == "wendle"]
    return [w for a in apps for w in a if w is not None]


def focused():
    return [n.name for w in windows() for n in tree(w) if n.getState().contains(pyatspi.STATE_FOCUSED)
            and n.getRoleName() in ("text", "push button")]


def key(name):
    subprocess.run(["xdotool", "key", "--clearmodifiers", name], check=True)


def dialog_with(text):
    def find():
        for w in windows():
            nodes = list(tree(w))
            if any(text in n.name for n in nodes):
                return [n.name for n in nodes if n.getRoleName() == "push button"]
    return until(f"no window says '{text}'", find)


def focus_main():
    # Without a window manager, keys reach the window only once it has the keyboard focus.
    subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name", "^Tasco's Wendle$",
                    "windowfocus", "--sync"], check=True)


main = until("no window of wendle's on the bus", windows)[0]
focus_main()
controls = [(n.getRoleName(), n.name, n.getState().contains(pyatspi.STATE_EDITABLE))
            for n in main if n.getRoleName() in ("text", "push button")]
expected = [("text", n, True) for n in FIELDS] + [("push button", n, False) for n in BUTTONS]
if controls != expected:
    sys.exit(f"a11y: FAIL: controls {controls}, expected {expected}")
for name in FIELDS[1:] + BUTTONS + FIELDS[:1]:
    key("Tab")
    until(f"Tab did not reach {name}: {focused()}", lambda: focused() == [name])
subprocess.run(["xdotool", "type", "x"], check=True)
key("Escape")
if sorted(dialog_with("not saved")) != ["Cancel", "Discard", "Save"]:
    sys.exit("a11y: FAIL: the unsaved-work question lacks its buttons")
key("Escape")
until("the question stayed", lambda: not any("not saved" in n.name for w in windows() for n in tree(w)))
focus_main()
key("F1")
if dialog_with("v0.5") != ["OK"]:
    sys.exit("a11y: FAIL: the about box lacks its button")
key("Return")
print("a11y: passed")
