#!/usr/bin/env bash
# Runs a command on a virtual X server of its own and returns its status.
#
#   bash scripts/xvfb.sh WIDTHxHEIGHTxDEPTH COMMAND [ARGS...]
#
# The server picks a free display itself (-displayfd), so any number of
# these can start at the same moment, as ctest starts tests side by side:
# xvfb-run -a looks for a free number and starts the server afterwards, and
# two of them started together can both take the same one.
set -uo pipefail
if [ $# -lt 2 ] || ! [[ $1 =~ ^[0-9]+x[0-9]+x[0-9]+$ ]]; then
    echo "usage: scripts/xvfb.sh WIDTHxHEIGHTxDEPTH COMMAND [ARGS...]" >&2
    exit 2
fi
command -v Xvfb >/dev/null || { echo "xvfb: Xvfb is missing (apt-get install xvfb)" >&2; exit 1; }
screen=$1
shift

displayfile=$(mktemp)
Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp 3>"$displayfile" 2>/dev/null &
server=$!
for _ in $(seq 200); do
    [ -s "$displayfile" ] && break
    kill -0 "$server" 2>/dev/null || break
    sleep 0.05
done
number=$(head -1 "$displayfile")
rm -f "$displayfile"
if ! [[ $number =~ ^[0-9]+$ ]]; then
    kill "$server" 2>/dev/null
    echo "xvfb: the X server did not start" >&2
    exit 1
fi
export DISPLAY=":$number"
unset XAUTHORITY WAYLAND_DISPLAY

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
kill "$server" 2>/dev/null
wait "$server" 2>/dev/null
exit "$status"
