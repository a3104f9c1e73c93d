#!/usr/bin/env bash
# The real program read and worked through the accessibility bus, as a
# screen reader does: a virtual X server, a D-Bus session of our own that
# starts the AT-SPI bus (at-spi-bus-launcher and the registry, by D-Bus
# activation), the program with Qt's AT-SPI bridge on, and tests/e2e/atspi.py
# reading its tree with pyatspi and pressing "Clef de sol" through its action.
#
#   tests/e2e/atspi.sh PROGRAM
#
# Needs xvfb-run, dbus-run-session, at-spi2-core, python3-pyatspi and
# pulseaudio (scripts/deps.sh test).
set -uo pipefail

if [ $# -ne 1 ] || [ ! -x "$1" ]; then
    echo "usage: tests/e2e/atspi.sh PROGRAM (an executable tavelin-piano)" >&2
    exit 2
fi
program=$(realpath "$1")
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)

if [ -z "${TAVELIN_ATSPI_SESSION:-}" ]; then
    for tool in xvfb-run xauth dbus-run-session; do
        command -v "$tool" >/dev/null || { echo "atspi: FAIL: $tool is missing (bash scripts/deps.sh test)"; exit 1; }
    done
    [ -x /usr/libexec/at-spi-bus-launcher ] || { echo "atspi: FAIL: at-spi2-core is missing (bash scripts/deps.sh test)"; exit 1; }
    export TAVELIN_ATSPI_SESSION=1
    exec xvfb-run -a -s "-screen 0 1280x800x24" dbus-run-session -- bash "$0" "$@"
fi

# Debian's python3, where python3-pyatspi is installed, whatever else is on PATH.
python=/usr/bin/python3
"$python" -c "import pyatspi" 2>/dev/null || { echo "atspi: FAIL: python3-pyatspi is missing (bash scripts/deps.sh test)"; exit 1; }
source "$root/scripts/xsession.sh"

work=$(mktemp -d)
export QT_QPA_PLATFORM=xcb
export QT_ACCESSIBILITY=1 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
unset PULSE_SERVER
export PULSE_RUNTIME_PATH="$work/pulse"
mkdir -p "$PULSE_RUNTIME_PATH"
pid=""
cleanup() {
    [ -n "$pid" ] && kill -KILL "$pid" 2>/dev/null
    stop_null_audio
    rm -rf "$work"
}
trap cleanup EXIT

start_null_audio || { echo "atspi: FAIL: a PulseAudio server with a null sink starts"; exit 1; }
# The accessibility bus first, so the program finds it as it starts.
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null ||
    { echo "atspi: FAIL: the session bus starts the accessibility bus (org.a11y.Bus)"; exit 1; }

"$program" >"$work/stdout.txt" 2>"$work/stderr.txt" &
pid=$!
"$python" "$here/atspi.py" "$(basename "$program")"
status=$?
if ! kill -0 "$pid" 2>/dev/null; then
    echo "FAIL: the program is still running at the end (its stderr follows)"
    tail -n 30 "$work/stderr.txt"
    pid=""
    exit 1
fi
kill -TERM "$pid"
for _ in $(seq 200); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
wait "$pid"
exit_status=$?
pid=""
if [ "$exit_status" -ne 0 ]; then
    echo "FAIL: the program ended with status $exit_status after SIGTERM"
    tail -n 30 "$work/stderr.txt"
    exit 1
fi
if grep -qE "AddressSanitizer|LeakSanitizer|runtime error:" "$work/stderr.txt"; then
    echo "FAIL: a sanitizer report on stderr"
    grep -E -A20 "AddressSanitizer|LeakSanitizer|runtime error:" "$work/stderr.txt" | head -60
    exit 1
fi
echo "ok: the program ended with status 0 after SIGTERM, no sanitizer report"
exit "$status"
