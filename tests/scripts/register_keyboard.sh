#!/usr/bin/env bash
# The real program under Xvfb: a client is registered from a paper answer sheet by keyboard alone
# (Add New Client, Enter Test Data from Answer Sheet, client information, court history, the 149
# answers, Save), the program is left with Alt+X, and the client file holds exactly that record
# after the one that was there before.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib/e2e.sh"
e2e_init register "${1:?build dir}"
build=$E2E_BUILD tmp=$E2E_TMP
[ -x "$build/tarvos" ] && [ -x "$build/tarvos-cli" ] && [ -f "$build/TARVOS.MDB" ] || { echo "skipped: program not built"; exit 77; }
fail() { e2e_fail "$@"; }

prog=$tmp/prog data=$tmp/data
mkdir -p "$prog" "$data" && mkdir -m 700 "$tmp/run"
cp "$build"/TARVOS.MDB "$build"/*.TXT "$prog/"
printf '[Path]\r\nFilePath=%s\r\n' "$data" > "$prog/trvtest.ini"

rep() { local s=; for ((i = 0; i < $2; i++)); do s+=$1; done; printf '%s' "$s"; }
# record NAME SSN AGE GENDER RACE EDUCATION MARITAL BIRTH TESTDATE COURT(20 chars) RESPONSES(149)
record() { printf '%-25s%-11s%-3s%s%s%-2s%s%-10s%-10s%-20s%-149s00' "$@"; }
record "Existing One" N 44 2 1 12 3 N 10/01/2026 "20N 1 0 2 0 0 1 0 12" "$(rep 1 149)" > "$data/DATA401.TRV"
before=$(cat "$data/DATA401.TRV")

e2e_start_x
export TARVOS_PROGRAM_DIR=$prog XDG_RUNTIME_DIR=$tmp/run
e2e_start "$build/tarvos"
wait_window() { e2e_wait_window "$1"; }
keys() { xdotool key --delay 40 "$@"; }
typed() { xdotool type --delay 30 "$1"; }
enter_fields() { for v in "$@"; do typed "$v"; keys Return; done; }
shot() { e2e_shot "$1"; }

wait_window Tarvos
keys Return # "Add New Client" has the focus: "Edit Current Client" waits for a chosen client
wait_window "Entry Method"
keys Return # "Enter Test Data from Answer Sheet"
wait_window "Client Information"
enter_fields "Robin Ortiz" 555-12-3456 27 1 3 11 1 03/15/1999
shot client-information
keys Return # "Information OK"
wait_window "Court History"
enter_fields 16 2 1 0 5 1 0 2 n 9
keys Return
wait_window "Edit Client Responses"
# The sheet: section 1 True/False, section 2 frequency ratings, section 3 multiple choice.
answers="$(rep 12 54)$(rep 1234 7)431$(rep 0 5)21342"
[ ${#answers} = 149 ] || fail "the test sheet has ${#answers} answers"
typed "$answers"
shot response-grid
keys Tab Return # "Save"
wait_window Tarvos
keys alt+x
e2e_wait_exit
[ "$E2E_RC" = 0 ] || fail "the program ended with $E2E_RC"

list=$("$build/tarvos-cli" list "$data/DATA401.TRV") || fail "tarvos-cli list"
[ "$list" = "$(printf '1-%-25s\n2-%-25s' 'Existing One' 'Robin Ortiz')" ] || fail "client list reads: $list"
after=$(cat "$data/DATA401.TRV")
[ "$(stat -c %s "$data/DATA401.TRV")" = 470 ] || fail "the file is not two records"
[ "${after:0:235}" = "$before" ] || fail "the existing record changed"
expected=$(record "Robin Ortiz" 555-12-3456 27 1 3 11 1 03/15/1999 "$(date +%m/%d/%Y)" "162 1 0 5 1 0 2 N 9 " "$answers")
[ "${after:235}" = "$expected" ] || fail "the new record reads '${after:235}', expected '$expected'"
echo "1 passed, 0 failed"
