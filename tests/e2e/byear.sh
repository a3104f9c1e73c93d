#!/usr/bin/env bash
# End-to-end test of the by-ear exercise in a virtual X server with a null
# sink: a pupil plays "Clef de sol" with --variant ear. Each note must be
# heard on the sink while the note panel shows the bare staff; the note's
# pitch is read from the recording, its key clicked, and only then does the
# panel show the note's own picture. The next note is left to run out, and
# shows once missed. The pupil's report then counts the run.
#
#   tests/e2e/byear.sh PROGRAM NOTETRACK [SHOTS-DIR]
#
# SHOTS-DIR, when given, receives the window as a pupil sees it, heard and
# answered (the README's pictures: docs/variant-ear-*.png).
set -uo pipefail

if [ $# -lt 2 ] || [ ! -x "$1" ] || [ ! -x "$2" ]; then
    echo "usage: tests/e2e/byear.sh PROGRAM NOTETRACK [SHOTS-DIR]" >&2
    exit 2
fi
program=$(realpath "$1")
notetrack=$(realpath "$2")
shots=${3:-}
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
if [ -z "${TAVELIN_E2E_XVFB:-}" ]; then
    export TAVELIN_E2E_XVFB=1
    exec bash "$root/scripts/xvfb.sh" 1280x800x24 bash "$0" "$@"
fi
source "$root/scripts/xsession.sh"
source "$root/scripts/version.sh"
check_name="e2e by ear"
source "$root/scripts/checks.sh"
pixels="$here/pixels.py"
pictures="$(dirname "$program")/picture"
work=$(mktemp -d)
export QT_QPA_PLATFORM=xcb LANG=fr_FR.UTF-8 LANGUAGE= LC_ALL= LC_MESSAGES=
export XDG_DATA_HOME="$work/data"
export PULSE_RUNTIME_PATH="$work/pulse"
mkdir -p "$PULSE_RUNTIME_PATH"
unset PULSE_SERVER
pid=""
recorder=""
cleanup() {
    [ -n "$recorder" ] && kill "$recorder" 2>/dev/null
    [ -n "$pid" ] && kill -KILL "$pid" 2>/dev/null
    stop_null_audio
    if [ "$failed" -gt 0 ]; then echo "e2e by ear: the shots and the program's output are kept in $work"; else rm -rf "$work"; fi
}
trap cleanup EXIT

panel() {  # the note panel's mean difference from picture $2 in shot $1
    python3 "$pixels" match "$1" 383 10 633 260 "$2"
}
is_picture() { python3 -c "import sys; sys.exit(0 if float('$(panel "$1" "$2")') < 0.5 else 1)"; }
not_picture() { ! is_picture "$@"; }
# The notes heard so far in the recording, one "onset_ms note" a line.
heard() {
    cp "$work/run.raw" "$work/sofar.raw"
    "$notetrack" "$work/sofar.raw" 2>/dev/null | awk '{ print $1, $2 }'
}
# The nth note heard (1, 2...): waits for it, up to 15 s.
nth_note() {
    local n=$1 got=""
    for _ in $(seq 150); do
        got=$(heard | sed -n "${n}p")
        [ -n "$got" ] && { echo "$got"; return 0; }
        sleep 0.1
    done
    return 1
}
# A white key's place on screen: middle C at x 461, 32 px a white key.
key_x() {
    python3 -c "
n = $1
w = (n // 12) * 7 + [0, 0, 1, 1, 2, 3, 3, 4, 4, 5, 5, 6][n % 12]
print(461 + 32 * (w - 35))"
}

check "a PulseAudio server with a null sink \"cap\" runs" start_null_audio
"$program" --pupil Léa --variant ear >"$work/stdout.txt" 2>"$work/stderr.txt" &
pid=$!
win=$(wait_window "$tavelin_caption") || { fail "the window comes up"; tail -5 "$work/stderr.txt"; finish; }
ok "the window is up with --pupil Léa --variant ear"
sleep 2.5  # the greeting scale
parec -d cap.monitor --latency-msec=10 --raw --format=s16le --rate=48000 --channels=1 >"$work/run.raw" 2>/dev/null &
recorder=$!
poll 10 test -s "$work/run.raw"
click_at "$win" 954 83  # "Clef de sol"

# The first note: heard, the staff bare.
if first=$(nth_note 1); then
    note=${first#* }
    ok "the first note was heard on the null sink: MIDI $note"
    import -window "$win" -depth 8 "ppm:$work/heard.ppm"
    [ -n "$shots" ] && import -window "$win" "$shots/variant-ear-heard.png"
    check "while it is heard the panel shows neither the start picture nor the note" \
        bash -c "$(declare -f panel is_picture not_picture); pixels='$pixels'; not_picture '$work/heard.ppm' '$pictures/start50.jpg' && not_picture '$work/heard.ppm' '$pictures/1$note.jpg'"
    sleep 0.5
    import -window "$win" -depth 8 "ppm:$work/still.ppm"
    check "after its sound the staff is still bare" not_picture "$work/still.ppm" "$pictures/1$note.jpg"
    xdotool mousemove --window "$win" "$(key_x "$note")" 440 mousedown 1
    sleep 0.1
    xdotool mouseup 1
    sleep 0.4
    import -window "$win" -depth 8 "ppm:$work/answered.ppm"
    [ -n "$shots" ] && import -window "$win" "$shots/variant-ear-answered.png"
    check "answered, the panel shows the note's picture (1$note.jpg)" is_picture "$work/answered.ppm" "$pictures/1$note.jpg"
else
    fail "a note is heard within 15 s of the start"
fi

# The second note, left unanswered: shown once its time runs out.
if second=$(nth_note 3); then  # the first, the key clicked, then the second
    note2=${second#* }
    ok "the second note was heard: MIDI $note2"
    import -window "$win" -depth 8 "ppm:$work/second.ppm"
    check "the second note is not drawn while it waits for its answer" not_picture "$work/second.ppm" "$pictures/1$note2.jpg"
    # Shots as fast as the X server gives them through the rest of its
    # period, read afterwards: the note is up for its last quarter (1 s).
    for i in $(seq 40); do
        import -window "$win" -depth 8 "ppm:$work/missed-$i.ppm"
        sleep 0.05
    done
    missed_shown() {
        local shot
        for shot in "$work"/missed-*.ppm; do
            is_picture "$shot" "$pictures/1$note2.jpg" && return 0
        done
        return 1
    }
    check "missed, it is drawn before the next note (1$note2.jpg)" missed_shown
else
    fail "a second note is heard"
fi
click_at "$win" 902 241  # "Arrêter"
sleep 0.5
kill "$recorder" 2>/dev/null
recorder=""
kill -TERM "$pid"
wait "$pid"
check "the program ended with status 0" test $? -eq 0
pid=""
"$program" --report --pupil Léa --out "$work/report.png" >"$work/report.txt" 2>&1
check "the report counts Léa's run, one note right" grep -q "1 séance" "$work/report.txt"
results=$(find "$XDG_DATA_HOME" -name '*.csv' | head -1)
check "every row of the run says it was heard by ear (sounded yes, variant ear)" \
    awk -F, 'NR == 1 { if ($12 != "variant") exit 1 } NR > 1 { n++; if ($9 != "yes" || $12 != "ear") bad++ }
             END { exit !(n >= 2 && bad == 0) }' "$results"
finish
