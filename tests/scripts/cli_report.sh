#!/usr/bin/env bash
# tarvos-cli report: the same bytes to standard output and to a file, matching a golden report; a
# failure writes one line on standard error and nothing else; the client file is never changed.
set -uo pipefail
build=$1
cli=$build/tarvos-cli
src=$(cd "$(dirname "$0")/../.." && pwd)
[ -x "$cli" ] || { echo "no $cli"; exit 77; }
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
# Qt's start-up warns on standard error without a runtime folder.
mkdir -m 700 "$tmp/run" && export XDG_RUNTIME_DIR=$tmp/run
fail() { echo "FAIL: $*"; exit 1; }

rep() { local s=; for ((i = 0; i < $2; i++)); do s+=$1; done; printf '%s' "$s"; }
# record NAME SSN AGE GENDER RACE EDUCATION MARITAL BIRTH TESTDATE COURT(20 chars) RESPONSES(149)
record() { printf '%-25s%-11s%-3s%s%s%-2s%s%-10s%-10s%-20s%-149s00' "$@"; }
{
    record "Lee Chen" N 61 1 4 16 1 07/04/1965 12/01/2026 "25N N N N N N N N 12" \
        "1112222222$(rep 2 10)0000022222000022222$(rep 2 69)$(rep 1 41)"
    record "Maria Lopez" 123-45-6789 34 2 3 10 3 02/14/1992 12/01/2026 "171 2 0 3 1 0 0 N 6 " \
        "111122222212121222221222222222111222222211111222221222222220$(rep 2 79)0123412344"
} > "$tmp/DATA401.TRV"
[ "$(stat -c %s "$tmp/DATA401.TRV")" = 470 ] || fail "test client file is not two records"
before=$(sha256sum < "$tmp/DATA401.TRV")
data=$tmp/data
mkdir "$data" && cp "$src"/tests/scoring/data/base/* "$data/"

"$cli" report "$tmp/DATA401.TRV" 2 --data "$data" > "$tmp/stdout.prn" 2> "$tmp/err" || fail "report to stdout: $(cat "$tmp/err")"
"$cli" report "$tmp/DATA401.TRV" 2 --data "$data" -o "$tmp/file.prn" || fail "report to a file"
cmp -s "$tmp/stdout.prn" "$tmp/file.prn" || fail "stdout and -o differ"
cmp "$tmp/stdout.prn" "$src/tests/scoring/golden/full.prn" || fail "report differs from the golden report"
[ -s "$tmp/err" ] && fail "stderr not empty on success"

"$cli" report "$tmp/DATA401.TRV" 1 --summary --data "$data" > "$tmp/summary.prn" || fail "summary report"
grep -q "ONE-PAGE SUMMARY" "$tmp/summary.prn" || fail "--summary adds no summary"
grep -q "(TRV TEST # 1 )" "$tmp/summary.prn" || fail "summary of the wrong slot"

check_failure() { # expected-text args...
    local want=$1; shift
    rm -f "$tmp/out.prn"
    if "$cli" report "$@" > "$tmp/stdout2" 2> "$tmp/err"; then fail "succeeded: $*"; fi
    [ -s "$tmp/stdout2" ] && fail "wrote to stdout on failure: $*"
    [ -e "$tmp/out.prn" ] && fail "left an output file: $*"
    [ "$(wc -l < "$tmp/err")" = 1 ] || fail "not one line on stderr: $(cat "$tmp/err")"
    grep -q -- "$want" "$tmp/err" || fail "stderr does not name '$want': $(cat "$tmp/err")"
}
check_failure "no client in slot 3" "$tmp/DATA401.TRV" 3 --data "$data" -o "$tmp/out.prn"
check_failure "not a slot number" "$tmp/DATA401.TRV" two --data "$data"
check_failure "$tmp/nope.TRV" "$tmp/nope.TRV" 1 --data "$data"
rm "$data/TRVV3SC.TXT"
check_failure "TRVV3SC.TXT" "$tmp/DATA401.TRV" 2 --data "$data" -o "$tmp/out.prn"
check_failure "TRVV3SC.TXT" "$tmp/DATA401.TRV" 2 --data "$data"
cp "$src/tests/scoring/data/base/TRVV3SC.TXT" "$data/"
if "$cli" report "$tmp/DATA401.TRV" 2 --data "$data" -o "$tmp/DATA401.TRV" 2> /dev/null; then fail "wrote over the client file"; fi
rm "$data/TRVV3VA.TXT" && mkfifo "$data/TRVV3VA.TXT" # a pipe must fail, not hang
check_failure "TRVV3VA.TXT" "$tmp/DATA401.TRV" 2 --data "$data"

[ "$(sha256sum < "$tmp/DATA401.TRV")" = "$before" ] || fail "the client file changed"
echo "cli report: all checks passed"
