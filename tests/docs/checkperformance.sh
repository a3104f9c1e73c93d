#!/usr/bin/env bash
# docs/performance.md is written by bench/performance.sh, never by hand: its
# commentary is bench/notes.md as it stands now.
#
#   tests/docs/checkperformance.sh SOURCE_DIR
set -euo pipefail
cd "$1"
lines=$(wc -l <bench/notes.md)
if tail -n "$lines" docs/performance.md | cmp -s - bench/notes.md; then
    echo "checkperformance: docs/performance.md ends with bench/notes.md"
else
    echo "FAIL: docs/performance.md does not end with bench/notes.md: run bench/performance.sh --notes (or ./bench.sh)"
    exit 1
fi
