#!/usr/bin/env bash
# The real program read and worked through the accessibility bus, as a
# screen reader does: a display of our own, a D-Bus session of our own that
# starts the AT-SPI bus (at-spi-bus-launcher and the registry, by D-Bus
# activation), the program with Qt's AT-SPI bridge on, and tests/e2e/atspi.py
# reading its tree with pyatspi: a run started, a note answered and the run
# stopped through the controls' actions alone.
#
#   tests/e2e/atspi.sh [--display=x11|wayland] PROGRAM [APP_ID]
#
# --display=x11 (the default): a virtual X server (Xvfb). --display=wayland:
# Weston's headless backend and Qt's Wayland platform; then the compositor's
# own view of the window is checked too (its title and app id APP_ID, the
# desktop entry's name), and a screenshot of it (weston-screenshooter): the
# window where its frame puts it, and the frame's title bar with two
# buttons, minimise and close, and no maximise; then its minimise button,
# pressed through the bus, has Weston take the window off the screen.
# TAVELIN_WAYLAND_SHOT=FILE keeps the window's picture as FILE (PNG;
# docs/wayland.png is one).
#
# Needs Xvfb or weston, dbus-run-session, at-spi2-core, python3-pyatspi
# and pulseaudio (scripts/deps.sh test). Every check prints one line; the
# last line counts them.
set -uo pipefail

display=x11
case "${1:-}" in
    --display=x11 | --display=wayland) display=${1#--display=}; shift ;;
    --display=*) echo "atspi: unknown display '${1#--display=}' (x11 or wayland)" >&2; exit 2 ;;
esac
if [ $# -lt 1 ] || [ $# -gt 2 ] || [ ! -x "$1" ] || { [ "$display" = wayland ] && [ $# -ne 2 ]; }; then
    echo "usage: tests/e2e/atspi.sh [--display=x11|wayland] PROGRAM [APP_ID] (an executable tavelin-piano; APP_ID with wayland)" >&2
    exit 2
fi
program=$(realpath "$1")
app_id=${2:-}
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)

if [ -z "${TAVELIN_ATSPI_SESSION:-}" ]; then
    tools=(dbus-run-session Xvfb)
    [ "$display" = wayland ] && tools=(dbus-run-session weston weston-screenshooter weston-debug)
    for tool in "${tools[@]}"; do
        command -v "$tool" >/dev/null || { echo "atspi: FAIL: $tool is missing (bash scripts/deps.sh test)"; exit 1; }
    done
    [ -x /usr/libexec/at-spi-bus-launcher ] || { echo "atspi: FAIL: at-spi2-core is missing (bash scripts/deps.sh test)"; exit 1; }
    export TAVELIN_ATSPI_SESSION=1
    if [ "$display" = wayland ]; then
        exec dbus-run-session -- bash "$0" --display=wayland "$@"
    fi
    exec bash "$root/scripts/xvfb.sh" 1280x800x24 dbus-run-session -- bash "$0" "$@"
fi

# Debian's python3, where python3-pyatspi is installed, whatever else is on PATH.
python=/usr/bin/python3
"$python" -c "import pyatspi" 2>/dev/null || { echo "atspi: FAIL: python3-pyatspi is missing (bash scripts/deps.sh test)"; exit 1; }
source "$root/scripts/xsession.sh"

source "$root/scripts/version.sh"  # $tavelin_caption, which atspi.py reads too
title=$tavelin_caption
pictures="$(dirname "$program")/picture"
work=$(mktemp -d)
check_name="e2e accessibility"
[ "$display" = wayland ] && check_name="e2e on Wayland"
source "$root/scripts/checks.sh"
export QT_ACCESSIBILITY=1 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
unset PULSE_SERVER
export PULSE_RUNTIME_PATH="$work/pulse"
mkdir -p "$PULSE_RUNTIME_PATH"
pid=""
weston=""
cleanup() {
    [ -n "$pid" ] && kill -KILL "$pid" 2>/dev/null
    stop_null_audio
    [ -n "$weston" ] && kill "$weston" 2>/dev/null && wait "$weston" 2>/dev/null
    if [ "$failed" -gt 0 ]; then
        echo "atspi: the program's output, the compositor's log and the screenshot are kept in $work"
    else
        rm -rf "$work"
    fi
}
trap cleanup EXIT

if [ "$display" = wayland ]; then
    # A compositor of our own on a socket in a runtime folder of our own,
    # and no X server to fall back on. --debug offers the screenshooter;
    # an idle compositor stops repainting and a screenshot waits for a
    # repaint, hence no idle time.
    unset DISPLAY
    export XDG_RUNTIME_DIR="$work/runtime"
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    export WAYLAND_DISPLAY=tavelin-e2e QT_QPA_PLATFORM=wayland
    # Full stacks for the leak check: what Mesa's EGL keeps is known by its
    # library only past a driver that is gone by then (tests/e2e/lsan.supp).
    [ -n "${ASAN_OPTIONS:-}" ] && export ASAN_OPTIONS="$ASAN_OPTIONS:fast_unwind_on_malloc=0"
    weston --backend=headless-backend.so --socket="$WAYLAND_DISPLAY" --use-pixman --debug \
        --width=1280 --height=800 --idle-time=0 >"$work/weston.log" 2>&1 &
    weston=$!
    if poll 20 test -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY"; then
        ok "Weston runs headless ($(weston --version 2>/dev/null), socket $WAYLAND_DISPLAY)"
    else
        fail "Weston starts headless"
        tail -n 5 "$work/weston.log"
        finish
    fi
