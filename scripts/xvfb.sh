#!/usr/bin/env bash
# A virtual X server on a display of its own.
#
#   bash scripts/xvfb.sh WIDTHxHEIGHTxDEPTH COMMAND [ARGS...]
#       runs the command on a server of its own and returns its status;
#   source scripts/xvfb.sh; xvfb_start WIDTHxHEIGHTxDEPTH ... xvfb_stop
#       for a script that takes the server away itself.
#
# The server picks a free display itself (-displayfd), so any number of
# these can start at the same moment, as ctest starts tests side by side:
# xvfb-run -a looks for a free number and starts the server afterwards, and
# two of them started together can both take the same one.

xvfb_pid=""

# xvfb_start SCREEN: a new server (the one started before is stopped), DISPLAY
# set to it once a client is answered there. Says why on stderr and returns 1
# when it does not come up.
xvfb_start() {
    xvfb_stop
    command -v Xvfb >/dev/null || { echo "xvfb: Xvfb is missing (apt-get install xvfb)" >&2; return 1; }
    local displayfile number
    displayfile=$(mktemp)
    # Its output goes nowhere near the caller's: a server left behind must
    # not hold a test's output open.
    Xvfb -displayfd 3 -screen 0 "$1" -nolisten tcp -noreset 3>"$displayfile" </dev/null >/dev/null 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 400); do
        [ -s "$displayfile" ] && break
        kill -0 "$xvfb_pid" 2>/dev/null || break
        sleep 0.05
    done
    number=$(head -1 "$displayfile")
    rm -f "$displayfile"
    if ! [[ $number =~ ^[0-9]+$ ]]; then
        echo "xvfb: the X server did not start" >&2
        xvfb_stop
        return 1
    fi
    export DISPLAY=":$number"
    unset XAUTHORITY WAYLAND_DISPLAY
    if command -v xdpyinfo >/dev/null; then
        for _ in $(seq 100); do
            xdpyinfo >/dev/null 2>&1 && return 0
            kill -0 "$xvfb_pid" 2>/dev/null || break
            sleep 0.1
        done
        echo "xvfb: the X server on $DISPLAY does not answer" >&2
        xvfb_stop
        return 1
    fi
}

xvfb_stop() {
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null
        wait "$xvfb_pid" 2>/dev/null
    fi
    xvfb_pid=""
}

if [ "${BASH_SOURCE[0]}" = "$0" ]; then
    set -uo pipefail
    if [ $# -lt 2 ] || ! [[ $1 =~ ^[0-9]+x[0-9]+x[0-9]+$ ]]; then
        echo "usage: scripts/xvfb.sh WIDTHxHEIGHTxDEPTH COMMAND [ARGS...]" >&2
        exit 2
    fi
    xvfb_start "$1" || exit 1
    shift
    child=""
    stop() {
        [ -n "$child" ] && kill -TERM "$child" 2>/dev/null
    }
    trap stop TERM INT HUP
    "$@" &
    child=$!
    status=0
    # wait returns early when a trapped signal arrives; wait again for the child.
    while :; do
        wait "$child"
        status=$?
        kill -0 "$child" 2>/dev/null || break
    done
    xvfb_stop
    exit "$status"
fi
