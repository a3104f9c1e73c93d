#!/usr/bin/python3
"""The pupils window on the real program, as a teacher and a pupil use it:
real key presses and clicks (xdotool) on controls found through the
accessibility bus (pyatspi), and the pupils' files checked on disk.

  pupils.py PROGRAM WORK [SHOTS]

Prints one line per check ("ok: ..." or "FAIL: ...") and exits 1 if any
failed."""

import glob
import hashlib
import os
import re
import shlex
import subprocess
import sys
import time

import pyatspi

program, work = sys.argv[1], sys.argv[2]
shots = sys.argv[3] if len(sys.argv) > 3 else ""
data = os.environ["XDG_DATA_HOME"]
CAPTION = os.environ["tavelin_caption"]  # the main window's, from scripts/version.sh
pupils = os.path.join(data, "tavelin-piano", "pupils")
failed = 0
passed = 0
processes = []


def check(what, condition):
    global failed, passed
    if condition:
        passed += 1
        print("ok: " + what)
    else:
        failed += 1
        print("FAIL: " + what)
    sys.stdout.flush()
    return condition


def poll(seconds, fn):
    deadline = time.monotonic() + seconds
    while True:
        try:
            value = fn()
        except Exception:  # a node gone while it was read
            value = None
        if value or time.monotonic() > deadline:
            return value
        time.sleep(0.1)


def start(name, *args):
    p = subprocess.Popen([program, *args], stdout=open(os.path.join(work, name + ".out"), "w"),
                         stderr=open(os.path.join(work, name + ".err"), "w"))
    processes.append(p)
    return p


def stop(p):
    p.terminate()
    try:
        return p.wait(20)
    except subprocess.TimeoutExpired:
        p.kill()
        return p.wait()


def finish():
    for p in processes:
        if p.poll() is None:
            stop(p)
    print("e2e pupils: %d passed, %d failed" % (passed, failed))
    sys.exit(1 if failed else 0)


def xdo(*args):
    subprocess.run(["xdotool", *args], check=False)


def applications(pid):
    desktop = pyatspi.Registry.getDesktop(0)
    return [desktop.getChildAtIndex(i) for i in range(desktop.childCount)
            if desktop.getChildAtIndex(i) is not None and desktop.getChildAtIndex(i).get_process_id() == pid]


def frame(pid, name):
    """A window of the program by its name: a top-level one, or one that
    belongs to another window (the pupils window is the piano's, a dialog is
    the pupils window's)."""
    windows = (pyatspi.ROLE_FRAME, pyatspi.ROLE_DIALOG, pyatspi.ROLE_WINDOW)
    todo = [(app, 0) for app in applications(pid)]
    while todo:
        node, depth = todo.pop(0)
        for i in range(node.childCount):
            w = node.getChildAtIndex(i)
            if w is None:
                continue
            if w.name == name and w.getRole() in windows:
                return w
            if depth < 1 and w.getRole() in windows:
                todo.append((w, depth + 1))
    return None


def descendants(node, depth=0):
    out = []
    if depth > 12:
        return out
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            out.append(child)
            if child.getRole() != pyatspi.ROLE_TABLE:
                out.extend(descendants(child, depth + 1))
    return out


def find(node, role, name):
    for n in descendants(node):
        if n.getRole() == role and n.name == name:
            return n
    return None


def named(node, name):
    """Whatever its role (a combo box is a combo box or a menu button, as
    the bridge has it)."""
    for n in descendants(node):
        if n.name == name:
            return n
    return None


def centre(node):
    e = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return e.x + e.width // 2, e.y + e.height // 2


