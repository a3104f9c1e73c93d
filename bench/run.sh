#!/usr/bin/env bash
# Runs every timing program, one after the other, and prints their rows of
# the results table on stdout (their details go to stderr). bench.sh runs
# this inside a virtual X server; here a PulseAudio server with a null sink
# "cap" is started, so that the built-in synthesizer has somewhere to play.
#
#   bench/run.sh BIN_DIR [--quick]
set -uo pipefail
cd "$(dirname "$0")/.."
bin=$1
quick=${2:-}
source scripts/xsession.sh

# A sound server of our own, whatever the caller uses; its socket and pid
# file live in a folder that goes with it.
unset PULSE_SERVER
# Started as a desktop session starts it: real-time sink thread, nice -11.
export NULL_AUDIO_DESKTOP=1
PULSE_RUNTIME_PATH=$(mktemp -d)
export PULSE_RUNTIME_PATH
trap 'stop_null_audio; rm -rf "$PULSE_RUNTIME_PATH"' EXIT
if ! start_null_audio; then
    echo "bench: no PulseAudio server could be started; the sound rows say so" >&2
    unset PULSE_SERVER
fi

status=0
run() {
    local name=$1
    shift
    echo "bench: $name ..." >&2
    local started=$SECONDS
    if ! "$bin/$name" "$@"; then
        echo "bench: $name failed" >&2
        echo "| $name: failed, see its output above | — | — | — | **FAILED** |"
        status=1
    fi
    echo "bench: $name took $((SECONDS - started)) s" >&2
}

run tavelin-bench-press $quick
run tavelin-bench-synth $quick
run tavelin-bench-wait $quick
run tavelin-bench-drift $quick
run tavelin-bench-startup "$bin/tavelin-piano" $quick
run tavelin-focusbench $quick
run tavelin-bench-pupils
run tavelin-bench-sync
echo "bench: idlecpu.sh ..." >&2
bash bench/idlecpu.sh "$bin" || status=1
echo "bench: clicksound.sh ..." >&2
bash bench/clicksound.sh "$bin" $quick || status=1
echo "bench: playsound.sh ..." >&2
bash bench/playsound.sh "$bin" $quick || status=1
echo "bench: pipewire.sh ..." >&2
bash bench/pipewire.sh "$bin" $quick || status=1
exit $status
