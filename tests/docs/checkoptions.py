#!/usr/bin/env python3
"""Every command-line option the program takes (app/options.cpp) is in the
README's options table and in the manual page, and the table names no option
the program does not take.

    tests/docs/checkoptions.py SOURCE_DIR
"""

import os
import re
import sys

OPTION = re.compile(r"QCommandLineOption\s+\w+\s*[({]\s*(\{[^}]*\}|QStringLiteral\(\"[^\"]+\"\))")
NAME = re.compile(r"QStringLiteral\(\"([^\"]+)\"\)")


def program_options(source_dir):
    with open(os.path.join(source_dir, "app", "options.cpp"), encoding="utf-8") as f:
        text = f.read()
    names = set()
    for m in OPTION.finditer(text):
        for name in NAME.findall(m.group(1)):
            names.add(("-" if len(name) == 1 else "--") + name)
    return names


def readme_table_options(source_dir):
    with open(os.path.join(source_dir, "README.md"), encoding="utf-8") as f:
        lines = f.read().splitlines()
    start = lines.index("## Options")
    names = set()
    for line in lines[start + 1:]:
        if line.startswith("## "):
            break
        if line.startswith("| `"):
            first_cell = line.split(" | ")[0]
            names.update(re.findall(r"`(--?[a-z][a-z-]*)", first_cell))
    return names


def main(source_dir):
    program = program_options(source_dir)
    table = readme_table_options(source_dir)
    with open(os.path.join(source_dir, "packaging", "tavelin-piano.1.in"), encoding="utf-8") as f:
        man = f.read()
    problems = []
    if len(program) < 10:
        problems.append(f"only {len(program)} options read from app/options.cpp: has its form changed?")
    for name in sorted(program - table):
        problems.append(f"{name} is missing from the README's options table")
    for name in sorted(table - program):
        problems.append(f"the README's options table names {name}, which the program does not take")
    for name in sorted(program):
        if name.replace("-", "\\-") not in man:
            problems.append(f"{name} is missing from the manual page")
    for p in problems:
        print(f"FAIL: {p}")
    print(f"checkoptions: {len(program)} options, {len(problems)} problems")
    return 1 if problems else 0


if __name__ == "__main__":
    if len(sys.argv) != 2:
        print(__doc__, file=sys.stderr)
        sys.exit(2)
    sys.exit(main(sys.argv[1]))
