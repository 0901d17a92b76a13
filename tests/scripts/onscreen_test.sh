#!/usr/bin/env bash
# The real program under Xvfb with a private PulseAudio: "Add New Client", "Administer Test to Client",
# client information and court history typed, Spanish chosen, the whole test answered by keyboard alone
# (going back with F10 twice), the secret code, and the new record on disk.
# The sound server's recording shows the instructions heard when the test opens, the first item
# heard when it is shown, and that item cut off when the client moves to an answer.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib/e2e.sh"
. "$here/lib/pulse.sh"
e2e_init onscreen "${1:?build dir}" pulseaudio parec sox
build=$E2E_BUILD tmp=$E2E_TMP
[ -f "$build/TARVOS/sound/Spanish/Q001.wav" ] || { echo "skipped: the Spanish voice files are not built"; exit 77; }
trap 'rc=$?; pulse_stop; (exit $rc); _e2e_cleanup' EXIT
fail() { e2e_fail "$@"; }
pulse_start "$tmp/pulse" || { echo "skipped: a private PulseAudio cannot start here"; exit 77; }

e2e_program "SndPath=$build"
e2e_record "Existing One" N 44 2 1 12 3 N 10/01/2026 "20N 1 0 2 0 0 1 0 12" "$(e2e_rep 1 149)" > "$E2E_DATA/DATA401.TRV"
before=$(cat "$E2E_DATA/DATA401.TRV")

pulse_record "$tmp/rec.wav" || exit 1
rec_start=$(date +%s.%N)
# Seconds of the recording so far.
rec_now() { awk -v s="$rec_start" -v n="$(date +%s.%N)" 'BEGIN { printf "%.2f", n - s }'; }
# Waits until the recording reaches second $1 (the sound needs time to be heard).
rec_until() {
    while awk -v t="$1" -v n="$(rec_now)" 'BEGIN { exit !(n < t) }'; do sleep 0.05; done
}
# The RMS level of the recording from second $1 for $2 seconds (once it is that long).
rms_at() {
    rec_until "$(awk -v a="$1" -v b="$2" 'BEGIN { print a + b + 0.3 }')"
    cp "$tmp/rec.wav" "$tmp/now.wav"
    sox --ignore-length "$tmp/now.wav" -n trim "$1" "$2" stat 2>&1 | awk '/RMS +amplitude/ { print $3 }'
}

# Answers: Down n times then Enter, for each digit of $1 (one item each).
answer() {
    local a
    for ((k = 0; k < ${#1}; k++)); do
        a=${1:k:1}
        e2e_keys $(e2e_rep "Down " "$a") Return
    done
}

e2e_run_program
e2e_keys Return # "Add New Client"
e2e_wait_window "Entry Method"
e2e_keys Return # "Administer Test to Client"
e2e_wait_window "Client Information"
e2e_enter_fields "Rosa Campos" 555-98-7654 41 2 2 10 2 11/02/1985
e2e_keys Return
e2e_wait_window "Court History"
e2e_enter_fields 16 2 1 0 5 1 0 2 n 9
e2e_keys Return
e2e_wait_window "Select Presentation Language"
e2e_keys Down Return # "Spanish", the database's second language table
e2e_wait_window "Onscreen Presentation"
e2e_keys Return
e2e_wait_window "Presentación de preguntas"
# Maximised even without a window manager: the client sees nothing but the test.
geometry=$(xdotool getwindowfocus getwindowgeometry --shell)
width=$(sed -n 's/^WIDTH=//p' <<< "$geometry") height=$(sed -n 's/^HEIGHT=//p' <<< "$geometry")
[ "$width" -ge 1200 ] && [ "$height" -ge 950 ] || fail "the test window does not fill the screen (${width}x${height})"
opened=$(rec_now)
rms=$(rms_at "$opened" 2)
awk -v r="$rms" 'BEGIN { exit !(r > 0.01) }' || fail "no instructions heard when the test opened (RMS $rms)"
e2e_keys Return # the section 1 instructions
e2e_keys Return # item 1
shown=$(rec_now)
heard=
for _ in $(seq 20); do # the item's voice starts within 3 s
    rec_until "$(awk -v n="$(rec_now)" 'BEGIN { print n + 0.3 }')"
    heard=$(sound_start "$tmp/rec.wav" "$shown" "$(rec_now)")
    [ -n "$heard" ] && break
    awk -v s="$shown" -v n="$(rec_now)" 'BEGIN { exit !(n > s + 3.5) }' && break
done
[ -n "$heard" ] || fail "item 1 was not heard within 3 s of being shown"
# The first answer highlighted just after the item's voice began: the answer's voice (0.8 s) cuts it
# off, so little sound follows, where the rest of the item's 4.9 s would.
e2e_keys Down
moved=$(rec_now)
rec_until "$(awk -v m="$moved" 'BEGIN { print m + 5.3 }')"
after=$(sound_amount "$tmp/rec.wav" "$(awk -v m="$moved" 'BEGIN { print m + 0.2 }')" \
    "$(awk -v m="$moved" 'BEGIN { print m + 5 }')")
echo "heard: instructions at ${opened}s, item 1 shown at ${shown}s and heard from ${heard}s," \
    "answer highlighted at ${moved}s, then ${after}s of sound"
awk -v a="$after" 'BEGIN { exit !(a < 1.6) }' || fail "the item's voice was not cut off by the answer's"

# Section 1 True/False (answer 1 or 2), section 2 ratings and section 3 choices (1 to 4).
s1="$(e2e_rep 12 54)" s2="$(e2e_rep 1234 7)431" s3="4321432143"
e2e_keys Return # item 1: "Cierto"
answer "${s1:1:9}"   # items 2-10
e2e_keys F10 F10     # back to item 10, then 9: both answered again below
answer "${s1:8:100}" # items 9-108
e2e_wait_window "Nota de Presentación"
e2e_keys Return
e2e_wait_window "Presentación de preguntas"
e2e_keys Return # the section 2 instructions
answer "$s2"
e2e_wait_window "Nota de Presentación"
e2e_keys Return
e2e_wait_window "Presentación de preguntas"
e2e_keys Return
answer "$s3"
e2e_wait_window "Nota de Presentación"
e2e_keys Return
e2e_wait_window "Secret Code"
e2e_type x
e2e_keys Return Return
e2e_wait_window "Secret Code"
e2e_keys Return # "Incorrect Secret Code.  Please try again."
e2e_wait_window "Secret Code"
e2e_type k
e2e_keys Return Return
e2e_quit

after=$(cat "$E2E_DATA/DATA401.TRV")
[ "${after:0:235}" = "$before" ] || fail "the existing record changed"
expected=$(e2e_record "Rosa Campos" 555-98-7654 41 2 2 10 2 11/02/1985 "$(date +%m/%d/%Y)" "162 1 0 5 1 0 2 N 9 " "$s1$s2$s3")
[ "${after:235}" = "$expected" ] || fail "the new record reads '${after:235}', expected '$expected'"
echo "1 passed, 0 failed"
