#!/usr/bin/env python3
"""No sentence in the sources bypasses the translation: every string literal
of the program's folders that holds two words or more stands inside a
translation mark (tr, translate, QT_TRANSLATE_NOOP, QT_TR_NOOP and their
counted forms), unless it is one of the texts below that no language
changes (names, file contents, the design's own English words).

unmarkedliterals.py SOURCE-DIR [FILE...]   (files: check those instead)
"""
import pathlib
import re
import sys

FOLDERS = ["platform", "sound", "keyboard", "exercise", "effects", "picture", "progress", "app"]

# (file, text): texts that stay as they are in every language.
KEPT = {
    # Font families, program and port names.
    ("app/controltable.cpp", "Liberation Serif"), ("app/controltable.cpp", "Liberation Sans"),
    ("keyboard/keymappicture.cpp", "Liberation Sans"), ("picture/fonts.cpp", "Noto Music"),
    ("picture/fonts.cpp", "Liberation Serif"), ("picture/fonts.cpp", "Liberation Sans"),
    ("picture/artwork.cpp", "Tavelin Piano"), ("sound/alsaclient.h", "Tavelin Piano"),
    ("sound/pulsestream.h", "Tavelin Piano"), ("sound/alsaseqoutput.h", "Tavelin Piano output"),
    ("keyboard/midiinput.h", "Tavelin Piano input"), ("keyboard/midiinput.cpp", "Midi Through"),
    ("app/helpwindow.cpp", "<h1>Tavelin Piano %1</h1>"), ("app/options.cpp", "none|CLIENT:PORT"),
    # The design's message box, in its own words in every language.
    ("app/form1.cpp", "Couldn't open midi out, rc = %1"),
    # Prefixes of lines whose words are translated (the program's name).
    ("app/inputs.cpp", "Tavelin Piano: %s\\n"), ("app/main.cpp", "Tavelin Piano: %s\\n"),
    # What other programs print, passed on as it is.
    ("sound/diagnostics.cpp", "ALSA lib "),
    # Files' contents and names, read back by the program and other computers.
    ("progress/computer.cpp", "# Tavelin Piano : cet ordinateur\\nid="),
    ("progress/practice.cpp", "# Tavelin Piano : réglages de l'élève\\n"),
    ("progress/transfer.h", "# Tavelin Piano : dossier d'élève"),
    ("progress/launcher.cpp", "[Desktop Entry]\\n"), ("progress/launcher.cpp", "Comment=Tavelin Piano pour "),
    ("progress/launcher.cpp", "Categories=Education;Music;\\n"),
    ("progress/pupils.cpp", "conflicted copy"), ("progress/pupils.cpp", "conflict copy"),
    ("progress/resultrow.cpp", "dddd-dd-ddTdd:dd:dd"),
    ("progress/resultrow.h", "started,run,mode,place,note,clef,accidental,outcome,sounded,response_ms,wrong_keys"),
    # The French words a window without a translation falls back on; the
    # window passes every one of them translated (app/languagepictures.cpp,
    # app/helpwindow.cpp, progress/wording.cpp).
    ("picture/artwork.h", "La première note arrive…"), ("picture/artwork.h", "Exercice terminé"),
    ("picture/artwork.h", "Choisissez un exercice"), ("picture/artwork.h", "lecture de notes au clavier"),
    ("picture/notepicture.h", "Quelle est cette note\\u202F?"),
    ("keyboard/keymappicture.h", "Jouer au clavier de l'ordinateur"),
    ("keyboard/keymappicture.h", "En grand : la touche d'un clavier %1 ; en petit : la même touche en %2. "),
    ("keyboard/keymappicture.h", "En bas : la note et son numéro MIDI (60 = do du milieu), sans décalage "
     "d'octave. Touches grises : aucune "),
    ("progress/notenames.cpp", "clef de sol"), ("progress/notenames.cpp", "clef de fa"),
    # Qt's own English, read to be said in our words.
    ("app/options.cpp", "^(Missing|Unexpected) value after '(.*)'\\\\.$"),
    # A tool of the build, never run by users.
    ("keyboard/keyboardmap.cpp", "tavelin-keyboardmap: cannot write %s\\n"),
}
# Whole files that are tools of the build or benchmarks.
SKIPPED = {"picture/makepictures.cpp", "progress/progressbench.cpp"}

MARK = re.compile(r"\b(?:QT_TRANSLATE(?:_N)?_NOOP3?|QT_TR(?:_N)?_NOOP|tr|translate)\s*\(")
SENTENCE = re.compile(r"[^\W\d_]{2,}[ ,:;][^\W\d_']{2,}|[^\W\d_]{2,}[ ,:;]'[^\W\d_]")


def marked_spans(text):
    """The spans of the marks' argument lists, strings and nested calls included."""
    spans = []
    for m in MARK.finditer(text):
        i, depth, quoted = m.end(), 1, False
        while i < len(text) and depth > 0:
            c = text[i]
            if quoted:
                i += c == "\\"
                quoted = c != '"'
            elif c == '"':
                quoted = True
            elif c in "()":
                depth += 1 if c == "(" else -1
            i += 1
        spans.append((m.start(), i))
    return spans


def literals(text):
    """The string literals of a C++ text, with where each starts; comments,
    character literals and preprocessor includes are passed over."""
    i, n = 0, len(text)
    while i < n:
        c = text[i]
        if text.startswith("//", i):
            i = text.find("\n", i)
            i = n if i < 0 else i
        elif text.startswith("/*", i):
            i = text.find("*/", i + 2)
            i = n if i < 0 else i + 2
        elif text.startswith("#include", i):
            i = text.find("\n", i)
            i = n if i < 0 else i
        elif c == "'":
            j = i + 1
            while j < n and text[j] != "'":
                j += 2 if text[j] == "\\" else 1
            i = j + 1
        elif c == '"':
            j = i + 1
            while j < n and text[j] != '"':
                j += 2 if text[j] == "\\" else 1
            yield i, text[i + 1:j]
            i = j + 1
        else:
            i += 1


def unmarked(path, name, text):
    spans = marked_spans(text)
    found = []
    for start, literal in literals(text):
        if any(a <= start < b for a, b in spans) or not SENTENCE.search(literal):
            continue
        if (name, literal) in KEPT:
            continue
        found.append(f"{path}:{text.count(chr(10), 0, start) + 1}: \"{literal}\"")
    return found


def main():
    root = pathlib.Path(sys.argv[1])
    files = [pathlib.Path(f) for f in sys.argv[2:]] or sorted(
        f for folder in FOLDERS for pattern in ("*.cpp", "*.h") for f in (root / folder).glob(pattern))
    found = []
    for f in files:
        name = f.relative_to(root).as_posix() if f.is_relative_to(root) else f.name
        if name not in SKIPPED:
            found += unmarked(f, name, f.read_text(encoding="utf-8"))
    for line in found:
        print(f"not translated: {line}")
    print(f"{len(files)} files, {len(found)} texts outside the translation")
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
