#!/usr/bin/env bash
# The tree's own style and checks, so that they stop drifting:
#   - every C++ file formatted as .clang-format says (clang-format 14, Debian
#     12's: other versions break a few lines otherwise, so there it is skipped);
#   - clang-tidy with .clang-tidy's checks over every file of the program
#     (the tests' files excepted), any finding an error. The static analyzer's
#     checks are left to a run by hand (tests/lint/lint.sh --analyzer): about
#     17 s a file, too long for every run.
#
#   tests/lint/lint.sh [--analyzer] SOURCE_DIR BUILD_DIR
#
# BUILD_DIR holds compile_commands.json (every preset writes it). Ends with
# status 77, which ctest reports as skipped, when neither tool is version 14.
set -uo pipefail

analyzer=0
if [ "${1:-}" = --analyzer ]; then
    analyzer=1
    shift
fi
if [ $# -ne 2 ] || [ ! -f "$2/compile_commands.json" ]; then
    echo "usage: tests/lint/lint.sh [--analyzer] SOURCE_DIR BUILD_DIR (with compile_commands.json)" >&2
    exit 2
fi
src=$(cd "$1" && pwd)
build=$(cd "$2" && pwd)
cd "$src"

major() { "$1" --version 2>/dev/null | sed -nE 's/.*version ([0-9]+)\..*/\1/p' | head -1; }
format=$(command -v clang-format-14 || command -v clang-format || true)
tidy=$(command -v clang-tidy-14 || command -v clang-tidy || true)
[ -n "$format" ] && [ "$(major "$format")" != 14 ] && format=""
[ -n "$tidy" ] && [ "$(major "$tidy")" != 14 ] && tidy=""
if [ -z "$format" ] && [ -z "$tidy" ]; then
    echo "lint: skipped: neither clang-format 14 nor clang-tidy 14 is installed (bash scripts/deps.sh test)"
    exit 77
fi

# The tree's C++ files: what git tracks, or, in a tree without git, what is
# there outside the build folders.
if git -C "$src" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    mapfile -t files < <(git -C "$src" ls-files '*.cpp' '*.h')
else
    mapfile -t files < <(find . -path ./build -prune -o \( -name '*.cpp' -o -name '*.h' \) -print | sed 's|^\./||' | sort)
fi

status=0
if [ -n "$format" ]; then
    bad=$("$format" --dry-run "${files[@]}" 2>&1 | grep -E '^[^ ].*: (warning|error):' | sed -E 's/:[0-9]+:[0-9]+: .*//' | sort -u)
    if [ -n "$bad" ]; then
        echo "lint: FAIL: not formatted as .clang-format says (clang-format -i FILE mends it):"
        sed 's/^/  /' <<<"$bad"
        status=1
    else
        echo "lint: ok: ${#files[@]} files formatted as .clang-format says"
    fi
else
    echo "lint: formatting not checked: clang-format 14 is not installed"
fi

if [ -n "$tidy" ]; then
    checks=""
    [ "$analyzer" = 1 ] || checks="--checks=-clang-analyzer-*"
    # The files this build compiles, the tests' own excepted.
    mapfile -t units < <(python3 -c '
import json, os, sys
src = sys.argv[2]
for entry in json.load(open(sys.argv[1])):
    path = os.path.relpath(os.path.join(entry["directory"], entry["file"]), src)
    if not path.startswith("..") and "/tests/" not in "/" + path and "_autogen" not in path:
        print(path)' "$build/compile_commands.json" "$src" | sort -u)
    log=$(mktemp)
    # As many at a time as the machine has cores; the GCC-only warning
    # options of the build are not clang's concern.
    printf '%s\n' "${units[@]}" |
        xargs -P "$(nproc)" -n 4 "$tidy" -p "$build" --quiet $checks --warnings-as-errors='*' \
            --extra-arg=-Wno-unknown-warning-option >"$log" 2>&1
    findings=$(grep -E ': (warning|error): ' "$log" | sed "s|^$src/||" | sort -u)
    # The long functions kept for now (long-functions.txt) pass; one of them
    # that has become short is a line to take out of the list.
    baseline="$(dirname "$0")/long-functions.txt"
    long=$(sed -nE "s/^([^:]+):[0-9]+:[0-9]+: .*function '([^']+)' exceeds recommended size.*/\1 \2/p" <<<"$findings" | sort -u)
    kept=$(grep -vE '^(#|$)' "$baseline" | sort -u)
    findings=$(grep -v "readability-function-size" <<<"$findings" || true)
    new_long=$(comm -23 <(echo "$long") <(echo "$kept") | grep . || true)
    stale=$(comm -13 <(echo "$long") <(echo "$kept") | grep . || true)
    if [ -n "$findings" ] || [ -n "$new_long" ] || [ -n "$stale" ]; then
        echo "lint: FAIL: clang-tidy's findings:"
        [ -n "$findings" ] && sed 's/^/  /' <<<"$findings"
        [ -n "$new_long" ] && sed 's/^/  over 60 lines (split it where a reader would): /' <<<"$new_long"
        [ -n "$stale" ] && sed 's|^|  no longer over 60 lines: take it out of tests/lint/long-functions.txt: |' <<<"$stale"
        status=1
    else
        echo "lint: ok: clang-tidy found nothing new in ${#units[@]} files ($(wc -l <<<"$kept") long functions kept)"
    fi
    rm -f "$log"
else
    echo "lint: checks not run: clang-tidy 14 is not installed"
fi
exit $status
