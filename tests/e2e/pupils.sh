#!/usr/bin/env bash
# The pupils window on the real program: a virtual X server, a D-Bus session
# with the accessibility bus (as tests/e2e/atspi.sh), real key presses and
# clicks with xdotool placed by what the accessibility bus says of each
# control, and the files on disk checked byte for byte (tests/e2e/pupils.py).
#
#   tests/e2e/pupils.sh PROGRAM [SHOTS]
#
# With SHOTS, a folder: the window's pictures for the manual are saved there
# (pupils-window.png, pupil-report.png).
# Needs Xvfb, dbus-run-session, at-spi2-core, python3-pyatspi, xdotool,
# ImageMagick, pdftoppm, desktop-file-validate and pulseaudio
# (scripts/deps.sh test).
set -uo pipefail

if [ $# -lt 1 ] || [ $# -gt 2 ] || [ ! -x "$1" ]; then
    echo "usage: tests/e2e/pupils.sh PROGRAM [SHOTS] (an executable tavelin-piano)" >&2
    exit 2
fi
program=$(realpath "$1")
shots=""
[ $# -eq 2 ] && shots=$(realpath "$2")
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)

if [ -z "${TAVELIN_PUPILS_SESSION:-}" ]; then
    for tool in Xvfb dbus-run-session; do
        command -v "$tool" >/dev/null || { echo "pupils: FAIL: $tool is missing (bash scripts/deps.sh test)"; exit 1; }
    done
    export TAVELIN_PUPILS_SESSION=1
    exec bash "$root/scripts/xvfb.sh" 1600x1000x24 dbus-run-session -- bash "$0" "$@"
fi

python=/usr/bin/python3
"$python" -c "import pyatspi" 2>/dev/null || { echo "pupils: FAIL: python3-pyatspi is missing"; exit 1; }
for tool in xdotool import pdftoppm desktop-file-validate; do
    command -v "$tool" >/dev/null || { echo "pupils: FAIL: $tool is missing (bash scripts/deps.sh test)"; exit 1; }
done
source "$root/scripts/xsession.sh"
source "$root/scripts/version.sh"  # $tavelin_caption, which pupils.py reads

work=$(mktemp -d)
export QT_QPA_PLATFORM=xcb
export QT_ACCESSIBILITY=1 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
export LANG=C.UTF-8 LANGUAGE=fr
export XDG_DATA_HOME="$work/data" HOME="$work/home"
mkdir -p "$HOME" "$XDG_DATA_HOME/tavelin-piano/pupils"
unset PULSE_SERVER
export PULSE_RUNTIME_PATH="$work/pulse"
mkdir -p "$PULSE_RUNTIME_PATH"
cleanup() {
    stop_null_audio
    if [ "${keep:-0}" = 1 ]; then
        echo "pupils: the files are kept in $work"
    else
        rm -rf "$work"
    fi
}
trap cleanup EXIT

start_null_audio || { echo "pupils: FAIL: a PulseAudio server with a null sink starts"; exit 1; }
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null ||
    { echo "pupils: FAIL: the session bus starts the accessibility bus (org.a11y.Bus)"; exit 1; }

# Two pupils with runs, from the docs' sample.
cp "$root/docs/sample-results.csv" "$XDG_DATA_HOME/tavelin-piano/pupils/Hugo.csv"
head -n 400 "$root/docs/sample-results.csv" >"$XDG_DATA_HOME/tavelin-piano/pupils/Zoé.csv"

"$python" "$here/pupils.py" "$program" "$work" "$shots"
status=$?
[ "$status" -ne 0 ] && keep=1
if grep -lE "AddressSanitizer|LeakSanitizer|runtime error:" "$work"/*.err 2>/dev/null; then
    echo "FAIL: a sanitizer report on stderr"
    grep -h -E -A20 "AddressSanitizer|LeakSanitizer|runtime error:" "$work"/*.err | head -60
    keep=1
    exit 1
fi
exit "$status"