def click(node, dx=None, dy=None):
    e = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    x = e.x + (dx if dx is not None else e.width // 2)
    y = e.y + (dy if dy is not None else e.height // 2)
    xdo("mousemove", "--sync", str(x), str(y))
    xdo("click", "1")


def window_id(name):
    out = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^%s$" % name],
                         capture_output=True, text=True).stdout.split()
    return out[0] if out else None


def focus(name):
    wid = poll(10, lambda: window_id(name))
    if wid:
        xdo("windowfocus", "--sync", wid)
    return wid


def key(*keys):
    for k in keys:
        xdo("key", "--clearmodifiers", k)
        time.sleep(0.15)


def type_text(text):
    xdo("type", "--delay", "40", text)


def digest(path):
    with open(path, "rb") as f:
        return hashlib.sha256(f.read()).hexdigest()


def cell(table, row_name, column):
    """The text of a column in the row whose first cell is row_name."""
    t = table.queryTable()
    for r in range(t.nRows):
        first = t.getAccessibleAt(r, 0)
        if first is not None and first.name == row_name:
            c = t.getAccessibleAt(r, column)
            return c.name if c is not None else None
    return None


def row_cell(table, row_name):
    t = table.queryTable()
    for r in range(t.nRows):
        first = t.getAccessibleAt(r, 1)
        name = t.getAccessibleAt(r, 0)
        if name is not None and name.name == row_name:
            return first
    return None


def shoot(name, title):
    if shots:
        wid = window_id(title)
        if wid:
            subprocess.run(["import", "-window", wid, os.path.join(shots, name)], check=False)


# ---------------------------------------------------------------- the window by its shortcut

main = start("main")
piano = poll(30, lambda: frame(main.pid, CAPTION))
if not check("the main window is on the accessibility bus", piano is not None):
    finish()
time.sleep(1.5)  # the greeting scale
check("the main window's description says nobody plays (\"%s\")" % piano.description,
      piano.description.startswith("Aucun élève"))
print("   the piano window is X window %s" % focus(CAPTION))
key("F11")
window = poll(20, lambda: frame(main.pid, "Élèves"))
if not check("F11 opens the window \"Élèves\" (X window %s)" % window_id("Élèves"), window is not None):
    for app in applications(main.pid):
        print("   the program's windows: %s" % [(app.getChildAtIndex(i).name, app.getChildAtIndex(i).getRoleName())
                                                  for i in range(app.childCount)])
    finish()
check("the main window keeps its caption", frame(main.pid, CAPTION) is not None)

# Every control of the window is named.
controls = [n for n in descendants(window)
            if n.getRole() in (pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_COMBO_BOX,
                               pyatspi.ROLE_TEXT, pyatspi.ROLE_TABLE, pyatspi.ROLE_PROGRESS_BAR,
                               pyatspi.ROLE_SCROLL_PANE, pyatspi.ROLE_PANEL)
            and n.getState().contains(pyatspi.STATE_SHOWING)]
unnamed = [pyatspi.Accessible.getRoleName(n) for n in controls if not n.name and n.getRole() != pyatspi.ROLE_PANEL]
check("every control of the window has a name (%d controls; unnamed: %s)" % (len(controls), unnamed), not unnamed)


def who_plays(window):
    """The combo box "Qui joue": on Linux Qt names a combo box by its current
    text and gives its name through the label that it is labelled by."""
    for n in descendants(window):
        if n.getRole() == pyatspi.ROLE_COMBO_BOX:
            return n
    return None


def labelled_by(node):
    names = []
    for r in node.getRelationSet():
        if r.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            names += [r.getTarget(i).name for i in range(r.getNTargets())]
    return names


combo = who_plays(window)
check("a combo box labelled \"Qui joue\" (%s, by %s)" % (combo.name if combo else None,
                                                         labelled_by(combo) if combo else None),
      combo is not None and any(n.startswith("Qui joue") for n in labelled_by(combo)))
for role, name in [(pyatspi.ROLE_TABLE, "Liste des élèves"),
                   (pyatspi.ROLE_PUSH_BUTTON, "Ajouter"), (pyatspi.ROLE_PUSH_BUTTON, "Créer un raccourci"),
                   (pyatspi.ROLE_PUSH_BUTTON, "Exporter le bilan"), (pyatspi.ROLE_PUSH_BUTTON, "Archiver"),
                   (pyatspi.ROLE_CHECK_BOX, "Notes faibles plus souvent"), (pyatspi.ROLE_TEXT, "Étendue des notes"),
                   (pyatspi.ROLE_PROGRESS_BAR, "Lecture des fichiers")]:
    check("a %s named \"%s\"" % (pyatspi.Accessible.getRoleName(find(window, role, name)) if find(window, role, name)
                                 else role, name), find(window, role, name) is not None)
table = find(window, pyatspi.ROLE_TABLE, "Liste des élèves")
check("the list shows Hugo's 20 runs", poll(10, lambda: cell(table, "Hugo", 1) == "20"))

# ---------------------------------------------------------------- add a pupil

click(find(window, pyatspi.ROLE_PUSH_BUTTON, "Ajouter"))
dialog = poll(10, lambda: frame(main.pid, "Ajouter un élève"))
check("\"Ajouter\" asks for a name", dialog is not None)
focus("Ajouter un élève")
type_text("Lina")
key("Return")
# This computer's own files in Lina's folder, named by its id (made at first use).
computer_ini = os.path.join(data, "tavelin-piano", "computer.ini")
computer_id = next((line[3:].strip() for line in open(computer_ini) if line.startswith("id=")), "") \
    if poll(10, lambda: os.path.exists(computer_ini)) else ""
lina_own = os.path.join("Lina", computer_id)
lina_csv = os.path.join(pupils, lina_own + ".csv")
check("Lina's file is made with its header", poll(10, lambda: os.path.exists(lina_csv)) and
      open(lina_csv).read().startswith("started,run,mode"))
check("the list has Lina, chosen", poll(10, lambda: cell(table, "Lina", 1) == "0"))

# ---------------------------------------------------------------- a range by two clicks

keys = find(window, pyatspi.ROLE_UNKNOWN, "Clavier de l'étendue") or next(
    (n for n in descendants(window) if n.name == "Clavier de l'étendue"), None)
if check("the small keyboard is there", keys is not None):
    # White keys are 14 px wide from do 1 (36): do 3 (60) is the 15th, sol 4 (79) the 26th.
    click(keys, 14 * 14 + 7, 48)
    time.sleep(0.3)
    click(keys, 25 * 14 + 7, 48)
    ini = os.path.join(pupils, lina_own + ".ini")
    check("two clicks save Lina's range do 3 to sol 4 (60-79) beside her results",
          poll(5, lambda: os.path.exists(ini) and "notes=60-79" in open(ini).read()))
    rng = find(window, pyatspi.ROLE_TEXT, "Étendue des notes")
    check("and the range is written in the box",
          rng is not None and rng.queryText().getText(0, -1) == "60-79")

# ---------------------------------------------------------------- the launcher

click(find(window, pyatspi.ROLE_PUSH_BUTTON, "Créer un raccourci"))
entries = poll(10, lambda: glob.glob(os.path.join(data, "applications", "*.desktop")))
check("\"Créer un raccourci\" writes a desktop entry (%s)" % entries, bool(entries))
exec_line = None
if entries:
    text = open(entries[0]).read()
    check("it is called \"Piano — Lina\"", "\nName=Piano — Lina\n" in text)
    v = subprocess.run(["desktop-file-validate", entries[0]], capture_output=True, text=True)
    check("desktop-file-validate accepts it (%s)" % v.stdout.strip(), v.returncode == 0)
    exec_line = re.search(r"^Exec=(.*)$", text, re.M).group(1).replace("%%", "%")

# ---------------------------------------------------------------- a run as Lina, from the launcher

if exec_line:
    argv = shlex.split(exec_line)
    check("its Exec line starts this program for Lina (%s)" % argv, argv == [program, "--pupil", "Lina"])
    child = subprocess.Popen(argv, stdout=open(os.path.join(work, "launcher.out"), "w"),
                             stderr=open(os.path.join(work, "launcher.err"), "w"))
    processes.append(child)
    second = poll(30, lambda: frame(child.pid, CAPTION))
    check("the launcher's program is up", second is not None)
    if second is not None:
        check("its window says Lina plays (\"%s\")" % second.description, "Lina" in second.description)
        time.sleep(1.5)
        wid = focus(CAPTION)
        # The newest window of that caption is the launcher's.
        ids = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^%s$" % CAPTION],
                             capture_output=True, text=True).stdout.split()
        xdo("windowfocus", "--sync", ids[-1])
        key("F2")
        time.sleep(9)  # two notes at speed 3
        key("Escape")
        time.sleep(0.5)
        check("the launcher's program ends with status 0", stop(child) == 0)
    rows = open(lina_csv).read().splitlines()[1:]
    check("Lina's run is in her file (%d rows, every one within 60-79)" % len(rows),
          len(rows) >= 1 and all(60 <= int(r.split(",")[4]) <= 79 for r in rows))

