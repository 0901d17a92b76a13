#!/usr/bin/env bash
# tarvos-cli scan through the real libsane with SANE's pnm backend (a private SANE_CONFIG_DIR): the
# printed sheet, rendered at 100 dpi in colour (P6) and grey (P5), scans and reads as omr reads the
# file; device failures exit 5 with their message and leave the layout table untouched.
set -uo pipefail
build=$1
cli=$build/tarvos-cli
[ -x "$cli" ] || { echo "skipped: no $cli"; exit 77; }
command -v pdftoppm > /dev/null || { echo "skipped: no pdftoppm (package poppler-utils)"; exit 77; }
tmp=$(mktemp -d -p /dev/shm 2> /dev/null || mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

mkdir "$tmp/sane" && echo pnm > "$tmp/sane/dll.conf"
export SANE_CONFIG_DIR=$tmp/sane
"$cli" scanners > "$tmp/scanners" || fail "scanners exit $?"
grep -q "^pnm:0	" "$tmp/scanners" || { echo "skipped: SANE's pnm backend is missing (package libsane1)"; exit 77; }

cp "$build/TARVOS.MDB" "$tmp/TARVOS.MDB" || fail "no TARVOS.MDB in $build"
"$cli" sheet -o "$tmp/sheet.pdf" || fail "sheet"
pdftoppm -r 100 -singlefile "$tmp/sheet.pdf" "$tmp/colour" || fail "pdftoppm"
pdftoppm -r 100 -gray -singlefile "$tmp/sheet.pdf" "$tmp/grey" || fail "pdftoppm -gray"
[ "$(head -c 2 "$tmp/colour.ppm")" = P6 ] && [ "$(head -c 2 "$tmp/grey.pgm")" = P5 ] || fail "not P6/P5"

db=(--database "$tmp/TARVOS.MDB" --today 06/15/2026)
for page in colour.ppm grey.pgm; do
    want=$("$cli" omr "$tmp/$page" "${db[@]}") || fail "omr $page exit $?"
    got=$("$cli" scan --device pnm:0 --option "filename=$tmp/$page" "${db[@]}") || fail "scan $page exit $?"
    [ "$got" = "$want" ] || { diff <(echo "$want") <(echo "$got"); fail "scan of $page differs from omr"; }
done

# Device failures: exit 5, the acquisition error line, SANE's description with the device, and no
# position written into the layout table.
sqlite3 "$tmp/TARVOS.MDB" "UPDATE ScanItem SET x = -1, y = -1" || fail "sqlite3"
for case in "status-jammed|Document feeder jammed" "status-nodocs|Document feeder out of documents" \
    "status-coveropen|Scanner cover is open" "status-ioerror|Error during device I/O"; do
    option=${case%%|*} text=${case#*|}
    out=$("$cli" scan --device pnm:0 --option "filename=$tmp/colour.ppm" --option "$option=yes" "${db[@]}" 2> "$tmp/err")
    code=$?
    [ $code -eq 5 ] || fail "$option exit $code"
    [ -z "$out" ] || fail "$option printed a reading"
    head -1 "$tmp/err" | grep -qx "tarvos-cli: Error '20084, Twain DS or DSM reported error, app shouldn't." || fail "$option: $(cat "$tmp/err")"
    sed -n 2p "$tmp/err" | grep -q "^$text (scanner pnm:0)\. " || fail "$option: $(cat "$tmp/err")"
done
"$cli" scan --device pnm:9 "${db[@]}" 2> "$tmp/err"
[ $? -eq 5 ] && grep -q "^tarvos-cli: Error '20082, Twain no Data Source.$" "$tmp/err" || fail "missing device: $(cat "$tmp/err")"
[ "$(sqlite3 "$tmp/TARVOS.MDB" "SELECT COUNT(*) FROM ScanItem WHERE x <> -1 OR y <> -1")" = 0 ] ||
    fail "a failed scan wrote positions"
"$cli" scan --device pnm:0 --option nonsense "${db[@]}" 2> /dev/null
[ $? -eq 2 ] || fail "a malformed --option is a usage error"
echo "scan through libsane reads as omr; device failures exit 5"
