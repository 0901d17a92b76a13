#!/usr/bin/env bash
# The printed sheet at exact scale: tarvos-cli sheet's PDF, rendered at 100 dpi in colour (P6) and in
# grey (P5) as a scanner or a black-and-white photocopy gives it, reads as a sheet with nothing marked
# (the drop-out ink stays white in grey too). Scanned through the real libsane with SANE's pnm backend
# (a private SANE_CONFIG_DIR) it reads as omr reads the file; device failures exit 5 with their message
# and leave the layout table untouched.
set -uo pipefail
build=$1
cli=$build/tarvos-cli
[ -x "$cli" ] || { echo "skipped: no $cli"; exit 77; }
command -v pdftoppm > /dev/null || { echo "skipped: no pdftoppm (package poppler-utils)"; exit 77; }
# Every reading commits each position it finds; memory-backed /dev/shm makes that free.
tmp=$(mktemp -d -p /dev/shm 2> /dev/null || mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

cp "$build/TARVOS.MDB" "$tmp/TARVOS.MDB" || fail "no TARVOS.MDB in $build"
"$cli" sheet -o "$tmp/sheet.pdf" || fail "sheet"
pdftoppm -r 100 -singlefile "$tmp/sheet.pdf" "$tmp/colour" || fail "pdftoppm"
pdftoppm -r 100 -gray -singlefile "$tmp/sheet.pdf" "$tmp/grey" || fail "pdftoppm -gray"
[ "$(head -c 15 "$tmp/colour.ppm")" = $'P6\n850 1400\n255' ] && [ "$(head -c 2 "$tmp/grey.pgm")" = P5 ] ||
    fail "not an 850 x 1400 P6 and a P5 page"

db=(--database "$tmp/TARVOS.MDB" --today 06/15/2026)
blank=$(printf '%s\n' SSN=NNN-NN-NNNN Gender=0 Race=0 Marital=0 DateOfBirth=NN/NN/19NN Age=N Education=NN \
    CourtHistory1=NN CourtHistory{2..9}=N CourtHistory10=NN "Responses=$(printf '0%.0s' {1..149})" Doubtful=)
for page in colour.ppm grey.pgm; do
    out=$("$cli" omr "$tmp/$page" "${db[@]}") || fail "omr $page exit $?"
    [ "$out" = "$blank" ] || { diff <(echo "$blank") <(echo "$out"); fail "blank $page misread"; }
done

mkdir "$tmp/sane" && echo pnm > "$tmp/sane/dll.conf"
export SANE_CONFIG_DIR=$tmp/sane
"$cli" scanners > "$tmp/scanners" || fail "scanners exit $?"
grep -q "^pnm:0	" "$tmp/scanners" || { echo "skipped: SANE's pnm backend is missing (package libsane1)"; exit 77; }
for page in colour.ppm grey.pgm; do
    got=$("$cli" scan --device pnm:0 --option "filename=$tmp/$page" "${db[@]}") || fail "scan $page exit $?"
    [ "$got" = "$blank" ] || { diff <(echo "$blank") <(echo "$got"); fail "scan of $page differs from omr"; }
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
echo "the printed sheet reads blank in colour and grey, from a file and through libsane; device failures exit 5"