# ---------------------------------------------------------------- the list and the report show it

focus("Élèves")
key("Escape")
time.sleep(0.5)
focus(CAPTION)
key("F11")
window = poll(10, lambda: frame(main.pid, "Élèves"))
focus("Élèves")
table = find(window, pyatspi.ROLE_TABLE, "Liste des élèves")
check("shown again, the list has Lina's run", poll(10, lambda: cell(table, "Lina", 1) == "1"))
click(row_cell(table, "Lina"))
report = find(window, pyatspi.ROLE_LABEL, "Bilan de l'élève") or next(
    (n for n in descendants(window) if n.name == "Bilan de l'élève"), None)
check("her report is shown",
      report is not None and poll(10, lambda: report.description.startswith("Bilan de Lina : 1 séance,")))
print("   \"%s\"" % (report.description if report else None))

# ---------------------------------------------------------------- who plays, and the live report

focus("Élèves")
combo = who_plays(window)
click(combo)  # its list opens, on "Personne"
time.sleep(0.5)
key("Down", "Down", "Return")  # Personne, Hugo, Lina
check("choosing Lina in \"Qui joue\" tells the main window (\"%s\")" % piano.description,
      poll(5, lambda: piano.description.startswith("Élève : Lina")))
focus(CAPTION)
key("F2")
time.sleep(5)
key("Escape")
check("a run in this program shows in the list within a moment", poll(10, lambda: cell(table, "Lina", 1) == "2"))
check("and in the report", poll(20, lambda: report.description.startswith("Bilan de Lina : 2 séances")))

