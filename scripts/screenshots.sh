#!/usr/bin/env bash
# Makes the pictures of the window in docs/: the window at rest, a note of
# each mode, the name panel open and the reading help open. Runs the release
# build in a virtual X server.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ -z "${DISPLAY:-}" ]; then
    exec bash scripts/xvfb.sh 1280x800x24 "$0" "$@"
fi
source scripts/xsession.sh
source scripts/version.sh
bin=${1:-build/release/bin/tavelin-piano}
start_null_audio || echo "screenshots: no sound server; the program will say so" >&2
"$bin" &
pid=$!
trap 'kill $pid 2>/dev/null || true; stop_null_audio' EXIT
win=$(wait_window "$tavelin_caption")
sleep 2.5   # the greeting scale
shoot "$win" docs/window.png

# Fastest speed: the thumb to the right end of the bar.
click_at "$win" 845 280
click_at "$win" 845 280
for mode in 1 2 3 4 5 6; do
    click_at "$win" 954 $((69 + 28 * (mode - 1) + 14))
    sleep 2.6
    [ "$mode" = 1 ] && { click_at "$win" 508 279; sleep 0.6; }   # names open from the first
    shoot "$win" "docs/mode$mode.png"
    click_at "$win" 954 251   # Arrêter
    sleep 0.3
done
shoot "$win" docs/names-open.png
click_at "$win" 954 279   # Aide à la lecture
sleep 0.8
shoot "$win" docs/help-open.png
