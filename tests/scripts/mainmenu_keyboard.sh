#!/usr/bin/env bash
# End to end: the real program under Xvfb on a temporary program folder, driven by keyboard alone.
# Start-up lists the clients, Num Lock follows the option, the Options menu saves the settings, a
# second copy ends at once, "E&xit!" ends the program; the client file is never changed.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib/e2e.sh"
e2e_init mainmenu "${1:?build dir}"
numlock=true
command -v python3 > /dev/null || { numlock=false; echo "note: no python3, Num Lock not checked"; }
e2e_program
"$E2E_BUILD/tools/mkdemo" "$E2E_DATA" "$E2E_PROG/trvtest.ini" "$here/../../data/scoring/items.txt" || e2e_fail "mkdemo"
before=$(md5sum < "$E2E_DATA/DATA401.TRV")
ini=$E2E_PROG/trvtest.ini

numlock_is() { ! $numlock || [ "$(python3 "$here/numlock_state.py")" = "$1" ]; }
ini_has() { tr -d '\r' < "$ini" | grep -qx "$1"; }

e2e_run_program # the main window shows once the splash has ended
e2e_shot main
e2e_wait_until "Num Lock to be switched on" numlock_is on

timeout 30 "$E2E_BUILD/tarvos" || e2e_fail "the second copy did not end cleanly"
kill -0 "$E2E_PID" || e2e_fail "the first copy is gone"
e2e_wait_window Tarvos

xdotool key Tab Down Down # into the list, the second client
e2e_shot list
xdotool key alt+o
e2e_wait_popup
xdotool key n # Num Lock Always On: off
e2e_wait_until "NumLock=False in the settings" ini_has NumLock=False
e2e_wait_window Tarvos
xdotool key alt+o
e2e_wait_popup
xdotool key p # Print to DOS port: off
e2e_wait_until "PrintDOS=False in the settings" ini_has PrintDOS=False
e2e_wait_until "Num Lock to be switched off" numlock_is off
e2e_quit # E&xit!

ini_has "SystemDB=$E2E_PROG/mokltd.mda" || e2e_fail "SystemDB not written"
[ "$(md5sum < "$E2E_DATA/DATA401.TRV")" = "$before" ] || e2e_fail "client file changed"
[ ! -e "$E2E_DATA/checkWriteTest" ] || e2e_fail "scratch file left"
echo "ok"
