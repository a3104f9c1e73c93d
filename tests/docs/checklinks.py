#!/usr/bin/env python3
"""Every relative link of the README and of docs/*.md points at a file that
exists, and a link to a heading (page.md#heading) at a heading of that page,
named as GitHub names its anchors. Links inside code are not links.

    tests/docs/checklinks.py SOURCE_DIR     checks the project's pages
    tests/docs/checklinks.py --self-test    checks that the check finds broken links
"""

import os
import re
import sys
import tempfile

LINK = re.compile(r"!?\[[^\]]*\]\(([^)\s]+)(?:\s+\"[^\"]*\")?\)")
HEADING = re.compile(r"^(#{1,6})\s+(.*?)\s*#*\s*$")
FENCE = re.compile(r"^\s*(```|~~~)")
INLINE_CODE = re.compile(r"`[^`]*`")


def prose_lines(text):
    """The lines outside fenced code blocks, with their numbers."""
    fenced = False
    for number, line in enumerate(text.splitlines(), 1):
        if FENCE.match(line):
            fenced = not fenced
            continue
        if not fenced:
            yield number, line


def anchors(path):
    """The anchors GitHub gives the headings of a page: lower case, nothing
    but letters, digits, '_', '-' and spaces, spaces made '-', and a repeated
    one numbered -1, -2..."""
    with open(path, encoding="utf-8") as f:
        text = f.read()
    seen = {}
    result = set()
    for _, line in prose_lines(text):
        m = HEADING.match(line)
        if not m:
            continue
        title = m.group(2)
        title = re.sub(r"!?\[([^\]]*)\]\([^)]*\)", r"\1", title)  # a link's text stays
        slug = re.sub(r"[^\w\- ]", "", title.lower()).replace(" ", "-")
        count = seen.get(slug, 0)
        seen[slug] = count + 1
        result.add(slug if count == 0 else f"{slug}-{count}")
    return result


def broken_links(page):
    """Each broken link of one page, as 'page:line: why'."""
    with open(page, encoding="utf-8") as f:
        text = f.read()
    folder = os.path.dirname(page)
    problems = []
    for number, line in prose_lines(text):
        for m in LINK.finditer(INLINE_CODE.sub("", line)):
            target = m.group(1)
            if re.match(r"^[a-zA-Z][a-zA-Z0-9+.-]*:", target):
                continue  # http:, https:, mailto: are not ours to check
            path, _, anchor = target.partition("#")
            resolved = os.path.normpath(os.path.join(folder, path)) if path else page
            where = f"{page}:{number}: {target}"
            if not os.path.exists(resolved):
                problems.append(f"{where}: no such file {resolved}")
            elif anchor and resolved.endswith(".md") and anchor not in anchors(resolved):
                problems.append(f"{where}: no heading '#{anchor}' in {resolved}")
    return problems


def pages(source_dir):
    found = [os.path.join(source_dir, "README.md")]
    docs = os.path.join(source_dir, "docs")
    found += sorted(os.path.join(docs, n) for n in os.listdir(docs) if n.endswith(".md"))
    return found


def check(source_dir):
    problems = []
    checked = 0
    for page in pages(source_dir):
        checked += 1
        problems += broken_links(page)
    for p in problems:
        print(f"FAIL: {p}")
    print(f"checklinks: {checked} pages, {len(problems)} broken links")
    return 1 if problems else 0


def self_test():
    with tempfile.TemporaryDirectory() as root:
        os.mkdir(os.path.join(root, "docs"))
        with open(os.path.join(root, "docs", "page.md"), "w", encoding="utf-8") as f:
            f.write("# Page\n\n## Les élèves : « F11 »\n\n## Options, `--x`\n\n## Options, `--x`\n")
        with open(os.path.join(root, "README.md"), "w", encoding="utf-8") as f:
            f.write(
                "[good](docs/page.md) [good](docs/page.md#les-élèves---f11-)\n"
                "[good](docs/page.md#options---x-1) [web](https://example.org/none.md)\n"
                "`[in code](docs/none.md)`\n"
                "```\n[in a block](docs/none.md)\n```\n"
                "[bad file](docs/none.md)\n"
                "![bad picture](docs/none.png)\n"
                "[bad heading](docs/page.md#nowhere)\n")
        problems = broken_links(os.path.join(root, "README.md"))
        expected = ["docs/none.md: no such file", "docs/none.png: no such file", "#nowhere"]
        ok = len(problems) == len(expected) and all(e in p for e, p in zip(expected, problems))
        for p in problems:
            print(f"found: {p}")
        print("checklinks self-test:", "ok" if ok else "FAIL")
        return 0 if ok else 1


if __name__ == "__main__":
    if sys.argv[1:] == ["--self-test"]:
        sys.exit(self_test())
    if len(sys.argv) != 2:
        print(__doc__, file=sys.stderr)
        sys.exit(2)
    sys.exit(check(sys.argv[1]))
