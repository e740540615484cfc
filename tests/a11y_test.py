#!/usr/bin/python3
# Wendle's window read through the accessibility bus (AT-SPI), as Orca reads it: the fields named
# by their labels, the buttons and the check box by their captions, each with its role; Tab moving through them
# in the window's tab order; and the unsaved-work question and the about box with their buttons.
# Keys go to the real window through xdotool. Exits 1 with a message at the first difference.
import subprocess, sys, time
import pyatspi

FIELDS, BUTTONS = ["Title", "Text"], ["Save As...", "Build", "Open...", "Template...", "New",
                                      "Save", "Build As..."]
CHECKS = ["Markdown"]
ROLES = ("text", "push button", "check box")


def until(what, find):
    for _ in range(200):
        if found := find():
            return found
        time.sleep(0.1)
    sys.exit(f"a11y: FAIL: {what}")


def nodes(role=None):  # every node of wendle's windows, or those of one role
    def tree(node):
        yield node
        for child in filter(None, node):
            yield from tree(child)
    apps = [a for a in filter(None, pyatspi.Registry.getDesktop(0)) if a.name == "wendle"]
    return [n for a in apps for w in filter(None, a) for n in tree(w) if role in (None, n.getRoleName())]


def key(*keys, focus=[]):
    # Without a window manager, keys reach the main window only once it has the keyboard focus.
    subprocess.run(["xdotool", *focus, "key", "--clearmodifiers", *keys], check=True)


MAIN = ["search", "--sync", "--onlyvisible", "--name", "^Tasco's Wendle$", "windowfocus", "--sync"]


until("no window of wendle's on the bus", nodes)
controls = [(n.getRoleName(), n.name, n.getState().contains(pyatspi.STATE_EDITABLE))
            for n in nodes() if n.getRoleName() in ROLES]
expected = ([("text", n, True) for n in FIELDS] + [("push button", n, False) for n in BUTTONS]
            + [("check box", n, False) for n in CHECKS])
if controls != expected:
    sys.exit(f"a11y: FAIL: controls {controls}, expected {expected}")
for name in FIELDS[1:] + BUTTONS + CHECKS + FIELDS[:1]:
    key("Tab", focus=MAIN if name == "Text" else [])
    until(f"Tab did not reach {name}", lambda: [n.name for n in nodes() if n.getRoleName() in ROLES
                                                and n.getState().contains(pyatspi.STATE_FOCUSED)] == [name])
for keys, focus, says, buttons in [(["x", "Escape"], [], "not saved", ["Cancel", "Discard", "Save"]),
                                   (["F1"], MAIN, "v0.5", ["OK"])]:
    key(*keys, focus=focus)
    until(f"no window says '{says}' with {buttons}", lambda: any(says in n.name for n in nodes())
          and sorted(n.name for n in nodes("push button")) == sorted(BUTTONS + buttons))
    key("Escape")
print("a11y: passed")