else
    export QT_QPA_PLATFORM=xcb
fi

check "a PulseAudio server with a null sink starts" start_null_audio || finish
# The accessibility bus first, so the program finds it as it starts.
accessibility_bus() {
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null
}
check "the session bus starts the accessibility bus (org.a11y.Bus)" accessibility_bus || finish

"$program" >"$work/stdout.txt" 2>"$work/stderr.txt" &
pid=$!
check "the program is read and worked through the accessibility bus (atspi.py)" \
    "$python" "$here/atspi.py" "$(basename "$program")"
if ! kill -0 "$pid" 2>/dev/null; then
    fail "the program is still running at the end (its stderr follows)"
    tail -n 30 "$work/stderr.txt"
    pid=""
    finish
fi

# ---------------------------------------------------------------- the compositor's view

if [ "$display" = wayland ]; then
    # Weston's scene graph names each window with its title and app id, and
    # gives the rectangle it shows it in, frame included.
    scene_line=""
    scene() {
        timeout 5 weston-debug scene-graph >"$work/scene.txt" 2>/dev/null && grep -q "^Output 0" "$work/scene.txt"
    }
    window_listed() {
        scene || return 1
        scene_line=$(grep -A1 -F "top-level window '$title' of $app_id," "$work/scene.txt" | sed -n 's/.*position: (\(-\?[0-9]*\), \(-\?[0-9]*\)) -> (\(-\?[0-9]*\), \(-\?[0-9]*\)).*/\1 \2 \3 \4/p')
        [ -n "$scene_line" ]
    }
    if poll 10 window_listed; then
        ok "Weston shows a top-level window titled \"$title\" of the app id $app_id"
    else
        fail "Weston shows a top-level window titled \"$title\" of the app id $app_id"
        grep "top-level window" "$work/scene.txt" | sed 's/^/   /'
        finish
    fi
    read -r x0 y0 x1 y1 <<<"$scene_line"
    echo "   the window is at ($x0, $y0) to ($x1, $y1)"
    # The frame: a title bar of 30 px and a border of 1 px around the
    # window's 1018 x 469 px.
    check "its frame holds the window's 1018 x 469 px under a 30-px title bar" \
        test "$((x1 - x0))x$((y1 - y0))" = "1020x500"

    mkdir "$work/shot"
    shot_taken() {
        (cd "$work/shot" && timeout 20 weston-screenshooter >/dev/null 2>&1)
        shot=$(ls "$work"/shot/*.png 2>/dev/null | head -1)
        [ -n "$shot" ]
    }
    if check "weston-screenshooter takes a picture of the screen" shot_taken; then
        # The run was stopped: the note panel shows the end picture, at its
        # place in the window (383, 10 inside the frame's border and bar).
        cx=$((x0 + 1))
        cy=$((y0 + 30))
        panel_ends() {
            local d
            d=$(python3 "$here/pixels.py" match "$shot" $((cx + 383)) $((cy + 10)) $((cx + 633)) $((cy + 260)) "$pictures/end.jpg")
            echo "   the panel differs from end.jpg by $d of 255"
            python3 -c "import sys; sys.exit(0 if float('$d') < 6 else 1)"
        }
        check "the note panel shows the end picture (end.jpg) where the design puts it" panel_ends
        # The title bar's right end, clear of the title: minimise and close,
        # and no third mark for a maximise button.
        buttons=$(python3 "$here/pixels.py" marks "$shot" $((x1 - 120)) $((y0 + 3)) $((x1 - 1)) $((y0 + 27)))
        check "the title bar ends in two buttons, minimise and close, and no maximise ($buttons marks)" \
            test "$buttons" = 2
        if [ -n "${TAVELIN_WAYLAND_SHOT:-}" ]; then
            convert "$shot" -crop "$((x1 - x0))x$((y1 - y0))+$x0+$y0" +repage "$TAVELIN_WAYLAND_SHOT" &&
                echo "   the window's picture is in $TAVELIN_WAYLAND_SHOT"
        fi
    fi

    # The frame's minimise button asks the compositor, which takes the
    # window off the screen (Weston's shell keeps minimised windows out of
    # its scene). A second client of the bus: on a loaded machine its
    # registration may time out, and it tries again.
    check "the frame's \"Réduire\" is pressed through the accessibility bus" \
        poll 30 "$python" "$here/atspi.py" "$(basename "$program")" --press "Réduire"
    minimised() { scene && ! grep -q -F "top-level window '$title'" "$work/scene.txt"; }
    check "Weston takes the window off the screen: it is minimised" poll 10 minimised
fi

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
