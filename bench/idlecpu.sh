#!/usr/bin/env bash
# Processor time of the program and of the sound server while nothing
# sounds, with the program's threads one by one. Runs the release-optimised
# program under Xvfb with a PulseAudio null sink of its own, once per audio
# driver, and prints rows of the results table on stdout.
#
#   bench/idlecpu.sh BIN_DIR [DRIVER...]     (default: pulse pulseaudio vmpk)
#
# "vmpk" runs VMPK instead, where it is installed, as a fresh user gets it:
# with no ALSA sequencer its default output is its built-in Sonivox EAS
# synthesizer, which plays on the same PulseAudio server.
#
# Two windows of 10 s each: "after the greeting" (3 to 13 s after start: the
# greeting scale has died away, our stream is still up for its 10 s) and
# "idle" (20 to 30 s: our stream has been set aside).
set -uo pipefail
cd "$(dirname "$0")/.."
bin=$1
shift
drivers=("$@")
[ ${#drivers[@]} -eq 0 ] && drivers=(pulse pulseaudio vmpk)
source scripts/xsession.sh

ticks=$(getconf CLK_TCK)

# utime + stime of a process or thread, in clock ticks.
cpu_ticks() {
    awk '{ sub(/^.*\) /, ""); print $12 + $13 }' "$1" 2>/dev/null || echo 0
}

# Per-thread ticks of pid as "tid name ticks" lines.
thread_ticks() {
    local pid=$1 task
    for task in /proc/"$pid"/task/*; do
        printf '%s %s %s\n' "${task##*/}" "$(tr ' ' '_' <"$task/comm")" "$(cpu_ticks "$task/stat")"
    done
}

# Measures pid and server over seconds; prints "program% server% threads".
measure() {
    local pid=$1 server=$2 seconds=$3
    local p0 s0 p1 s1 before after
    p0=$(cpu_ticks /proc/"$pid"/stat)
    s0=$(cpu_ticks /proc/"$server"/stat)
    before=$(thread_ticks "$pid")
    sleep "$seconds"
    p1=$(cpu_ticks /proc/"$pid"/stat)
    s1=$(cpu_ticks /proc/"$server"/stat)
    after=$(thread_ticks "$pid")
    local threads
    threads=$(join <(sort <<<"$before") <(sort <<<"$after") |
        awk -v t="$ticks" -v s="$seconds" '{ d = $5 - $3; if (d > 0) { printf "%s%s %.1f %%", n++ ? ", " : "", $2, 100 * d / t / s } }
                                           END { if (!n) printf "none ran" }')
    awk -v a="$p0" -v b="$p1" -v c="$s0" -v d="$s1" -v t="$ticks" -v s="$seconds" -v th="$threads" \
        'BEGIN { printf "%.1f %.1f %s\n", 100 * (b - a) / t / s, 100 * (d - c) / t / s, th }'
}

for driver in "${drivers[@]}"; do
    if [ "$driver" = vmpk ] && ! command -v vmpk >/dev/null; then
        echo "idlecpu: vmpk is not installed (apt-get install vmpk); not measured" >&2
        continue
    fi
    unset PULSE_SERVER
    PULSE_RUNTIME_PATH=$(mktemp -d)
    export PULSE_RUNTIME_PATH
    if ! start_null_audio; then
        echo "| Idle CPU with \`$driver\`: not measured (no PulseAudio server could be started) | — | — | — | — |"
        continue
    fi
    server=$(cat "$PULSE_RUNTIME_PATH/pid")
    if [ "$driver" = vmpk ]; then
        QT_QPA_PLATFORM=xcb vmpk 2>"$PULSE_RUNTIME_PATH/err" &
    else
        QT_QPA_PLATFORM=xcb TAVELIN_AUDIO_DRIVER=$driver "$bin/tavelin-piano" 2>"$PULSE_RUNTIME_PATH/err" &
    fi
    pid=$!
    sleep 3
    read -r p s threads < <(measure "$pid" "$server" 10)
    echo "idlecpu: $driver 3-13 s: program $p %, server $s %; $threads" >&2
    label="\`$driver\`"
    [ "$driver" = vmpk ] && label="VMPK 0.8.8 (default output, Sonivox EAS)"
    echo "| Window up after the greeting (3–13 s after start), $label: CPU of the program + the server, % of one core (threads: $threads) | $p + $s | — | — | — |"
    sleep 7
    read -r p s threads < <(measure "$pid" "$server" 10)
    echo "idlecpu: $driver 20-30 s: program $p %, server $s %; $threads" >&2
    total=$(awk -v a="$p" -v b="$s" 'BEGIN { printf "%.1f", a + b }')
    verdict=$(awk -v t="$total" 'BEGIN { print (t <= 3 ? "met" : "**MISSED**") }')
    [ "$driver" = pulse ] || verdict="—"
    echo "| Window up, idle 20–30 s after start, $label: CPU of the program + the server, % of one core (threads: $threads) | $p + $s = $total | — | ≤ 3 % | $verdict |"
    kill -TERM "$pid"
    wait "$pid" 2>/dev/null
    sed 's/^/idlecpu: program said: /' "$PULSE_RUNTIME_PATH/err" >&2
    stop_null_audio
    rm -rf "$PULSE_RUNTIME_PATH"
done
