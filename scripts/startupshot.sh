#!/usr/bin/env bash
# Makes docs/startup.png: the window as it first comes up, the start-up
# picture (tvl.tv) on screen before the start-up sequence takes it away. The
# program says when its first paint is done (TAVELIN_TIMING); it is stopped
# right then, shot, and let go. Retries until the shot shows the picture.
#
#   scripts/startupshot.sh [PROGRAM]     (build/release/bin/tavelin-piano unless given)
set -euo pipefail
cd "$(dirname "$0")/.."
if [ -z "${DISPLAY:-}" ]; then
    exec bash scripts/xvfb.sh 1280x800x24 "$0" "$@"
fi
source scripts/xsession.sh
source scripts/version.sh
bin=$(realpath "${1:-build/release/bin/tavelin-piano}")
start_null_audio || echo "startupshot: no sound server; the program will say so" >&2
work=$(mktemp -d)
trap 'stop_null_audio; rm -rf "$work"' EXIT
for attempt in 1 2 3 4 5 6 7 8 9 10; do
    mkfifo "$work/out"
    TAVELIN_TIMING=1 "$bin" >"$work/out" 2>/dev/null &
    pid=$!
    while read -r name value; do
        if [ "$name" = first-paint-ms ]; then
            kill -STOP "$pid"
            break
        fi
    done <"$work/out"
    win=$(xdotool search --onlyvisible --name "^${tavelin_caption}\$" | head -1)
    import -window "$win" "$work/shot.png"
    kill -CONT "$pid"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    rm -f "$work/out"
    # The start-up picture stands at (32, 24): its gold frame on dark wood.
    d=$(python3 tests/e2e/pixels.py match "$work/shot.png" 32 24 332 254 "$(dirname "$bin")/tvl.tv")
    if python3 -c "import sys; sys.exit(0 if float('$d') < 6 else 1)"; then
        cp "$work/shot.png" docs/startup.png
        echo "docs/startup.png (attempt $attempt, difference $d)"
        exit 0
    fi
done
echo "startupshot: the start-up picture was never caught on screen" >&2
exit 1
