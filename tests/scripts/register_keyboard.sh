#!/usr/bin/env bash
# The real program under Xvfb: a client is registered from a paper answer sheet by keyboard alone
# (Add New Client, Enter Test Data from Answer Sheet, client information, court history, the 149
# answers, Save), the program is left with Alt+X, and the client file holds exactly that record
# after the one that was there before.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib/e2e.sh"
e2e_init register "${1:?build dir}"
e2e_program
data=$E2E_DATA
e2e_record "Existing One" N 44 2 1 12 3 N 10/01/2026 "20N 1 0 2 0 0 1 0 12" "$(e2e_rep 1 149)" > "$data/DATA401.TRV"
before=$(cat "$data/DATA401.TRV")

e2e_run_program
e2e_keys Return # "Add New Client" has the focus: "Edit Current Client" waits for a chosen client
e2e_wait_window "Entry Method"
e2e_keys Down Return # "Enter Test Data from Answer Sheet", below "Administer Test to Client"
e2e_wait_window "Client Information"
e2e_enter_fields "Robin Ortiz" 555-12-3456 27 1 3 11 1 03/15/1999
e2e_shot client-information
e2e_keys Return # "Information OK"
e2e_wait_window "Court History"
e2e_enter_fields 16 2 1 0 5 1 0 2 n 9
e2e_keys Return
e2e_wait_window "Edit Client Responses"
# The sheet: section 1 True/False, section 2 frequency ratings, section 3 multiple choice.
answers="$(e2e_rep 12 54)$(e2e_rep 1234 7)431$(e2e_rep 0 5)21342"
e2e_type "$answers"
e2e_shot response-grid
e2e_keys Tab Return # "Save"
e2e_quit

list=$("$E2E_BUILD/tarvos-cli" list "$data/DATA401.TRV") || e2e_fail "tarvos-cli list"
[ "$list" = "$(printf '1-%-25s\n2-%-25s' 'Existing One' 'Robin Ortiz')" ] || e2e_fail "client list reads: $list"
after=$(cat "$data/DATA401.TRV")
[ "${after:0:235}" = "$before" ] || e2e_fail "the existing record changed"
expected=$(e2e_record "Robin Ortiz" 555-12-3456 27 1 3 11 1 03/15/1999 "$(date +%m/%d/%Y)" "162 1 0 5 1 0 2 N 9 " "$answers")
[ "${after:235}" = "$expected" ] || e2e_fail "the new record reads '${after:235}', expected '$expected'"
echo "1 passed, 0 failed"
