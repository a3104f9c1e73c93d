#!/usr/bin/env bash
# Helpers for driving the program in a virtual X server, sourced by the
# screenshot script and the end-to-end test. Needs xvfb, xdotool, imagemagick
# and, for sound, pulseaudio (or pipewire, pipewire-pulse and wireplumber).

# Starts a PulseAudio server that plays into a null sink ("cap"), so the
# built-in synthesizer has somewhere to play on a machine without a sound
# card. Its monitor, cap.monitor, records what was played.
# NULL_AUDIO_DESKTOP=1 starts it as a desktop session does (PulseAudio's
# daemon.conf defaults high-priority and realtime-scheduling to yes): its
# sink thread at real-time priority and the daemon at nice -11, where the
# system allows it (directly as root, else through RealtimeKit).
start_null_audio() {
    export PULSE_RUNTIME_PATH="${PULSE_RUNTIME_PATH:-$(mktemp -d)}"
    export PULSE_SERVER="unix:$PULSE_RUNTIME_PATH/native"
    local priority=()
    [ "${NULL_AUDIO_DESKTOP:-0}" = 1 ] && priority=(--high-priority=yes --realtime=yes)
    # Without DISPLAY: a daemon started inside an X session where another
    # server of ours runs fails to start, with nothing logged.
    env -u DISPLAY pulseaudio -D -n --exit-idle-time=-1 --use-pid-file=yes --system=false "${priority[@]}" \
        --load="module-null-sink sink_name=cap" \
        --load="module-native-protocol-unix socket=$PULSE_RUNTIME_PATH/native auth-anonymous=1" \
        >/dev/null 2>&1 || return 1
    for _ in $(seq 50); do
        if pactl info >/dev/null 2>&1; then
            # NULL_AUDIO_MAIN_RT=1, an experiment no desktop makes: the
            # daemon's main thread, which carries every client's requests
            # and data between the socket and the sink thread, real-time too.
            if [ "${NULL_AUDIO_MAIN_RT:-0}" = 1 ]; then
                chrt -r -p 5 "$(cat "$PULSE_RUNTIME_PATH/pid")" >/dev/null 2>&1 ||
                    echo "start_null_audio: the server's main thread could not be made real-time" >&2
            fi
            return 0
        fi
        sleep 0.1
    done
    return 1
}

# The benches' own server, started as a desktop starts it unless
# NULL_AUDIO_DESKTOP says otherwise, whatever server the caller uses; its
# socket and pid file live in a folder that goes with it when the script
# exits.
start_bench_audio() {
    unset PULSE_SERVER
    PULSE_RUNTIME_PATH=$(mktemp -d)
    export PULSE_RUNTIME_PATH
    export NULL_AUDIO_DESKTOP=${NULL_AUDIO_DESKTOP:-1}
    trap 'stop_null_audio; rm -rf "$PULSE_RUNTIME_PATH"' EXIT
    start_null_audio
}

stop_null_audio() {
    pactl exit >/dev/null 2>&1 || pulseaudio -k >/dev/null 2>&1 || true
}

# PipeWire as a desktop session runs it: pipewire, WirePlumber and
# pipewire-pulse, PipeWire's PulseAudio service, whose socket our stream
# connects to, with a null sink "cap" as the default sink (cap.monitor
# records it). Needs a session bus (WirePlumber's) and an XDG_RUNTIME_DIR of
# the caller's own: the servers' sockets go there, and their logs into
# LOG_DIR. Sets PULSE_SERVER and pipewire_pids.
start_pipewire_audio() {
    local logs=$1
    pipewire_pids=()
    pipewire >"$logs/pipewire.log" 2>&1 &
    pipewire_pids+=($!)
    for _ in $(seq 50); do
        [ -S "$XDG_RUNTIME_DIR/pipewire-0" ] && break
        sleep 0.1
    done
    # Without Bluetooth: its monitor asks logind, which a machine without
    # systemd (a container, a chroot) lacks, and WirePlumber 0.4 then quits
    # at once. Its configuration, and only its, from a folder of ours.
    local config="$logs/wireplumber-config/wireplumber"
    mkdir -p "$config/bluetooth.lua.d" "$config/wireplumber.conf.d"
    echo 'bluez_monitor.enabled = false' >"$config/bluetooth.lua.d/60-no-bluetooth.lua"    # 0.4
    echo 'wireplumber.profiles = { main = { monitor.bluez = disabled } }' \
        >"$config/wireplumber.conf.d/60-no-bluetooth.conf"                                 # 0.5
    XDG_CONFIG_HOME="$logs/wireplumber-config" wireplumber >"$logs/wireplumber.log" 2>&1 &
    pipewire_pids+=($!)
    pipewire-pulse >"$logs/pipewire-pulse.log" 2>&1 &
    pipewire_pids+=($!)
    # Its socket goes where a PulseAudio server's would: PULSE_RUNTIME_PATH
    # when set.
    export PULSE_SERVER="unix:${PULSE_RUNTIME_PATH:-$XDG_RUNTIME_DIR/pulse}/native"
    for _ in $(seq 50); do
        pactl info >/dev/null 2>&1 && break
        sleep 0.1
    done
    pactl load-module module-null-sink sink_name=cap >/dev/null 2>&1 || return 1
    # The default sink lives in WirePlumber's settings, which it makes once
    # it runs: until then pipewire-pulse answers "Not supported" (a loaded
    # machine starts WirePlumber after pactl already has its answer).
    for _ in $(seq 100); do
        pactl set-default-sink cap >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    pactl set-default-sink cap
}

stop_pipewire_audio() {
    [ ${#pipewire_pids[@]} -gt 0 ] || return 0
    kill "${pipewire_pids[@]}" 2>/dev/null
    wait "${pipewire_pids[@]}" 2>/dev/null
    pipewire_pids=()
}
pipewire_pids=()

# Waits for a window with the given title and prints its id.
wait_window() {
    local title="$1" id=""
    for _ in $(seq 100); do
        id=$(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null | head -1)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    return 1
}

# Clicks at x, y inside the window.
click_at() {
    local win="$1" x="$2" y="$3"
    xdotool mousemove --window "$win" "$x" "$y" click 1
}

# Saves the window's contents as a PNG.
shoot() {
    local win="$1" out="$2"
    import -window "$win" "$out"
}
