# Sourced by the scripted tests that listen to the program: a private PulseAudio sound server with one
# null sink, and a recording of what reaches that sink.
#   pulse_start DIR         starts the server under DIR (its own runtime folder and home); returns 1 when
#                           it cannot start. Exports PULSE_SERVER for the programs started afterwards.
#   pulse_record FILE       records the sink's monitor into FILE (WAV, 16 kHz mono) until pulse_stop_recording
#   pulse_record_more FILE S waits until the recording in FILE has grown by S more seconds
#   pulse_stop_recording
#   pulse_stop              ends the recording and the server
#   sound_seconds FILE      seconds from the first to the last sound in FILE (0 for silence)
#   sound_onset FILE        seconds of silence before the first sound in FILE
#   sound_rms FILE FROM LEN the RMS level of FILE from FROM seconds for LEN seconds
#   sound_start FILE FROM TO the first tenth of a second with sound between FROM and TO
pulse_dir= pulse_pid= parec_pid=

pulse_start() {
    pulse_dir=$1
    mkdir -p "$pulse_dir/run" "$pulse_dir/home"
    chmod 700 "$pulse_dir/run"
    command -v pulseaudio > /dev/null && command -v parec > /dev/null && command -v sox > /dev/null || return 1
    XDG_RUNTIME_DIR=$pulse_dir/run HOME=$pulse_dir/home pulseaudio --daemonize=yes --exit-idle-time=-1 -n \
        --use-pid-file=yes --system=no \
        --load="module-native-protocol-unix socket=$pulse_dir/native auth-anonymous=1" \
        --load="module-null-sink sink_name=testsink" --log-target=file:"$pulse_dir/pulse.log" 2>> "$pulse_dir/pulse.log" ||
        return 1
    export PULSE_SERVER=unix:$pulse_dir/native
    for _ in $(seq 100); do
        if pactl info > /dev/null 2>&1; then
            pulse_pid=$(cat "$pulse_dir/run/pulse/pid" 2> /dev/null)
            pactl set-default-sink testsink
            return 0
        fi
        sleep 0.1
    done
    return 1
}

pulse_record() {
    local file=$1
    parec -d testsink.monitor --rate=16000 --channels=1 --format=s16le --file-format=wav "$file" &
    parec_pid=$!
    # The recording counts only once samples flow into the file.
    for _ in $(seq 100); do
        [ "$(stat -c %s "$file" 2> /dev/null || echo 0)" -gt 8000 ] && return 0
        sleep 0.1
    done
    echo "FAIL: no samples reach the recording of the sound server"
    return 1
}

# Waits until the recording has grown by $1 more seconds, so that all that was played is in it.
pulse_record_more() {
    local file=$1 want
    want=$(($(stat -c %s "$file") + ${2%.*} * 32000))
    for _ in $(seq 200); do
        [ "$(stat -c %s "$file")" -ge "$want" ] && return 0
        sleep 0.05
    done
}

pulse_stop_recording() {
    [ -n "$parec_pid" ] && kill -INT "$parec_pid" 2> /dev/null && wait "$parec_pid" 2> /dev/null
    parec_pid=
}

pulse_stop() {
    pulse_stop_recording
    [ -n "$pulse_dir" ] && PULSE_SERVER=unix:$pulse_dir/native pactl exit 2> /dev/null
    [ -n "$pulse_pid" ] && kill "$pulse_pid" 2> /dev/null
    pulse_pid=
}

sound_seconds() {
    local trimmed
    trimmed=$(mktemp --suffix=.wav)
    sox "$1" "$trimmed" silence 1 0.02 1% reverse silence 1 0.02 1% reverse 2> /dev/null
    soxi -D "$trimmed" 2> /dev/null || echo 0
    rm -f "$trimmed"
}

sound_rms() {
    sox "$1" -n trim "$2" "$3" stat 2>&1 | awk '/RMS +amplitude/ { print $3 }'
}

sound_onset() {
    local trimmed total
    trimmed=$(mktemp --suffix=.wav)
    sox "$1" "$trimmed" silence 1 0.02 1% 2> /dev/null
    total=$(soxi -D "$1")
    awk -v a="$total" -v b="$(soxi -D "$trimmed" 2> /dev/null || echo "$total")" 'BEGIN { printf "%.3f\n", a - b }'
    rm -f "$trimmed"
}

# The tenths of a second from FROM to TO seconds of FILE (a recording still being written) whose level
# is above silence.
sound_start() { sound_spans "$@" | head -1; }
sound_spans() {
    local copy
    copy=$(mktemp --suffix=.wav)
    cp "$1" "$copy"
    for t in $(seq "$2" 0.1 "$3"); do
        sox --ignore-length "$copy" -n trim "$t" 0.1 stat 2>&1 |
            awk -v t="$t" '/RMS +amplitude/ && $3 > 0.005 { print t }'
    done
    rm -f "$copy"
}

# Seconds of sound (in tenths) from FROM to TO seconds of FILE.
sound_amount() { sound_spans "$@" | wc -l | awk '{ printf "%.1f\n", $1 / 10 }'; }
