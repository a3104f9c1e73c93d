#!/usr/bin/env bash
# Writes docs/performance.md: a title, the line saying which run the figures
# come from, the table of the rows the timing programs printed, and the
# commentary of bench/notes.md. ./bench.sh calls it after every run.
#
#   bench/performance.sh ROWS_FILE RUN_LINE   a new run's rows
#   bench/performance.sh --notes              bench/notes.md changed: the page
#                                             again, with the rows it has
set -euo pipefail
cd "$(dirname "$0")/.."
out=docs/performance.md
kept=$(mktemp)
trap 'rm -f "$kept"' EXIT
if [ $# -eq 1 ] && [ "$1" = --notes ]; then
    # The run line is the first line that starts with a backquote; the rows
    # are the table's lines after its header and rule.
    run_line=$(grep -m1 '^`' "$out")
    awk '/^\| Measure \|/ { table = 1; next } table && /^\|---/ { next } table && /^\|/ { print; next } table { exit }' \
        "$out" >"$kept"
    rows=$kept
elif [ $# -eq 2 ] && [ -r "$1" ]; then
    rows=$1
    run_line=$2
else
    echo "usage: bench/performance.sh ROWS_FILE RUN_LINE | --notes" >&2
    exit 2
fi
tmp=$(mktemp "$out.XXXXXX")
trap 'rm -f "$kept" "$tmp"' EXIT
{
    echo "# Performance"
    echo
    echo "<!-- Written by ./bench.sh (bench/performance.sh) from the timing programs' rows"
    echo "     and bench/notes.md: change those, not this file; after a change to"
    echo "     bench/notes.md alone, bench/performance.sh --notes. -->"
    echo
    echo "$run_line"
    echo
    echo "| Measure | Median | p99 | Goal | Result |"
    echo "|---|---|---|---|---|"
    grep '^|' "$rows"
    echo
    cat bench/notes.md
} >"$tmp"
chmod 644 "$tmp"
mv "$tmp" "$out"