# ---------------------------------------------------------------- export without the mouse

# The keyboard alone: Alt+S to the list ("La classe"), Ctrl+Home to its first
# pupil (Hugo), Down to Lina, Alt+E for "Exporter le bilan".
focus("Élèves")
key("alt+s")
print("   the focus is on %s" % [(n.name, n.getRoleName()) for n in descendants(window)
                                 if n.getState().contains(pyatspi.STATE_FOCUSED)][:3])
key("ctrl+Home")
check("the keyboard chooses Hugo", poll(20, lambda: report.description.startswith("Bilan de Hugo")))
key("Down")
check("then Lina", poll(20, lambda: report.description.startswith("Bilan de Lina")))
exported = os.path.join(work, "lina.pdf")
key("alt+e")
poll(10, lambda: frame(main.pid, "Exporter le bilan de Lina"))
focus("Exporter le bilan de Lina")
key("ctrl+a")
type_text(exported)
key("Return")
check("\"Exporter le bilan\" by the keyboard writes the PDF", poll(10, lambda: os.path.exists(exported)))
cli = os.path.join(work, "cli.pdf")
r = subprocess.run([program, "--report", lina_csv, "--out", cli], capture_output=True, text=True,
                   env=dict(os.environ, QT_QPA_PLATFORM="offscreen"))
if check("--report on Lina's file draws its PDF", r.returncode == 0 and os.path.exists(cli)):
    pages = []
    for pdf in (exported, cli):
        subprocess.run(["pdftoppm", "-r", "50", pdf, pdf[:-4]], check=False)
        found = sorted(glob.glob(pdf[:-4] + "*.ppm"))
        pages.append(open(found[0], "rb").read() if found else b"")
    check("the exported page is the --report page, pixel for pixel", pages[0] and pages[0] == pages[1])

# ---------------------------------------------------------------- archive and restore

files = {f: digest(os.path.join(pupils, f)) for f in (lina_own + ".csv", lina_own + ".ini")}
focus("Élèves")
combo = who_plays(window)
click(combo)
time.sleep(0.5)
key("Home", "Return")  # nobody plays: Lina may be archived
check("choosing \"Personne\" tells the main window",
      poll(5, lambda: piano.description.startswith("Aucun élève")))
click(row_cell(table, "Lina"))
click(find(window, pyatspi.ROLE_PUSH_BUTTON, "Archiver"))
poll(10, lambda: frame(main.pid, "Archiver un élève"))
focus("Archiver un élève")
key("Return")
poll(10, lambda: frame(main.pid, "Raccourci de l'élève"))
focus("Raccourci de l'élève")
key("Return")  # keep the launcher
archived = os.path.join(pupils, "archive")
check("archived, Lina's files are in the archive, byte for byte",
      poll(10, lambda: all(os.path.exists(os.path.join(archived, f)) and digest(os.path.join(archived, f)) == d
                           for f, d in files.items())))
check("and no longer in the pupils' folder", not os.path.exists(lina_csv))
check("the list no longer has her", poll(5, lambda: cell(table, "Lina", 1) is None))
click(find(window, pyatspi.ROLE_PUSH_BUTTON, "Archives"))
poll(10, lambda: frame(main.pid, "Archives"))
focus("Archives")
key("Return")
check("restored from \"Archives\", every byte is back",
      poll(10, lambda: all(os.path.exists(os.path.join(pupils, f)) and digest(os.path.join(pupils, f)) == d
                           for f, d in files.items())))
check("and Lina is listed again", poll(10, lambda: cell(table, "Lina", 1) == "2"))
check("with her report", poll(10, lambda: report.description.startswith("Bilan de Lina : 2 séances")))
time.sleep(0.5)
shoot("pupils-window.png", "Élèves")
click(row_cell(table, "Hugo"))
check("choosing Hugo shows his report", poll(10, lambda: report.description.startswith("Bilan de Hugo : 20 séances")))
time.sleep(0.5)
shoot("pupil-report.png", "Élèves")

check("the main program ends with status 0", stop(main) == 0)
finish()
