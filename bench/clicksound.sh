#!/usr/bin/env bash
# Mouse click on a key → first sound on the null sink's monitor, ours and
# VMPK side by side in one run (bench/clicksound.py), on a PulseAudio server
# started as a desktop starts it. Needs an X server (bench.sh runs it under
# a virtual X server).
#
#   bench/clicksound.sh BIN_DIR [--quick]
set -uo pipefail
cd "$(dirname "$0")/.."
bin=$1
clicks=10
[ "${2:-}" = --quick ] && clicks=5
source scripts/xsession.sh
if ! start_bench_audio; then
    echo "| Mouse click → sound: not measured (no PulseAudio server could be started) | — | — | — | — |"
    exit 1
fi
echo "clicksound: load: $(uptime)" >&2
/usr/bin/python3 bench/clicksound.py "$bin/tavelin-piano" --clicks "$clicks"
