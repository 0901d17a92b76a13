#!/usr/bin/env bash
# End to end: the real program under Xvfb on a temporary program folder, driven by keyboard alone.
# Start-up lists the clients, Num Lock follows the option, the Options menu saves the settings, a
# second copy ends at once, "E&xit!" ends the program; the client file is never changed.
set -euo pipefail
build=$(cd "${1:?build dir}" && pwd)
for tool in xvfb-run xdotool; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is missing"; exit 77; }
done
# Optional: screenshots (ImageMagick's import) and the Num Lock check (python3).
shot=true numlock=true
command -v import >/dev/null || { shot=false; echo "note: no import, no screenshots"; }
command -v python3 >/dev/null || { numlock=false; echo "note: no python3, Num Lock not checked"; }
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/program" "$work/runtime"
chmod 700 "$work/runtime"
cp "$build"/*.TXT "$build"/TARVOS.MDB "$work/program/" 2>/dev/null || true
"$build/tools/mkdemo" "$work/data" "$work/program/trvtest.ini" "$here/../../data/scoring/items.txt"
before=$(md5sum < "$work/data/DATA401.TRV")

cat > "$work/drive.sh" <<DRIVE
set -euo pipefail
shot=$shot numlock=$numlock
export TARVOS_PROGRAM_DIR="$work/program" XDG_RUNTIME_DIR="$work/runtime"
fail() { echo "FAIL: \$*"; kill \$app 2>/dev/null || true; exit 1; }
"$build/tarvos" & app=\$!
for i in \$(seq 1 100); do
    xdotool search --name '^Tarvos\$' >/dev/null 2>&1 && break
    sleep 0.1
done
xdotool search --name '^Tarvos\$' >/dev/null || fail "no main window"
sleep 2.5   # the splash, then one Num Lock tick
$shot && import -window root /tmp/tarvos-e2e-main.png
! $numlock || [ "\$(python3 "$here/numlock_state.py")" = on ] || fail "Num Lock not switched on"

timeout 10 "$build/tarvos" || fail "second copy did not end cleanly"
kill -0 \$app || fail "first copy gone"

xdotool key Tab Down Down            # into the list, the second client
sleep 0.3
$shot && import -window root /tmp/tarvos-e2e-list.png
xdotool key alt+o
sleep 0.3
xdotool key n                        # Num Lock Always On: off
sleep 0.3
xdotool key alt+o
sleep 0.3
xdotool key p                        # Print to DOS port: off
sleep 1.5
! $numlock || [ "\$(python3 "$here/numlock_state.py")" = off ] || fail "Num Lock not switched off"
xdotool key alt+x                    # E&xit!
for i in \$(seq 1 50); do kill -0 \$app 2>/dev/null || break; sleep 0.1; done
kill -0 \$app 2>/dev/null && fail "program did not end"
wait \$app || fail "program ended with an error"
DRIVE
xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" bash "$work/drive.sh"

ini=$(tr -d '\r' < "$work/program/trvtest.ini")
grep -qx "NumLock=False" <<<"$ini" || { echo "FAIL: NumLock not saved"; echo "$ini"; exit 1; }
grep -qx "PrintDOS=False" <<<"$ini" || { echo "FAIL: PrintDOS not saved"; exit 1; }
grep -qx "SystemDB=$work/program/mokltd.mda" <<<"$ini" || { echo "FAIL: SystemDB not written"; exit 1; }
[ "$(md5sum < "$work/data/DATA401.TRV")" = "$before" ] || { echo "FAIL: client file changed"; exit 1; }
[ ! -e "$work/data/checkWriteTest" ] || { echo "FAIL: scratch file left"; exit 1; }
echo "ok"
