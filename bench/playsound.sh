#!/usr/bin/env bash
# Dropouts in chords played from the computer keyboard and in a run at
# speed 5 with "Son" ticked, idle and beside two busy processes
# (bench/playsound.py), on a PulseAudio server started as a desktop starts
# it. Needs an X server (bench.sh runs it on a virtual X server).
#
#   bench/playsound.sh BIN_DIR [--quick]
set -uo pipefail
cd "$(dirname "$0")/.."
bin=$1
source scripts/xsession.sh
if ! start_bench_audio; then
    echo "| Dropouts: not measured (no PulseAudio server could be started) | — | — | — | — |"
    exit 1
fi
/usr/bin/python3 bench/playsound.py "$bin/tavelin-piano" ${2:-}
