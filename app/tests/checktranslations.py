#!/usr/bin/env python3
"""Every translation complete: lupdate run over the sources finds in no .ts
file a text left untranslated, a new text missing or an old one gone; and
every translation keeps its source's %1 arguments and HTML tags.

checktranslations.py LUPDATE SOURCE_FOLDER... -- TS_FILE...
"""
import collections
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

ARGUMENT = re.compile(r"%L?\d")
TAG = re.compile(r"</?([a-zA-Z0-9]+)")


def messages(path):
    """(context, source) -> (its translations, their type) of every message:
    one translation, or a counted text's forms (numerusform)."""
    found = {}
    for context in ET.parse(path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            translation = message.find("translation")
            forms = [form.text or "" for form in translation.iter("numerusform")]
            if message.get("numerus") != "yes":
                forms = [translation.text or ""]
            found[(name, message.findtext("source"))] = (forms, translation.get("type", ""))
    return found


def faults(path):
    problems = []
    language = ET.parse(path).getroot().get("language")
    if messages(path).get(("NoteNames", "fr"), ([""],))[0] != [language]:
        problems.append(f"{path.name}: NoteNames must give the file's language, {language}")
    for (context, source), (texts, kind) in messages(path).items():
        where = f"{path.name}: {context}: {source[:60]!r}"
        if kind in ("unfinished", "vanished", "obsolete"):
            problems.append(f"{where}: {kind}")
            continue
        if not texts:
            problems.append(f"{where}: no numerus forms")
        for text in texts:
            if not text.strip():
                problems.append(f"{where}: empty translation")
            if sorted(ARGUMENT.findall(source)) != sorted(ARGUMENT.findall(text)):
                problems.append(f"{where}: arguments {ARGUMENT.findall(source)} become {ARGUMENT.findall(text)}")
            if collections.Counter(TAG.findall(source)) != collections.Counter(TAG.findall(text)):
                problems.append(f"{where}: the HTML tags differ")
    return problems


def main():
    lupdate, rest = sys.argv[1], sys.argv[2:]
    folders, ts_files = rest[: rest.index("--")], [pathlib.Path(p) for p in rest[rest.index("--") + 1 :]]
    sources = sorted(str(p) for folder in folders for p in pathlib.Path(folder).iterdir() if p.suffix in (".cpp", ".h"))
    problems = []
    with tempfile.TemporaryDirectory() as temp:
        copies = []
        for ts in ts_files:
            copy = pathlib.Path(temp) / ts.name
            shutil.copyfile(ts, copy)
            copies.append(copy)
        root = str(pathlib.Path(folders[0]).parent)  # headers are included as "folder/file.h"
        run = subprocess.run([lupdate, "-I", root, "-source-language", "fr", "-locations", "none", *sources, "-ts",
                              *map(str, copies)], capture_output=True, text=True)
        if run.returncode != 0:
            print(run.stdout, run.stderr)
            return 1
        for ts, copy in zip(ts_files, copies):
            problems += faults(copy)
            if messages(ts).keys() != messages(copy).keys():
                problems.append(f"{ts.name}: not up to date with the sources (run the update_translations target)")
    for problem in problems:
        print(problem)
    print(f"{len(ts_files)} translations, {len(problems)} problems")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
