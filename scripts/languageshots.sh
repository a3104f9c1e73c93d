#!/usr/bin/env bash
# Makes the pictures of the window in other languages in docs/: German and
# English, the name panel and the reading help open during a note of the
# first exercise (docs/window-de.png, docs/window-en.png). Runs the release
# build, or the program given, in a virtual X server.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ -z "${DISPLAY:-}" ]; then
    exec bash scripts/xvfb.sh 1280x800x24 "$0" "$@"
fi
source scripts/xsession.sh
source scripts/version.sh
bin=${1:-build/release/bin/tavelin-piano}
start_null_audio || echo "languageshots: no sound server; the program will say so" >&2
trap 'stop_null_audio' EXIT
for lang in de en; do
    LANGUAGE= LC_ALL= LC_MESSAGES= LANG=${lang}_$(echo "$lang" | tr a-z A-Z).UTF-8 "$bin" &
    pid=$!
    win=$(wait_window "$tavelin_caption")
    sleep 2.5                    # the greeting scale
    click_at "$win" 508 279      # the note's name
    sleep 0.6
    click_at "$win" 954 279      # the names under the keys
    sleep 0.8
    click_at "$win" 954 83       # the first exercise
    sleep 5.5                    # its first note, at the middle speed
    shoot "$win" "docs/window-$lang.png"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
done
