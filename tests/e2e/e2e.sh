#!/usr/bin/env bash
# End-to-end test of the real program in a virtual X server, with a null
# sink for its sound: finds the window by its caption, clicks real controls
# with xdotool, reads the screen back with ImageMagick's import and checks
# what a user would see and hear, then ends the program with SIGTERM (the
# program closes its window on it; there is no window manager to ask) and
# expects exit status 0.
#
#   tests/e2e/e2e.sh [--sound=pulseaudio|pipewire] PROGRAM [NOTETRACK]
#
# --sound says which sound server the program plays to, started here with
# a null sink "cap": PulseAudio (the default), or PipeWire with its
# PulseAudio service and WirePlumber, as a desktop session starts them, on a
# session bus of their own.
#
# NOTETRACK (tavelin-notetrack, built with the tests) lists the notes heard in
# a recording; with it the greeting scale is checked note by note.
#
# Needs Xvfb, xdotool, ImageMagick, pulseaudio or pipewire-pulse and
# wireplumber, parec, xprop and python3, which ./test.sh installs through
# scripts/deps.sh. Every check prints one line; the last line counts them.
set -uo pipefail

sound=pulseaudio
case "${1:-}" in
    --sound=pulseaudio | --sound=pipewire) sound=${1#--sound=}; shift ;;
    --sound=*) echo "e2e: unknown sound server '${1#--sound=}' (pulseaudio or pipewire)" >&2; exit 2 ;;
