#!/usr/bin/env bash
# Dropouts in chords played from the computer keyboard and in a run at
# speed 5 with "Son" ticked, idle and beside two busy processes
# (bench/playsound.py), on a PulseAudio server started as a desktop starts
# it. Needs an X server (bench.sh runs it under xvfb-run).
#
#   bench/playsound.sh BIN_DIR [--quick]
set -uo pipefail
cd "$(dirname "$0")/.."
bin=$1
source scripts/xsession.sh
unset PULSE_SERVER
PULSE_RUNTIME_PATH=$(mktemp -d)
export PULSE_RUNTIME_PATH
export NULL_AUDIO_DESKTOP=${NULL_AUDIO_DESKTOP:-1}
trap 'stop_null_audio; rm -rf "$PULSE_RUNTIME_PATH"' EXIT
if ! start_null_audio; then
    echo "| Dropouts: not measured (no PulseAudio server could be started) | — | — | — | — |"
    exit 1
fi
/usr/bin/python3 bench/playsound.py "$bin/tavelin-piano" ${2:-}
