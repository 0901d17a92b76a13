#!/usr/bin/env bash
# The printed sheet at exact scale: the PDF of tarvos-cli sheet, turned into a 100 dpi page as a
# scanner would see it in colour and in grey, registers and reads as a sheet with nothing marked.
set -uo pipefail
build=$1
cli=$build/tarvos-cli
[ -x "$cli" ] || { echo "no $cli"; exit 77; }
command -v pdftoppm > /dev/null || { echo "no pdftoppm"; exit 77; }
# Every scan commits each position it finds; memory-backed /dev/shm makes that free.
tmp=$(mktemp -d -p /dev/shm 2> /dev/null || mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

"$cli" sheet -o "$tmp/sheet.pdf" || fail "sheet"
"$cli" sheet -o "$tmp/no/folder/sheet.pdf" 2> /dev/null && fail "sheet into a missing folder"
pdftoppm -r 100 -singlefile "$tmp/sheet.pdf" "$tmp/page" || fail "pdftoppm"
size=$(head -c 15 "$tmp/page.ppm" | sed -n 2p)
[ "$size" = "850 1400" ] || fail "page is $size pixels, not 850 x 1400"
cp "$build/TARVOS.MDB" "$tmp/TARVOS.MDB" || fail "no TARVOS.MDB in $build"

out=$("$cli" omr "$tmp/page.ppm" --database "$tmp/TARVOS.MDB" --today 06/15/2026) || fail "omr exit $?"
expected="SSN=NNN-NN-NNNN
Gender=0
Race=0
Marital=0
DateOfBirth=NN/NN/19NN
Age=N
Education=NN
CourtHistory1=NN"
for k in 2 3 4 5 6 7 8 9; do expected+=$'\n'"CourtHistory$k=N"; done
expected+=$'\n'"CourtHistory10=NN"$'\n'"Responses=$(printf '0%.0s' $(seq 149))"$'\n'"Doubtful="
[ "$out" = "$expected" ] || { diff <(echo "$expected") <(echo "$out"); fail "blank sheet misread"; }

# A grey render, as a grey-mode scan or a black-and-white photocopy gives it: the drop-out ink
# stays white there too.
pdftoppm -r 100 -gray -singlefile "$tmp/sheet.pdf" "$tmp/grey" || fail "pdftoppm -gray"
out=$("$cli" omr "$tmp/grey.pgm" --database "$tmp/TARVOS.MDB" --today 06/15/2026) || fail "omr grey exit $?"
[ "$out" = "$expected" ] || { diff <(echo "$expected") <(echo "$out"); fail "grey sheet misread"; }
echo "printed sheet reads blank in colour and grey"
