#!/usr/bin/env bash
# Our stream on PipeWire's PulseAudio service, as Debian 12's desktop runs
# it: a private PipeWire, WirePlumber and pipewire-pulse on a session bus of
# their own, with a null sink "cap". Prints the stream's rows of
# tavelin-bench-synth (note-on, first note after the silence, chords) and the
# processor time of the program and the three servers while the window sits
# idle. Needs an X server (bench.sh runs it on a virtual X server).
#
#   bench/pipewire.sh BIN_DIR [--quick]
set -uo pipefail
cd "$(dirname "$0")/.."
bin=$1
quick=${2:-}
if ! command -v pipewire-pulse >/dev/null || ! command -v wireplumber >/dev/null; then
    echo "| On PipeWire: not measured (pipewire-pulse and wireplumber are not installed) | — | — | — | — |"
    exit 0
fi
if [ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ] || [ -z "${PIPEWIRE_BENCH_INSIDE:-}" ]; then
    PIPEWIRE_BENCH_INSIDE=1 exec dbus-run-session -- bash "$0" "$@" 2> >(grep -v "dbus-daemon" >&2)
fi

XDG_RUNTIME_DIR=$(mktemp -d)
export XDG_RUNTIME_DIR
chmod 700 "$XDG_RUNTIME_DIR"
logs=$XDG_RUNTIME_DIR/logs
mkdir "$logs"
source scripts/xsession.sh
# Not the bench's PulseAudio server (bench/run.sh exports its folder): ours
# listens in our runtime folder.
unset PULSE_RUNTIME_PATH PULSE_SERVER
trap 'stop_pipewire_audio; rm -rf "$XDG_RUNTIME_DIR"' EXIT
if ! start_pipewire_audio "$logs"; then
    echo "| On PipeWire: not measured (no null sink) | — | — | — | — |"
    exit 1
fi
version=$(pactl info | sed -n 's/^Server Name: .*on PipeWire \(.*\))/\1/p')
echo "pipewire: PipeWire $version" >&2
sleep 0.5

# The stream's rows; the offline rows and FluidSynth's driver are the same
# as on PulseAudio and are left out.
"$bin/tavelin-bench-synth" $quick |
    grep -F '(`pulse`, rendering' |
    sed "s/^| Our PulseAudio stream (\`pulse\`, rendering in the write callback)/| On PipeWire $version (its PulseAudio service): our stream/"

ticks() {
    local total=0 p
    for p in "$@"; do
        total=$((total + $(awk '{ sub(/^.*\) /, ""); print $12 + $13 }' /proc/"$p"/stat 2>/dev/null || echo 0)))
    done
    echo "$total"
}
hz=$(getconf CLK_TCK)
QT_QPA_PLATFORM=xcb "$bin/tavelin-piano" 2>/dev/null &
program=$!
sleep 20
p0=$(ticks "$program")
s0=$(ticks "${pipewire_pids[@]}")
sleep 10
p1=$(ticks "$program")
s1=$(ticks "${pipewire_pids[@]}")
corked=$(pactl list sink-inputs | grep -c "Corked: yes")
kill -TERM "$program"
wait "$program" 2>/dev/null
awk -v a="$p0" -v b="$p1" -v c="$s0" -v d="$s1" -v hz="$hz" -v v="$version" -v k="$corked" 'BEGIN {
    p = 100 * (b - a) / hz / 10; s = 100 * (d - c) / hz / 10
    printf "| On PipeWire %s: window up, idle 20–30 s after start (our stream corked: %s), CPU of the program + pipewire, wireplumber and pipewire-pulse, %% of one core | %.1f + %.1f = %.1f | — | ≤ 3 %% | %s |\n",
        v, (k > 0 ? "yes" : "no"), p, s, p + s, (p + s <= 3 ? "met" : "**MISSED**")
}'
