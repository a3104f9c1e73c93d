#!/usr/bin/env bash
# Installs what is missing, builds the optimised bench build, runs every
# timing program in a virtual X server with a PulseAudio null sink, prints
# one markdown table and writes docs/performance.md from it, the machine it
# ran on and the commentary of bench/notes.md (bench/performance.sh).
#
#   ./bench.sh           the full set (about 13 minutes: the 100 s exercise run, the idle CPU, the recordings)
#   ./bench.sh --quick   fewer samples, a 10-note run, shorter recordings (about 5 minutes)
set -euo pipefail
cd "$(dirname "$0")"
quick=""
case "${1:-}" in
    "") ;;
    --quick) quick=--quick ;;
    *) echo "usage: ./bench.sh [--quick]" >&2; exit 2 ;;
esac

bash scripts/deps.sh build bench
# The sound server for the null sink and parec come with the test needs.
if ! command -v pulseaudio >/dev/null || ! command -v parec >/dev/null || ! command -v pactl >/dev/null; then
    bash scripts/deps.sh test
fi
cmake --preset bench >/dev/null
cmake --build --preset bench -j 2

rows=$(mktemp)
trap 'rm -f "$rows"' EXIT
status=0
bash scripts/xvfb.sh 1280x800x24 bash bench/run.sh build/bench/bin $quick >"$rows" || status=$?

cpu=$(grep -m1 '^model name' /proc/cpuinfo | sed 's/^[^:]*: *//')
ram=$(awk '/^MemTotal:/ { printf "%.1f GiB", $2 / 1048576 }' /proc/meminfo)
machine="$(nproc) cores, ${cpu:-unknown CPU}, $ram RAM, $(uname -sr)"
table=$(
    echo "| Measure | Median | p99 | Goal | Result |"
    echo "|---|---|---|---|---|"
    cat "$rows"
)
bash bench/performance.sh "$rows" \
    "\`./bench.sh${quick:+ $quick}\`, $(date -u '+%Y-%m-%d %H:%M UTC'), on $machine."

echo
echo "Machine: $machine"
echo
echo "$table"
echo
echo "(written to docs/performance.md)"
exit $status
