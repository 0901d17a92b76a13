#!/usr/bin/env bash
# The voice through a real sound server: a private PulseAudio with a null sink, its monitor recorded.
# The program's sound output plays the general instructions, and an item's voice asked for 5 s later
# cuts them off: what reaches the sink lasts about 5 s plus the item's voice, not the instructions'
# minute.
# A damaged sound file gives one "Sound Error"; a missing one and a text file named .wav give nothing.
# Without a sound server the output is off.
set -uo pipefail
build=$(cd "$1" && pwd)
. "$(dirname "$0")/lib/pulse.sh"
player=$build/tests/tarvos_play_sounds
sounds=$build/TARVOS/sound/English
[ -x "$player" ] && [ -f "$sounds/Inst0.wav" ] && [ -f "$sounds/Q001.wav" ] ||
    { echo "skipped: the sound player or the English voice files are not built"; exit 77; }

tmp=$(mktemp -d)
trap 'pulse_stop; rm -rf "$tmp"' EXIT
fail() {
    echo "FAIL: $*"
    exit 1
}
pulse_start "$tmp/pulse" || { echo "skipped: a private PulseAudio cannot start here"; exit 77; }
export QT_QPA_PLATFORM=offscreen

instructions=$(soxi -D "$sounds/Inst0.wav")
item=$(soxi -D "$sounds/Q001.wav")
pulse_record "$tmp/rec.wav" || exit 1
# The instructions, the item 5 s later, then 4 s more than the item lasts.
out=$("$player" "$build" English 0 Inst0.wav 5000 Q001.wav "$(awk -v s="$item" 'BEGIN { printf "%d", s * 1000 + 4000 }')")
pulse_record_more "$tmp/rec.wav" 2
pulse_stop_recording
grep -qx "audio on" <<< "$out" || fail "the sound output did not open: $out"
grep -q "Sound Error" <<< "$out" && fail "unexpected: $out"

onset=$(sound_onset "$tmp/rec.wav")
heard=$(sound_seconds "$tmp/rec.wav")
total=$(soxi -D "$tmp/rec.wav")
rms=$(sound_rms "$tmp/rec.wav" "$onset" 1.5)
echo "instructions ${instructions}s, item ${item}s: heard ${heard}s from ${onset}s of ${total}s, first 1.5 s at RMS $rms"
awk -v r="$rms" 'BEGIN { exit !(r > 0.01) }' || fail "the instructions were not heard (RMS $rms)"
# Heard: the instructions for up to 5 s (less the time the first sound takes to start), then the item.
awk -v h="$heard" -v i="$item" 'BEGIN { exit !(h > i + 2.5 && h < i + 7.5) }' ||
    fail "heard ${heard}s: expected the instructions cut off by the item after about 5 s, then the item's ${item}s"
awk -v t="$total" -v o="$onset" -v h="$heard" 'BEGIN { exit !(t - o - h > 1.5) }' ||
    fail "the sound went on to the end of the recording: the instructions were not cut off"

# The silent failures and a damaged file, on the same server.
mkdir -p "$tmp/snd/TARVOS/sound/English"
echo "This is text, not a sound." > "$tmp/snd/TARVOS/sound/English/text.wav"
printf 'RIFF\x24\x00\x00\x00WAVEfmt \x10\x00\x00\x00\x55\x00\x01\x00\x22\x56\x00\x00\x44\xac\x00\x00\x02\x00\x10\x00data\x00\x00\x00\x00' \
    > "$tmp/snd/TARVOS/sound/English/bad.wav"
out=$("$player" "$tmp/snd" English 0 missing.wav 100 text.wav 100 bad.wav 100 bad.wav 300)
[ "$(grep -c "Sound Error" <<< "$out")" = 1 ] || fail "expected one Sound Error, got: $out"
grep -q "Sound Error: Error 30001:The sound file \"$tmp/snd/TARVOS/sound/English/bad.wav\"" <<< "$out" ||
    fail "the Sound Error does not name the file: $out"
# No sound server at all: the output reports no device, and asking for sounds does nothing.
out=$(PULSE_SERVER=unix:$tmp/none "$player" "$build" English 0 Q001.wav 200 2> /dev/null)
[ "$out" = "audio off" ] || fail "without a sound server: $out"
echo "ok"
