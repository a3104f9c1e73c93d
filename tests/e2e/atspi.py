#!/usr/bin/python3
"""Reads the running program through the accessibility bus, as a screen
reader does (AT-SPI, with pyatspi), and works it through the accessibility
action interface alone: no mouse, no key.

  atspi.py APPLICATION_NAME
  atspi.py APPLICATION_NAME --press BUTTON

Prints one line per check ("ok: ..." or "FAIL: ...") and exits 1 if any
failed. With --press it only presses the push button named BUTTON in the
window (on Wayland, a button of the frame's title bar)."""

import os
import sys
import time

import pyatspi

failed = 0
passed = 0
CAPTION = os.environ["tavelin_caption"]  # the window's, from scripts/version.sh


def check(what, condition):
    global failed, passed
    if condition:
        passed += 1
        print("ok: " + what)
    else:
        failed += 1
        print("FAIL: " + what)
    return condition


def poll(seconds, fn):
    """fn() until it is true or the time is up; its last value."""
    deadline = time.monotonic() + seconds
    while True:
        value = fn()
        if value or time.monotonic() > deadline:
            return value
        time.sleep(0.1)


def application(name):
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name == name:
            return app
    return None


def descendants(node):
    out = []
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            out.append(child)
            out.extend(descendants(child))
    return out


def find(nodes, role, name):
    for n in nodes:
        if n.getRole() == role and n.name == name:
            return n
    return None


def sensitive(node):
    return node.getState().contains(pyatspi.STATE_SENSITIVE)


def press(node):
    action = node.queryAction()
    for i in range(action.nActions):
        if action.getName(i).lower() == "press":
            return action.doAction(i)
    return False


app = poll(30, lambda: application(sys.argv[1]))
if not check("the program is on the accessibility bus as \"%s\"" % sys.argv[1], app is not None):
    sys.exit(1)
window = poll(10, lambda: find([app.getChildAtIndex(i) for i in range(app.childCount)],
                               pyatspi.ROLE_FRAME, CAPTION))
check("its window is a frame named \"%s\"" % CAPTION, window is not None)
if window is None:
    sys.exit(1)
tree = descendants(window)

if len(sys.argv) == 4 and sys.argv[2] == "--press":
    button = find(tree, pyatspi.ROLE_PUSH_BUTTON, sys.argv[3])
    sys.exit(0 if check("\"%s\" is a push button of the window whose press succeeds" % sys.argv[3],
                        button is not None and press(button)) else 1)

modes = ["Clef de sol", "Clef de sol (# et b)", "Clef de fa", "Clef de fa (# et b)",
         "Clefs de sol et de fa", "Toutes les notes"]
expected = [(pyatspi.ROLE_PUSH_BUTTON, m) for m in modes] + [
    (pyatspi.ROLE_PUSH_BUTTON, "Arrêter"),
    (pyatspi.ROLE_PUSH_BUTTON, "Afficher le nom de la note"),
    (pyatspi.ROLE_PUSH_BUTTON, "Aide à la lecture"),
    (pyatspi.ROLE_CHECK_BOX, "Son"),
    (pyatspi.ROLE_SCROLL_BAR, "Vitesse"),
    (pyatspi.ROLE_TEXT, "Score"),
    (pyatspi.ROLE_IMAGE, "Note à lire"),
    (pyatspi.ROLE_LABEL, "Vitesse : 3"),
    (pyatspi.ROLE_LABEL, "Note : 0"),
]
for role, name in expected:
    node = find(tree, role, name)
    check("the tree holds a %s named \"%s\"" % (pyatspi.Accessible.getRoleName(node) if node else role, name),
          node is not None)

letters = ["do", "do dièse", "ré", "ré dièse", "mi", "fa", "fa dièse", "sol", "sol dièse", "la", "la dièse", "si"]
keys = {"%s %d" % (letters[n % 12], n // 12 - 2) for n in range(36, 90)}
buttons = {n.name for n in tree if n.getRole() == pyatspi.ROLE_PUSH_BUTTON}
check("the 54 keys are push buttons named do 1 ... fa 5 (do 3 and fa dièse 3 among them)",
      keys <= buttons and len(keys) == 54 and "do 3" in keys and "fa dièse 3" in keys)
print("   %d nodes under the window, %d push buttons" % (len(tree), len(buttons)))

stop = find(tree, pyatspi.ROLE_PUSH_BUTTON, "Arrêter")
first = find(tree, pyatspi.ROLE_PUSH_BUTTON, "Clef de sol")
panel = find(tree, pyatspi.ROLE_IMAGE, "Note à lire")
speed = find(tree, pyatspi.ROLE_SCROLL_BAR, "Vitesse")
if None in (stop, first, panel, speed):
    print("e2e accessibility: %d passed, %d failed" % (passed, failed))
    sys.exit(1)
check("\"Arrêter\" is insensitive before a run", not sensitive(stop))

# The fastest speed through the value interface, then the first mode through
# its action: a note every 2 s.
speed.queryValue().currentValue = 5.0
check("setting \"Vitesse\" to 5 through its value shows \"Vitesse : 5\"",
      poll(5, lambda: find(descendants(window), pyatspi.ROLE_LABEL, "Vitesse : 5")) is not None)
check("\"Clef de sol\" offers a press action that succeeds", press(first))
check("the run started: \"Arrêter\" becomes sensitive", poll(5, lambda: sensitive(stop)))
check("and the mode buttons insensitive",
      all(not sensitive(find(tree, pyatspi.ROLE_PUSH_BUTTON, m)) for m in modes))
check("after one note period the counter reads \"Note : 1\"",
      poll(6, lambda: find(descendants(window), pyatspi.ROLE_LABEL, "Note : 1")) is not None)
description = poll(3, lambda: panel.description if panel.description.startswith("Note sur la portée") else "")
check("the note panel describes the note shown without naming it (\"%s\")" % panel.description,
      description == "Note sur la portée : clef de sol")

key = find(tree, pyatspi.ROLE_PUSH_BUTTON, "do 3")
check("the key \"do 3\" offers a press action that succeeds", key is not None and press(key))

# A note answered through the bus alone: the panel does not name its note,
# so the white keys of the treble clef (mi 1 to fa 5) are pressed in turn,
# note after note, until one was the note shown and the score reads "1".
score = find(tree, pyatspi.ROLE_TEXT, "Score")


def score_text():
    text = score.queryText()
    return text.getText(0, text.characterCount)


treble_white = [find(tree, pyatspi.ROLE_PUSH_BUTTON, "%s %d" % (letters[n % 12], n // 12 - 2))
                for n in range(52, 90) if n % 12 not in (1, 3, 6, 8, 10)]
presses = 0
deadline = time.monotonic() + 15
while score_text() != "1" and time.monotonic() < deadline:
    for white in treble_white:
        press(white)
        presses += 1
        if score_text() == "1":
            break
check("a note was answered through the bus: the score reads \"1\" (%d key presses, %d white keys)"
      % (presses, len(treble_white)), score_text() == "1")

check("\"Arrêter\" offers a press action that succeeds", press(stop))
check("the run stopped: the mode buttons are sensitive again",
      poll(5, lambda: all(sensitive(find(tree, pyatspi.ROLE_PUSH_BUTTON, m)) for m in modes)))
check("the note panel describes the end picture", poll(3, lambda: panel.description == "Fin de l'exercice"))

print("e2e accessibility: %d passed, %d failed" % (passed, failed))
sys.exit(1 if failed else 0)
