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
mkdir "$tmp/sane" && echo pnm > "$tmp/sane/dll.conf"
export SANE_CONFIG_DIR=$tmp/sane
"$build/tarvos-cli" scanners | grep -q "^pnm:0	" || { echo "skipped: SANE's pnm backend is missing (package libsane1)"; exit 77; }
e2e_program "[Options]" "Scanner=pnm:0" "ScannerOptions=filename=$tmp/sheet.ppm"
: > "$E2E_DATA/DATA401.TRV"

# The printed sheet at 100 dpi, pencilled where the layout table puts each location's bubbles:
# ID 123-45-6789, gender 1, ethnicity 2, marital 1, born 04/17/63, 12 years of school, court
# history 19 1 2 0 3 1 0 1 0 08, item i answered i % 2 + 1 (1-108) or i % 4 + 1 (109-149).
"$build/tarvos-cli" sheet -o "$tmp/sheet.pdf" && pdftoppm -r 100 -singlefile "$tmp/sheet.pdf" "$tmp/blank" || e2e_fail "sheet"
python3 - "$tmp/blank.ppm" "$tmp/sheet.ppm" "$build/TARVOS.MDB" << 'PY' || e2e_fail "pencil marks"
import math, sqlite3, sys
src, dst, db = sys.argv[1:4]
raw, header, width = open(src, 'rb').read(), b'P6\n850 1400\n255\n', 850
assert raw.startswith(header)
pixels = bytearray(raw[len(header):])
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

e2e_run_program
e2e_keys Return # "Add New Client"
e2e_wait_window "Entry Method"
e2e_keys Down Down Return # "Scan Answer Sheet"
e2e_wait_window "Client Name Input"
e2e_type "Jane Roe"
e2e_keys Return Return
e2e_wait_window "TRV Test Scan"
e2e_keys Return # OK: the sheet is in the scanner
e2e_wait_window "Client Information"
e2e_shot client-information
e2e_keys Return # "Information OK", the fields as scanned
e2e_wait_window "Court History"
e2e_keys Return
e2e_wait_window "Edit Client Responses"
e2e_shot response-grid
e2e_keys Tab Tab Tab Return # "Save"
e2e_quit

answers=$(python3 -c 'print("".join(str((i % 2 if i <= 108 else i % 4) + 1) for i in range(1, 150)))')
expected=$(e2e_record "Jane Roe" 123-45-6789 63 1 2 12 1 04/17/1963 "$(date +%m/%d/%Y)" "191 2 0 3 1 0 1 0 08" "$answers")
[ "$(cat "$E2E_DATA/DATA401.TRV")" = "$expected" ] ||
    e2e_fail "the client file reads '$(cat "$E2E_DATA/DATA401.TRV")', expected '$expected'"
[ "$(head -c 2 "$E2E_PROG/raw.bmp")" = BM ] || e2e_fail "raw.bmp is not the scanned page"
echo "1 passed, 0 failed"
