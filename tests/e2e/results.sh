#!/usr/bin/env bash
# The results file through the whole program, in a virtual X server of this
# script's own (so that it can take the server away): runs are started and
# stopped with real clicks, and what reaches the file is read back.
#
#   tests/e2e/results.sh PROGRAM
#
# 1. The X server killed during a run: the open run is in the file, as
#    stopped.
# 2. A full disk (a small tmpfs when this can mount one, else a file size
#    limit that makes every write fail with EFBIG), two runs, then SIGTERM:
#    stderr counts the rows that were lost and the exit status is 1.
# 3. Another program holding the file's lock: runs go on; once it lets go,
#    every row arrives once. Still held at the end: the program gives up
#    after a few seconds, counts what is lost, exits 1, the file unchanged.
#
# TAVELIN_E2E_NO_TMPFS=1 tries the file size limit even where a tmpfs could be
# mounted. Needs Xvfb, xdotool and flock. Every check prints one line; the last line
# counts them.
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)

if [ $# -ne 1 ] || [ ! -x "$1" ]; then
    echo "usage: tests/e2e/results.sh PROGRAM (an executable tavelin-piano)" >&2
    exit 2
fi
program=$(realpath "$1")
for tool in Xvfb xdotool flock; do
    command -v "$tool" >/dev/null || { echo "results: FAIL: $tool is missing (bash scripts/deps.sh test)"; exit 1; }
done

source "$root/scripts/version.sh"
title=$tavelin_caption
work=$(mktemp -d)
check_name=results
source "$root/scripts/checks.sh"
source "$root/scripts/xvfb.sh"
pid=""
holder=""
mounted=""
export QT_QPA_PLATFORM=xcb
export TAVELIN_AUDIO_DRIVER=file   # no sound card: the synthesizer plays into fluidsynth.wav...
ln -s /dev/null "$work/fluidsynth.wav"  # ...which is no file, so no size limit stops it
export XDG_RUNTIME_DIR="$work"
cd "$work" || exit 1

cleanup() {
    [ -n "$pid" ] && kill -KILL "$pid" 2>/dev/null
    [ -n "$holder" ] && kill "$holder" 2>/dev/null
    xvfb_stop
    [ -n "$mounted" ] && umount "$mounted" 2>/dev/null
    if [ "$failed" -gt 0 ]; then
        echo "results: the files and the program's output are kept in $work"
    else
        rm -rf "$work"
    fi
}
trap cleanup EXIT

start_x() { xvfb_start 1280x800x24; }

win=""
# start_program NAME ARGS...: the program, its output in NAME.out and NAME.err.
start_program() {
    local name=$1
    shift
    "$program" "$@" >"$work/$name.out" 2>"$work/$name.err" &
    pid=$!
    find_window() {
        kill -0 "$pid" 2>/dev/null || return 2
        win=$(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null | head -1)
        [ -n "$win" ]
    }
    poll 60 find_window && return 0
    tell_output "$work/$name.err"
    return 1
}
# A run of "Clef de sol", stopped with "Arrêter" after about two notes.
one_run() {
    xdotool mousemove --window "$win" 954 83 click 1
    sleep 5
    xdotool mousemove --window "$win" 954 251 click 1
    sleep 0.5
}
# end_program SECONDS: SIGTERM, then the exit status (or 255 if still running).
end_program() {
    kill -TERM "$pid"
    local deadline=$((SECONDS + $1))
    while [ $SECONDS -lt $deadline ] && kill -0 "$pid" 2>/dev/null; do sleep 0.1; done
    if kill -0 "$pid" 2>/dev/null; then
        kill -KILL "$pid"
        wait "$pid" 2>/dev/null
        pid=""
        return 255
    fi
    wait "$pid"
    local status=$?
    pid=""
    return $status
}
rows() { echo $(($(wc -l <"$1") - 1)); }
clean_stderr() {
    ! grep -qE "AddressSanitizer|LeakSanitizer|runtime error:" "$1"
}

# ---------------------------------------------------------------- X lost

start_x || { fail "a virtual X server starts"; finish; }
# Qt ends the program with exit(1) from inside its event loop, every window
# and object still there: a leak check then would only list them.
if ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" start_program xlost --results "$work/xlost.csv"; then
    xdotool mousemove --window "$win" 954 83 click 1
    # The first note comes at 4 s and is on the staff after its 400 ms
    # sound: a note never drawn is no row.
    sleep 6
    xvfb_stop
    for _ in $(seq 200); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    if kill -0 "$pid" 2>/dev/null; then
        fail "the program ends when its X server goes"
        kill -KILL "$pid"
    fi
    wait "$pid"
    status=$?
    pid=""
    check "the program ended with status 1 when its X server went (it was $status)" test "$status" -eq 1
    check "the open run is in the file ($(rows "$work/xlost.csv") rows)" test "$(rows "$work/xlost.csv")" -ge 1
    check "its last row is stopped" test "$(tail -1 "$work/xlost.csv" | cut -d, -f8)" = stopped
    check "no sanitizer report" clean_stderr "$work/xlost.err"
else
    fail "the window is up"
fi

# ---------------------------------------------------------------- full disk

start_x || { fail "a virtual X server starts again"; finish; }
full="$work/full"
mkdir -p "$full"
# fill SIZE: the results file made SIZE bytes long, our header first, so
# that the next byte needs a block the disk does not have.
fill() {
    head -1 "$work/xlost.csv" >"$full/full.csv"
    local size
    size=$(stat -c %s "$full/full.csv")
    head -c $(($1 - size - 1)) /dev/zero | tr '\0' x >>"$full/full.csv"
    echo >>"$full/full.csv"
}
if [ -z "${TAVELIN_E2E_NO_TMPFS:-}" ] && [ "$(id -u)" -eq 0 ] && mount -t tmpfs -o size=256k tmpfs "$full" 2>/dev/null; then
    mounted="$full"
    how="a tmpfs filled up (ENOSPC)"
    fill 4096
    dd if=/dev/zero of="$full/filler" bs=4096 2>/dev/null
    check "the tmpfs is full" test "$(df --output=avail "$full" | tail -1 | tr -d ' ')" -eq 0
    start_program full --results "$full/full.csv" || fail "the window is up"
else
    how="a file size limit (ulimit -f 1: EFBIG past 1 kB; no tmpfs could be mounted)"
    fill 1024
    (ulimit -f 1; exec "$program" --results "$full/full.csv") >"$work/full.out" 2>"$work/full.err" &
    pid=$!
    find_full() {
        kill -0 "$pid" 2>/dev/null || return 2
        win=$(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null | head -1)
        [ -n "$win" ]
    }
    poll 60 find_full || { fail "the window is up under the size limit"; tell_output "$work/full.err"; }
fi
before=$(md5sum <"$full/full.csv")
echo "   the disk is full through $how"
one_run
one_run
end_program 30
status=$?
check "after two runs on a full disk, SIGTERM ends the program with status 1 (it was $status)" test "$status" -eq 1
lost=$(sed -n 's/^tavelin-piano: \([0-9]*\) rows of results could not be written.*/\1/p' "$work/full.err")
check "stderr counts the rows lost (${lost:-none})" test "${lost:-0}" -ge 2
check "the write failure was said once" test "$(grep -c "the results are kept for the next try" "$work/full.err")" -eq 1
check "the file is unchanged, byte for byte" test "$(md5sum <"$full/full.csv")" = "$before"
check "no sanitizer report" clean_stderr "$work/full.err"
grep "tavelin-piano:" "$work/full.err" | sed 's/^/   /'
[ -n "$mounted" ] && umount "$mounted" && mounted=""

# ---------------------------------------------------------------- lock

if start_program lock --results "$work/lock.csv"; then
    flock -x -F "$work/lock.csv" sh -c 'echo held; exec sleep 120' >"$work/holder.txt" &
    holder=$!
    poll 10 grep -q held "$work/holder.txt"
    one_run
    one_run
    check "nothing reached the file under the lock" test "$(rows "$work/lock.csv")" -eq 0
    check "the program runs on under the lock" kill -0 "$pid"
    kill "$holder"; wait "$holder" 2>/dev/null; holder=""
    two_runs_in() { [ "$(cut -d, -f2 "$work/lock.csv" | sed 1d | sort -u | wc -l)" -eq 2 ]; }
    check "once the lock is let go, both runs arrive" poll 20 two_runs_in
    n=$(rows "$work/lock.csv")
    check "each row once, one header ($n rows)" test "$(sort "$work/lock.csv" | uniq -d | wc -l)" -eq 0 -a "$(grep -c '^started,' "$work/lock.csv")" -eq 1
    # Held again at the end: given up on after a few seconds.
    flock -x -F "$work/lock.csv" sh -c 'echo held; exec sleep 120' >"$work/holder.txt" &
    holder=$!
    poll 10 grep -q held "$work/holder.txt"
    before=$(md5sum <"$work/lock.csv")
    one_run
    began=$SECONDS
    end_program 30
    status=$?
    check "with the lock still held, SIGTERM ends the program with status 1 (it was $status)" test "$status" -eq 1
    check "within 15 s ($((SECONDS - began)) s)" test $((SECONDS - began)) -le 15
    lost=$(sed -n 's/^tavelin-piano: \([0-9]*\) rows\{0,1\} of results could not be written.*/\1/p' "$work/lock.err")
    check "stderr counts the rows of the last run (${lost:-none})" test "${lost:-0}" -ge 1
    kill "$holder"; wait "$holder" 2>/dev/null; holder=""
    sleep 0.5
    check "the file is unchanged, byte for byte" test "$(md5sum <"$work/lock.csv")" = "$before"
    check "no sanitizer report" clean_stderr "$work/lock.err"
else
    fail "the window is up"
fi
xvfb_stop
finish
