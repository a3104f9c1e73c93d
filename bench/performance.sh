#!/usr/bin/env bash
# Writes docs/performance.md: a title, the line saying which run the figures
# come from, the table of the rows the timing programs printed, and the
# commentary of bench/notes.md. ./bench.sh calls it after every run.
#
#   bench/performance.sh ROWS_FILE RUN_LINE
set -euo pipefail
cd "$(dirname "$0")/.."
if [ $# -ne 2 ] || [ ! -r "$1" ]; then
    echo "usage: bench/performance.sh ROWS_FILE RUN_LINE" >&2
    exit 2
fi
rows=$1
run_line=$2
out=docs/performance.md
tmp=$(mktemp "$out.XXXXXX")
trap 'rm -f "$tmp"' EXIT
{
    echo "# Performance"
    echo
    echo "<!-- Written by ./bench.sh (bench/performance.sh) from the timing programs' rows"
    echo "     and bench/notes.md: change those, not this file. -->"
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
trap - EXIT
