#!/usr/bin/env bash
# The files that --focus reads at every run start, through the whole program
# in a virtual X server of this script's own: a results file that becomes a
# FIFO after start-up never holds the window, and SIGTERM still ends it.
#
#   tests/e2e/pupilfiles.sh PROGRAM
#
# Needs Xvfb and xdotool. Every check prints one line; the last line counts
# them.
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)

if [ $# -ne 1 ] || [ ! -x "$1" ]; then
    echo "usage: tests/e2e/pupilfiles.sh PROGRAM (an executable tavelin-piano)" >&2
    exit 2
fi
program=$(realpath "$1")
for tool in Xvfb xdotool; do
    command -v "$tool" >/dev/null || { echo "pupilfiles: FAIL: $tool is missing (bash scripts/deps.sh test)"; exit 1; }
done

source "$root/scripts/version.sh"
title=$tavelin_caption
work=$(mktemp -d)
check_name=pupilfiles
source "$root/scripts/checks.sh"
source "$root/scripts/xvfb.sh"
pid=""
export QT_QPA_PLATFORM=xcb
export TAVELIN_AUDIO_DRIVER=file
ln -s /dev/null "$work/fluidsynth.wav"
export XDG_RUNTIME_DIR="$work"
cd "$work" || exit 1

cleanup() {
    [ -n "$pid" ] && kill -KILL "$pid" 2>/dev/null
    xvfb_stop
    if [ "$failed" -gt 0 ]; then
        echo "pupilfiles: the files and the program's output are kept in $work"
    else
        rm -rf "$work"
    fi
}
trap cleanup EXIT

xvfb_start 1280x800x24 || { fail "a virtual X server starts"; finish; }

win=""
find_window() {
    kill -0 "$pid" 2>/dev/null || return 2
    win=$(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null | head -1)
    [ -n "$win" ]
}
clean_stderr() {
    ! grep -qE "AddressSanitizer|LeakSanitizer|runtime error:" "$1"
}

# ---------------------------------------------------------------- a FIFO

"$program" --results "$work/fifo.csv" --focus >"$work/fifo.out" 2>"$work/fifo.err" &
pid=$!
if poll 60 find_window; then
    # The file the start-up check made is put aside for a FIFO nobody writes to.
    rm -f "$work/fifo.csv" && mkfifo "$work/fifo.csv"
    xdotool mousemove --window "$win" 954 83 click 1   # "Clef de sol": a run start reads the file
    sleep 5.5                                          # its first note comes at 4 s
    said() { grep -q "fifo.csv' is not a regular file; the notes are drawn evenly" "$work/fifo.err"; }
    check "the read at the run start refused the FIFO and said so" poll 5 said
    # The window still answers: "Arrêter", then a second start.
    xdotool mousemove --window "$win" 954 251 click 1
    sleep 0.5
    xdotool mousemove --window "$win" 954 83 click 1
    sleep 1
    check "the second start read the file again" test "$(grep -c "is not a regular file; the notes are drawn evenly" "$work/fifo.err")" -ge 2
    kill -TERM "$pid"
    began=$SECONDS
    ended() { ! kill -0 "$pid" 2>/dev/null; }
    if poll 5 ended; then
        ok "SIGTERM ended the program within 5 s ($((SECONDS - began)) s)"
        wait "$pid"
        status=$?
        pid=""
        # The run on display when it ended cannot go into a FIFO: counted as lost.
        check "its rows were said lost, as a FIFO is refused (status $status)" grep -q "could not be written to '$work/fifo.csv'" "$work/fifo.err"
    else
        fail "SIGTERM ended the program within 5 s"
    fi
    check "no sanitizer report" clean_stderr "$work/fifo.err"
    grep "tavelin-piano:" "$work/fifo.err" | sed 's/^/   /'
else
    fail "the window is up"
    tell_output "$work/fifo.err"
fi
finish
