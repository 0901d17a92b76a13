#!/usr/bin/env bash
# The real program under Xvfb scanning through SANE's pnm backend (a private SANE_CONFIG_DIR):
# Add New Client, Scan Answer Sheet, the name and the insert prompt, then the client information,
# court history and grid windows, filled from the sheet, each confirmed by keyboard; the client file
# then holds the sheet's record field by field, and raw.bmp the scanned page.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib/e2e.sh"
e2e_init scan "${1:?build dir}" pdftoppm python3
build=$E2E_BUILD tmp=$E2E_TMP
[ -x "$build/tarvos" ] && [ -x "$build/tarvos-cli" ] && [ -f "$build/TARVOS.MDB" ] || { echo "skipped: program not built"; exit 77; }
fail() { e2e_fail "$@"; }

mkdir "$tmp/sane" && echo pnm > "$tmp/sane/dll.conf"
export SANE_CONFIG_DIR=$tmp/sane
"$build/tarvos-cli" scanners | grep -q "^pnm:0	" || { echo "skipped: SANE's pnm backend is missing (package libsane1)"; exit 77; }

prog=$tmp/prog data=$tmp/data
mkdir -p "$prog" "$data" && mkdir -m 700 "$tmp/run"
cp "$build"/TARVOS.MDB "$build"/*.TXT "$prog/"
printf '[Path]\r\nFilePath=%s\r\n[Options]\r\nScanner=pnm:0\r\nScannerOptions=filename=%s\r\n' \
    "$data" "$tmp/sheet.ppm" > "$prog/trvtest.ini"
: > "$data/DATA401.TRV"

# The printed sheet at 100 dpi, pencilled where the layout table puts each location's bubbles:
# ID 123-45-6789, gender 1, ethnicity 2, marital 1, born 04/17/63, 12 years of school, court
# history 19 1 2 0 3 1 0 1 0 08, item i answered i % 2 + 1 (1-108) or i % 4 + 1 (109-149).
"$build/tarvos-cli" sheet -o "$tmp/sheet.pdf" || fail "sheet"
pdftoppm -r 100 -singlefile "$tmp/sheet.pdf" "$tmp/blank" || fail "pdftoppm"
python3 - "$tmp/blank.ppm" "$tmp/sheet.ppm" "$build/TARVOS.MDB" << 'PY' || fail "pencil marks"
import math, sqlite3, sys
src, dst, db = sys.argv[1:4]
raw = open(src, 'rb').read()
fields, pos = [], 0
while len(fields) < 4:  # P6, width, height, maxval
    while raw[pos:pos + 1].isspace():
        pos += 1
    end = pos
    while not raw[end:end + 1].isspace():
        end += 1
    fields.append(raw[pos:end]); pos = end
header, pixels = raw[:pos + 1], bytearray(raw[pos + 1:])
width = int(fields[1])
marks = [1, 2, 3, 4, 5, 6, 7, 8, 9, 0, 1, 0, 0, 4, 1, 7, 6, 3, 1, 2, 1, 9, 1, 2, 0, 3, 1, 0, 1, 0, 0]
marks += [i % 2 if i <= 108 else i % 4 for i in range(1, 150)] + [8]
rows = sqlite3.connect(db).execute('SELECT r, theta, dx, dy, DimY FROM ScanItem ORDER BY rowid').fetchall()
for (r, theta, dx, dy, dimy), bubble in zip(rows, marks):
    a = math.radians(theta)
    cx = 27 + round(r * math.cos(a)) + 7 + (0 if dimy > 1 else bubble * dx)
    cy = 50 + round(r * math.sin(a)) + 7 + (bubble * dy if dimy > 1 else 0)
    for y in range(int(cy) - 6, int(cy) + 7):
        for x in range(int(cx) - 6, int(cx) + 7):
            if (x - cx) ** 2 + (y - cy) ** 2 <= 30:
                pixels[(y * width + x) * 3:(y * width + x) * 3 + 3] = b'\x50\x50\x50'
open(dst, 'wb').write(header + pixels)
PY

e2e_start_x
export TARVOS_PROGRAM_DIR=$prog XDG_RUNTIME_DIR=$tmp/run
e2e_start "$build/tarvos"
keys() { xdotool key --delay 40 "$@"; }

e2e_wait_window Tarvos
keys Return # "Add New Client"
e2e_wait_window "Entry Method"
keys Down Down Return # "Scan Answer Sheet"
e2e_wait_window "Client Name Input"
xdotool type --delay 30 "Jane Roe"
keys Return Return
e2e_wait_window "TRV Test Scan"
keys Return # OK: the sheet is in the scanner
e2e_wait_window "Client Information"
e2e_shot client-information
keys Return # "Information OK", the fields as scanned
e2e_wait_window "Court History"
keys Return
e2e_wait_window "Edit Client Responses"
e2e_shot response-grid
keys Tab Tab Tab Return # "Save"
e2e_wait_window Tarvos
keys alt+x
e2e_wait_exit
[ "$E2E_RC" = 0 ] || fail "the program ended with $E2E_RC"

record=$(cat "$data/DATA401.TRV")
[ ${#record} = 235 ] || fail "the client file holds ${#record} bytes, not one record"
answers=$(python3 -c 'print("".join(str((i % 2 if i <= 108 else i % 4) + 1) for i in range(1, 150)))')
check() { [ "${record:$1:$2}" = "$3" ] || fail "$4 reads '${record:$1:$2}', expected '$3'"; }
check 0 25 "$(printf '%-25s' 'Jane Roe')" name
check 25 11 123-45-6789 "ID number"
check 36 3 "63 " age
check 39 1 1 gender
check 40 1 2 ethnicity
check 41 2 12 education
check 43 1 1 "marital status"
check 44 10 04/17/1963 "date of birth"
check 54 10 "$(date +%m/%d/%Y)" "test date"
check 64 20 "191 2 0 3 1 0 1 0 08" "court history"
check 84 149 "$answers" answers
[ "$(head -c 2 "$prog/raw.bmp")" = BM ] || fail "raw.bmp is not the scanned page"
echo "1 passed, 0 failed"
