#!/usr/bin/env bash
# The scoring data generator: the shipped design gives the same TRVBR.TXT on every run, and each
# kind of design fault stops it with a message naming the fault and without writing the file.
set -uo pipefail
build=$1
src=$(cd "$(dirname "$0")/../.." && pwd)
tool=$build/tools/mkscoring
[ -x "$tool" ] || { echo "mkscoring not built"; exit 77; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0

fresh() {
    rm -rf "$work/d" && mkdir -p "$work/d"
    cp "$src/data/scoring/items.txt" "$src/data/scoring/scales.txt" "$src/data/items/English.txt" \
        "$src/data/report/TRVV3RPT.txt" "$work/d/"
}
run() {
    "$tool" "$work/d/items.txt" "$work/d/scales.txt" "$work/d/English.txt" "$work/d/TRVV3RPT.txt" \
        "$work/d/TRVBR.TXT" >"$work/out" 2>&1
}
# expect_fault NAME EXPECTED-MESSAGE: run on the mutated copy, which must be rejected.
expect_fault() {
    if run; then
        echo "FAIL $1: accepted"; failed=1
    elif ! grep -qF -- "$2" "$work/out"; then
        echo "FAIL $1: message lacks '$2':"; cat "$work/out"; failed=1
    elif [ -e "$work/d/TRVBR.TXT" ]; then
        echo "FAIL $1: file written despite the fault"; failed=1
    fi
}

fresh
if ! run; then
    echo "FAIL shipped design rejected:"; cat "$work/out"; failed=1
else
    cmp -s "$work/d/TRVBR.TXT" "$build/TRVBR.TXT" || { echo "FAIL output not reproducible"; failed=1; }
    if LC_ALL=C grep -q $'[^\r]$\|[^ -~\r]' "$work/d/TRVBR.TXT"; then
        echo "FAIL TRVBR.TXT has a line without CRLF or a non-ASCII byte"; failed=1
    fi
fi

fresh; sed -i 's/^26  0 2 0 /26  0 1 0 /' "$work/d/items.txt"
expect_fault "floor item worth 1 point" "item 26 is a floor item but its risk answer earns 1 points"

fresh; sed -i 's/^8   0 3 0       AL /8   0 3 0       DG /' "$work/d/items.txt"
expect_fault "significant item outside its list" "item 8 is a significant item of AL but not in its item list"

fresh; awk '/^[0-9]/ && $5 == "VA" && n < 9 { sub(/ VA /, " VA,AG "); n++ } 1' "$src/data/scoring/items.txt" >"$work/d/items.txt"
expect_fault "item list too long" "item list AG has 41 items"

fresh; sed -i 's/^109 \(.*\) CO /109 \1 ST /' "$work/d/items.txt"
expect_fault "coping item moved to the stress group" "item 109: coping items (CO) and stress items (ST)"

fresh; sed -i 's/ 60 62 / 62 60 /' "$work/d/scales.txt"
expect_fault "thresholds out of order" "thresholds must rise strictly"

fresh; sed -i 's/^2\. I drink alcohol to relax after a hard day\.$/2. I drink beer to relax./' "$work/d/English.txt"
expect_fault "item text changed without the design" "item 2 differs from its review copy"

fresh; sed -i 's/^    Ready, but unsure where to start$/    Often ready/' "$work/d/English.txt"
expect_fault "section-3 answer read as a rating" "item 148: a second answer may not begin with Often"

fresh; sed -i '3{h;d};4{G}' "$work/d/TRVV3RPT.txt"
expect_fault "significant-item lines out of order" "significant-item line 1 must begin with \"8. \""

fresh; sed -i 's/^149\. Neither alcohol nor drugs$/149. Neither alcohol nor any of the other drugs/' "$work/d/TRVV3RPT.txt"
expect_fault "answer line too wide" "line longer than its report column"

exit $failed