esac
if [ $# -lt 1 ] || [ $# -gt 2 ] || [ ! -x "$1" ] || { [ $# -eq 2 ] && [ ! -x "$2" ]; }; then
    echo "usage: tests/e2e/e2e.sh [--sound=pulseaudio|pipewire] PROGRAM [NOTETRACK] (an executable tavelin-piano, tavelin-notetrack)" >&2
    exit 2
fi
program=$(realpath "$1")
notetrack=""
[ $# -eq 2 ] && notetrack=$(realpath "$2")
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
pixels="$here/pixels.py"

# A display of our own, whatever display the caller has; for PipeWire a
# session bus of our own too.
if [ -z "${TAVELIN_E2E_XVFB:-}" ]; then
    tools=(Xvfb)
    session=()
    if [ "$sound" = pipewire ]; then
        tools+=(dbus-run-session)
        session=(dbus-run-session --)
    fi
    for tool in "${tools[@]}"; do
        command -v "$tool" >/dev/null || { echo "e2e: FAIL: $tool is missing (bash scripts/deps.sh test)"; exit 1; }
    done
    export TAVELIN_E2E_XVFB=1
    exec bash "$root/scripts/xvfb.sh" 1280x800x24 "${session[@]}" bash "$0" "--sound=$sound" "$@"
fi

servers=(pulseaudio)
[ "$sound" = pipewire ] && servers=(pipewire pipewire-pulse wireplumber)
for tool in xdotool xprop import convert "${servers[@]}" pactl parec python3; do
    command -v "$tool" >/dev/null || { echo "e2e: FAIL: $tool is missing (bash scripts/deps.sh test)"; exit 1; }
done
source "$root/scripts/xsession.sh"

source "$root/scripts/version.sh"
title=$tavelin_caption
pictures="$(dirname "$program")/picture"
work=$(mktemp -d)
# The program on this X server (test.sh sets offscreen for the widget
# tests) and on a sound server of our own, whatever the caller uses.
export QT_QPA_PLATFORM=xcb
unset PULSE_SERVER
export PULSE_RUNTIME_PATH="$work/pulse"
mkdir -p "$PULSE_RUNTIME_PATH"
if [ "$sound" = pipewire ]; then
    export XDG_RUNTIME_DIR="$work/runtime"
    mkdir -m 700 "$XDG_RUNTIME_DIR"
fi
check_name=e2e
[ "$sound" = pipewire ] && check_name="e2e on PipeWire"
source "$root/scripts/checks.sh"
pid=""
recorder=""


cleanup() {
    [ -n "$recorder" ] && kill "$recorder" 2>/dev/null
    [ -n "$pid" ] && kill -KILL "$pid" 2>/dev/null
    if [ "$sound" = pipewire ]; then stop_pipewire_audio; else stop_null_audio; fi
    if [ "$failed" -gt 0 ]; then
        echo "e2e: the screenshots and the program's output are kept in $work"
    else
        rm -rf "$work"
    fi
}
trap cleanup EXIT


# The program must still run; a crash ends the test with what it printed.
alive() {
    if ! kill -0 "$pid" 2>/dev/null; then
        fail "the program is running (it ended early; its stderr follows)"
        tail -n 30 "$work/stderr.txt"
        pid=""
        finish
    fi
}

# A window's contents as a PPM file (import with no window would wait for a
# click to choose one, hence the guard and the time limit).
shot() {
    [ -n "$win" ] && timeout 10 import -window "$win" -depth 8 "ppm:$1"
}


# Records the null sink's monitor into FILE until stop_recording; returns
# once samples arrive.
start_recording() {
    parec -d cap.monitor --latency-msec=10 --raw --format=s16le --rate=48000 --channels=1 >"$1" 2>/dev/null &
    recorder=$!
    poll 10 test -s "$1"
}
stop_recording() {
    kill "$recorder" 2>/dev/null
    wait "$recorder" 2>/dev/null
    recorder=""
}
# Peak of a recording above PEAK (of 32767): something sounded.
sounded() {
    local peak
    peak=$(python3 "$pixels" sound "$1")
    echo "   peak $peak of 32767 in $(($(stat -c %s "$1") / 96)) ms recorded"
    [ "$peak" -gt "$2" ]
}

panel_is() {  # the note panel (383..633, 10..260) shows the picture file $1
    local d
    shot "$work/now.ppm" || return 1
    d=$(python3 "$pixels" match "$work/now.ppm" 383 10 633 260 "$1")
    python3 -c "import sys; sys.exit(0 if float('$d') < 6 else 1)"
}

height_is() {
    [ "$(xdotool getwindowgeometry "$win" 2>/dev/null | sed -n 's/.*Geometry: [0-9]*x\([0-9]*\).*/\1/p')" = "$1" ]
}

# region_changed A B x0 y0 x1 y1 SHARE: more than SHARE (0 to 1) of the
# region's pixels differ between shots A and B.
region_changed() {
    local share
    share=$(python3 "$pixels" diff "$1" "$2" "$3" "$4" "$5" "$6") || return 1
    python3 -c "import sys; sys.exit(0 if float('$share') > float('$7') else 1)"
}
# region_same A B x0 y0 x1 y1: no pixel of the region differs.
region_same() {
    [ "$(python3 "$pixels" diff "$1" "$2" "$3" "$4" "$5" "$6")" = "0.0000" ]
}

# ---------------------------------------------------------------- start-up

if [ "$sound" = pipewire ]; then
    if start_pipewire_audio "$work"; then
        ok "PipeWire, WirePlumber and pipewire-pulse run with a null sink \"cap\" ($(pactl info | sed -n 's/^Server Name: //p'))"
    else
        fail "PipeWire, WirePlumber and pipewire-pulse start with a null sink \"cap\""
        tail -n 5 "$work"/pipewire*.log "$work/wireplumber.log"
        finish
    fi
elif start_null_audio; then
    ok "a PulseAudio server with a null sink \"cap\" runs ($PULSE_SERVER)"
else
    fail "a PulseAudio server with a null sink \"cap\" starts"
    finish
fi

# The greeting scale plays right after the window first paints: record from
# before the start.
check "parec records the null sink's monitor" start_recording "$work/greeting.raw"

"$program" >"$work/stdout.txt" 2>"$work/stderr.txt" &
pid=$!
win=""
find_window() {
    alive
    win=$(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null | head -1)
    [ -n "$win" ]
}
if poll 60 find_window; then
    ok "the window \"$title\" is up (id $win)"
else
    fail "a window named \"$title\" appears within 60 s"
    echo "   windows with a name on the display:"
    xdotool search --name . 2>/dev/null | while read -r id; do echo "   $id $(xdotool getwindowname "$id" 2>/dev/null)"; done
    echo "   the program's stderr (a message box instead means MIDI device 0 did not open):"
    tail -n 5 "$work/stderr.txt" | sed 's/^/   /'
    finish
fi
check "the window's client area is 1018 x 469" poll 10 height_is 469

# The caption, exactly, in both the old and the new window-manager property
# (a task bar reads _NET_WM_NAME).
caption_is() {
    [ "$(xprop -id "$win" "$1" 2>/dev/null)" = "$1($2) = \"$title\"" ]
}
check "WM_NAME is exactly \"$title\"" caption_is WM_NAME STRING
check "_NET_WM_NAME is exactly \"$title\"" caption_is _NET_WM_NAME UTF8_STRING
xprop -id "$win" WM_NAME _NET_WM_NAME | sed 's/^/   /'

# The start-up sequence puts the welcome picture in the note panel, then
# plays the scale (1.8 s).
check "the note panel shows the welcome picture (001s.jpg)" poll 30 panel_is "$pictures/001s.jpg"
sleep 2.5
alive
stop_recording
check "the greeting scale was heard on the null sink" sounded "$work/greeting.raw" 300
# Note by note: the eight notes of the scale, 60 first, about 200 ms apart
# (each step 100 to 300 ms, the seven together 1200 to 1600 ms: the onsets
# are read from the sound, on a loaded machine running the sanitizer build).
greeting_heard() {
    "$notetrack" "$work/greeting.raw" >"$work/greeting.notes" || return 1
    sed 's/^/   heard: onset_ms note hz length_ms /' "$work/greeting.notes"
    awk 'BEGIN { split("60 62 64 65 67 69 71 72", want, " ") }
         { n++; note[n] = $2; at[n] = $1 }
         END {
             if (n != 8) { print "   " n " notes heard, not 8"; exit 1 }
             for (i = 1; i <= 8; i++) {
                 if (note[i] != want[i]) { print "   note " i " is " note[i] ", not " want[i]; exit 1 }
                 if (i > 1) { step = at[i] - at[i - 1]; if (step < 100 || step > 300) { print "   step " i " is " step " ms"; exit 1 } }
             }
             span = at[8] - at[1]
             if (span < 1200 || span > 1600) { print "   60 to 72 took " span " ms"; exit 1 }
         }' "$work/greeting.notes"
}
# The recorder asks for a 10 ms latency: a null sink left to itself renders
# in blocks of up to 2 s, and a stream that pulls the synthesizer's sound
# only as the sink asks would be pulled once for the whole scale. A sound
# card's sink renders in small blocks, as the sink does with this request.
if [ -n "$notetrack" ]; then
    check "the greeting was heard note by note: 60 62 64 65 67 69 71 72, about 200 ms apart" greeting_heard
fi

# ---------------------------------------------------------------- keys

shot "$work/rest.ppm"
# The button faces, flat in the design colours, on screen: a mode button
# and "Aide à la lecture" brown, "Arrêter" (disabled) maroon, sampled inside
# the edge and clear of the caption.
face_is() {
    local got
    got=$(python3 "$pixels" pixel "$work/rest.ppm" "$1" "$2")
    [ "$got" = "$3" ] || { echo "   ($1, $2) is $got"; return 1; }
}
check "\"Clef de sol\" has the face #6A4B39" face_is 902 73 "#6A4B39"
check "\"Toutes les notes\" has the face #6A4B39" face_is 1006 232 "#6A4B39"
check "\"Aide à la lecture\" has the face #6A4B39" face_is 902 289 "#6A4B39"
check "\"Arrêter\" (disabled) has the face #800000" face_is 902 241 "#800000"
check "parec records the null sink's monitor again" start_recording "$work/keys.raw"
# Middle C, E and G, low on the white keys (32 px apart from x 16).
for x in 461 525 589; do
    xdotool mousemove --window "$win" "$x" 440 mousedown 1
    sleep 0.15
    [ "$x" = 461 ] && shot "$work/held.ppm"
    xdotool mouseup 1
    sleep 0.35
done
sleep 0.5
stop_recording
check "a held key is drawn pressed (middle C's key changes)" region_changed "$work/rest.ppm" "$work/held.ppm" 450 300 474 460 0.2
shot "$work/released.ppm"
check "released keys are drawn as before" region_same "$work/rest.ppm" "$work/released.ppm" 0 300 1018 460
check "clicked keys were heard on the null sink" sounded "$work/keys.raw" 300
alive

# ---------------------------------------------------------------- speed

# The bar's right arrow, three times: from 3 to the end, 5 ("Rapide").
for _ in 1 2 3; do
    click_at "$win" 845 280
    sleep 0.3
done
shot "$work/speed5.ppm"
click_at "$win" 845 280
sleep 0.3
shot "$work/speed5again.ppm"
check "the speed bar's thumb moved" region_changed "$work/rest.ppm" "$work/speed5.ppm" 732 272 853 289 0.02
check "\"Vitesse : N\" shows a new value" region_changed "$work/rest.ppm" "$work/speed5.ppm" 780 254 860 271 0.004
check "the speed bar is at its end (Rapide): one more click changes nothing" \
    region_same "$work/speed5.ppm" "$work/speed5again.ppm" 700 254 900 292

# ---------------------------------------------------------------- a run

# "Clef de sol": the start picture, then a note every 2 s, "Note : N"
# counting, and each unanswered note's key flashing red for 150 ms from
# 1800 ms after its tick. Quick snapshots of the panel with the counter
# under it, and of the keyboard (y 300..460), for 12 s and at least 40
# snapshot pairs: a loaded machine's X server takes longer over each, so
# there the snapshots go on for up to 45 s (the run lasts 100 s).
mkdir -p "$work/run"
click_at "$win" 954 83
started=$(date +%s%N)
n=0
while :; do
    elapsed=$((($(date +%s%N) - started) / 1000000))
    [ "$elapsed" -ge 45000 ] && break
    [ "$elapsed" -ge 12000 ] && [ "$n" -ge 40 ] && break
    n=$((n + 1))
    timeout 10 import -window "$win" -crop 250x280+383+10 +repage -depth 8 "ppm:$work/run/p$n.ppm" 2>/dev/null
    timeout 10 import -window "$win" -crop 1018x160+0+300 +repage -depth 8 "ppm:$work/run/k$n.ppm" 2>/dev/null
done
alive
python3 "$pixels" series "$work/run" "$pictures/start50.jpg" >"$work/series.txt"
snaps=$(wc -l <"$work/series.txt")
seconds=$(((elapsed + 500) / 1000))
echo "   $snaps snapshots in $seconds s"
check "at least 40 snapshots were taken" test "$snaps" -ge 40
check "the note panel showed the start picture (start50.jpg) first" \
    awk 'NR <= 3 && $5 < 6 { found = 1 } END { exit !found }' "$work/series.txt"
notes=$(awk '$5 >= 6 && !seen[$2]++ { n++ } END { print n + 0 }' "$work/series.txt")
echo "   $notes different note pictures"
check "the note panel then showed changing notes (at least 3 different pictures)" test "$notes" -ge 3
counts=$(awk 'NR > 1 && $3 != last { n++ } { last = $3 } END { print n + 0 }' "$work/series.txt")
echo "   the counter changed $counts times in $seconds s"
# At speed 5 the counter shows "Note : 5" 10.4 s after the start; at speed 4
# it would show "Note : 3": at least 4 changes in 12 s, and one more for
# every 2.5 s the snapshots went on longer (speed 4 makes one every 3 s).
wanted=$((4 + (seconds - 12) * 2 / 5))
check "\"Note : \" counted at speed 5 (the counter changed at least $wanted times)" test "$counts" -ge "$wanted"
reds=$(awk '$4 >= 200 { n++ } END { print n + 0 }' "$work/series.txt")
peak=$(awk '$4 > m { m = $4 } END { print m + 0 }' "$work/series.txt")
echo "   $reds snapshots with a red key, at most $peak red pixels"
check "a missed note's key flashed red" test "$reds" -ge 1
alive

# ---------------------------------------------------------------- stop

# Arrêter: the run ends on the end picture, and "Note : N" goes away.
click_at "$win" 954 251
check "\"Arrêter\" ends the run: the note panel shows the end picture (end.jpg)" poll 10 panel_is "$pictures/end.jpg"
counter_gone() {
    shot "$work/stopped.ppm" && region_same "$work/rest.ppm" "$work/stopped.ppm" 384 274 460 290
}
check "\"Note : N\" is gone" poll 5 counter_gone
alive

# ---------------------------------------------------------------- name panel

shot "$work/names-closed.ppm"
click_at "$win" 508 279
names_open() {
    shot "$work/names-open.ppm" && region_changed "$work/names-closed.ppm" "$work/names-open.ppm" 641 10 891 260 0.3
}
check "\"Afficher le nom de la note\" slides the name panel out (pixels right of x 640 change)" poll 10 names_open
alive

# ---------------------------------------------------------------- reading help

click_at "$win" 954 279
check "\"Aide à la lecture\" grows the window by 52 px (469 → 521)" poll 15 height_is 521
sleep 0.5
check "the window stays 521 px high" height_is 521
shot "$work/help.ppm"
click_at "$win" 954 279
check "a second click shrinks it back to 469 px" poll 15 height_is 469
alive

# ---------------------------------------------------------------- close

kill -TERM "$pid"
exited() { ! kill -0 "$pid" 2>/dev/null; }
if poll 20 exited; then
    wait "$pid"
    status=$?
    pid=""
    check "the program ended with exit status 0 after SIGTERM (it was $status)" test "$status" -eq 0
else
    fail "the program ends within 20 s of SIGTERM"
fi
if grep -qE "AddressSanitizer|LeakSanitizer|runtime error:" "$work/stderr.txt"; then
    fail "no sanitizer report on stderr"
    grep -E -A20 "AddressSanitizer|LeakSanitizer|runtime error:" "$work/stderr.txt" | head -60
else
    ok "no sanitizer report on stderr"
fi
finish
