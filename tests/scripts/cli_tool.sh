#!/usr/bin/env bash
# tarvos-cli as a command-line tool: help and version, one exit-code scheme (0 done, 1 the work
# failed, 2 usage), every error one "tarvos-cli: " line in words, no failure reported as success (a
# full disk, a failed standard output), never a wait on a named pipe, readable UTF-8 on a terminal,
# and man pages that list every command. list gives the main menu's lines; report the same bytes to
# standard output and to a file, those of the golden report; no command changes a client file.
set -uo pipefail
build=$(cd "${1:?build dir}" && pwd)
cli=$build/tarvos-cli
src=$(cd "$(dirname "$0")/../.." && pwd)
. "$src/tests/scripts/lib/e2e.sh"
[ -x "$cli" ] || { echo "skipped: no $cli"; exit 77; }
tmp=$(mktemp -d)
cleanup() {
    mountpoint -q "$tmp/full" 2> /dev/null && umount "$tmp/full"
    rm -rf "$tmp"
}
trap cleanup EXIT
mkdir -m 700 "$tmp/run" && export XDG_RUNTIME_DIR=$tmp/run
fail() { echo "FAIL: $*"; exit 1; }

# run EXPECTED-CODE ARG...: output in $tmp/out and $tmp/err; at most 20 s, so a hang fails.
run() {
    local want=$1 rc
    shift
    timeout 20 "$cli" "$@" > "$tmp/out" 2> "$tmp/err" < /dev/null
    rc=$?
    [ $rc = 124 ] && fail "hangs: $*"
    [ $rc = "$want" ] || fail "exit $rc, not $want: $* ($(head -c 300 "$tmp/err"))"
}
# A failure: exactly one line on standard error, starting "tarvos-cli: " and holding TEXT; no output.
failed() {
    [ "$(wc -l < "$tmp/err")" = 1 ] || fail "not one line on stderr: $(cat "$tmp/err")"
    grep -q '^tarvos-cli: ' "$tmp/err" || fail "error without 'tarvos-cli: ': $(cat "$tmp/err")"
    grep -qF -- "$1" "$tmp/err" || fail "error does not say '$1': $(cat "$tmp/err")"
    grep -q 'Error [0-9]' "$tmp/err" && fail "an error number instead of words: $(cat "$tmp/err")"
    [ ! -s "$tmp/out" ] || fail "output on failure: $(head -c 200 "$tmp/out")"
}

commands="list omr report sheet"
for help in --help -h help; do
    run 0 $help
    [ ! -s "$tmp/err" ] || fail "$help writes to stderr"
    for c in $commands; do grep -q "^  $c " "$tmp/out" || fail "$help does not list $c"; done
    grep -q "^Exit status:" "$tmp/out" || fail "$help gives no exit codes"
done
for c in $commands; do
    run 0 help "$c"
    grep -q "^Usage: tarvos-cli $c" "$tmp/out" || fail "help $c: $(head -1 "$tmp/out")"
    run 0 "$c" --help
done
run 0 --version
grep -qE '^tarvos-cli [0-9]+\.[0-9]+' "$tmp/out" || fail "version: $(cat "$tmp/out")"

"$build/tools/mkdemo" "$tmp/demo" "$tmp/unused.ini" "$src/data/scoring/items.txt"
demo=$tmp/demo/DATA401.TRV
demo_sum=$(md5sum < "$demo")
data=$tmp/data && mkdir "$data" && cp "$src"/tests/scoring/data/base/* "$data/"
mkfifo "$tmp/pipe"
printf 'P6\n850 1400\n255\n' > "$tmp/page.ppm" && head -c $((850 * 1400 * 3)) /dev/zero | tr '\0' '\377' >> "$tmp/page.ppm"
for i in $(seq 11); do cat "$demo"; done | head -c $((235 * 52)) > "$tmp/full.trv"
head -c 30000 /dev/urandom > "$tmp/noise.trv"

run 0 list "$demo"
[ "$(cat "$tmp/out")" = "$(printf '%-27s\n' "1-Avery, Jordan" "2-Delgado, Marisol" "3-Whitfield, Curtis" \
    "4-Nakamura, Erin" "5-Redcloud, Samuel")" ] || fail "list lines differ: $(cat "$tmp/out")"
# A byte above 0x7F is the Windows-1252 character it stands for; control bytes never split a line.
for name in 'Jos\xe9 M\x9cller|José Mœller' 'Bad\nName\0Here|Bad?Name?Here'; do
    printf "${name%|*}" > "$tmp/one.trv" && printf '%*s' $((235 - $(stat -c %s "$tmp/one.trv"))) '' >> "$tmp/one.trv"
    run 0 list "$tmp/one.trv"
    [ "$(sed 's/ *$//' "$tmp/out")" = "1-${name#*|}" ] || fail "list of ${name#*|}: $(cat "$tmp/out")"
done
: > "$tmp/empty.trv" && run 0 list "$tmp/empty.trv" && [ ! -s "$tmp/out" ] || fail "an empty file lists something"

e2e_record "Lee Chen" N 61 1 4 16 1 07/04/1965 12/01/2026 "25N N N N N N N N 12" \
    "1112222222$(e2e_rep 2 10)0000022222000022222$(e2e_rep 2 69)$(e2e_rep 1 41)" > "$tmp/two.trv"
e2e_record "Maria Lopez" 123-45-6789 34 2 3 10 3 02/14/1992 12/01/2026 "171 2 0 3 1 0 0 N 6 " \
    "111122222212121222221222222222111222222211111222221222222220$(e2e_rep 2 79)0123412344" >> "$tmp/two.trv"
two_sum=$(md5sum < "$tmp/two.trv")
run 0 report "$tmp/two.trv" 2 --data "$data"
cmp "$tmp/out" "$src/tests/scoring/golden/full.prn" && [ ! -s "$tmp/err" ] || fail "report differs from the golden report"
run 0 report "$tmp/two.trv" 2 --data "$data" -o "$tmp/file.prn"
cmp -s "$tmp/file.prn" "$src/tests/scoring/golden/full.prn" || fail "report -o differs from the golden report"
run 0 report "$tmp/two.trv" 1 --summary --data "$data"
grep -q "ONE-PAGE SUMMARY" "$tmp/out" && grep -q "(TRV TEST # 1 )" "$tmp/out" || fail "--summary of slot 1"

# Usage errors: 2.
for args in "" "nosuch" "help nosuch" "list" "list a b" "report $demo" "report $demo x" "report $demo 1 --bad" \
    "sheet" "sheet out.pdf" "omr" "omr $tmp/page.ppm --today 13/40/2026"; do
    run 2 $args
    grep -q '^tarvos-cli: ' "$tmp/err" || fail "usage error without 'tarvos-cli: ': $args"
done

# Work that fails: 1, one line in words naming the file, at once on a named pipe.
run 1 list "$tmp/demo"; failed "$tmp/demo is a folder, not a file: give the path of a file in it (such as DATA401.TRV)."
run 1 list "$tmp/pipe"; failed "$tmp/pipe is not a regular file (a device, pipe or socket): give the path of a file."
run 1 list "$tmp/missing.trv"; failed "$tmp/missing.trv does not exist"; [ ! -e "$tmp/missing.trv" ] || fail "missing file created"
run 1 list "$tmp/full.trv"; failed "$tmp/full.trv holds 52 client records (12220 bytes), but one data disk holds at most 51"
run 1 list "$tmp/noise.trv"; failed "$tmp/noise.trv (30000 bytes) is not a client file: move it out of the data folder or choose another folder."
run 1 report "$tmp/pipe" 1; failed "$tmp/pipe is not a regular file"
run 1 report "$tmp/full.trv" 1; failed "holds 52 client records"
run 1 omr "$tmp/pipe"; failed "$tmp/pipe is not a regular file"
run 1 omr "$tmp/page.ppm" --database "$tmp/pipe"; failed "$tmp/pipe is not a regular file"
cp "$build/TARVOS.MDB" "$tmp/omr.mdb"
run 1 omr "$tmp/page.ppm" --database "$tmp/omr.mdb"; failed "Anchor Box not found"
echo "not an image" > "$tmp/text.png" && run 1 omr "$tmp/text.png" --database "$tmp/omr.mdb"; failed "$tmp/text.png"
run 1 sheet -o "$tmp/no/folder/sheet.pdf"; failed "$tmp/no/folder/sheet.pdf"
run 1 report "$tmp/two.trv" 3 --data "$data" -o "$tmp/none.prn"; failed "no client in slot 3"
mv "$data/TRVV3SC.TXT" "$tmp/"
run 1 report "$tmp/two.trv" 2 --data "$data" -o "$tmp/none.prn"; failed "$data/TRVV3SC.TXT"
mv "$tmp/TRVV3SC.TXT" "$data/" && mv "$data/TRVV3VA.TXT" "$tmp/" && mkfifo "$data/TRVV3VA.TXT"
run 1 report "$tmp/two.trv" 2 --data "$data"; failed "$data/TRVV3VA.TXT"
rm "$data/TRVV3VA.TXT" && mv "$tmp/TRVV3VA.TXT" "$data/"
[ ! -e "$tmp/none.prn" ] || fail "a failed report left its output file"
run 1 report "$tmp/two.trv" 2 --data "$data" -o "$tmp/two.trv"

# A full disk or a failed standard output is a failure, never a success.
pdftoppm -v > /dev/null 2>&1 && "$cli" sheet -o "$tmp/sheet.pdf" && pdftoppm -r 100 -singlefile "$tmp/sheet.pdf" "$tmp/blank" &&
    { timeout 20 "$cli" omr "$tmp/blank.ppm" --database "$tmp/omr.mdb" > /dev/full 2> "$tmp/err"; rc=$?
      [ $rc = 1 ] || fail "omr to a full standard output exits $rc"; }
timeout 20 "$cli" list "$demo" > /dev/full 2> /dev/null && fail "list to a full standard output succeeds"
timeout 20 "$cli" sheet -o /dev/full 2> "$tmp/err" && fail "sheet -o /dev/full succeeds"
grep -q "is full" "$tmp/err" || fail "sheet -o /dev/full: $(cat "$tmp/err")"
timeout 20 "$cli" sheet -o /dev/null || fail "sheet -o /dev/null fails"
[ -c /dev/null ] || fail "/dev/null is no longer a device"
"$cli" sheet -o "$tmp/sheet.pdf" && ln -s sheet.pdf "$tmp/link.pdf" && "$cli" sheet -o "$tmp/link.pdf" || fail "sheet through a link"
[ -L "$tmp/link.pdf" ] || fail "the link was replaced by a file"
if mkdir "$tmp/full" && mount -t tmpfs -o size=64k tmpfs "$tmp/full" 2> /dev/null; then
    echo old > "$tmp/full/sheet.pdf"
    head -c 1M /dev/zero > "$tmp/full/filler" 2> /dev/null
    timeout 20 "$cli" sheet -o "$tmp/full/sheet.pdf" 2> "$tmp/err" && fail "sheet -o on a full disk succeeds"
    grep -q "$tmp/full/sheet.pdf is full\|holding $tmp/full/sheet.pdf is full" "$tmp/err" || fail "full disk: $(cat "$tmp/err")"
    [ "$(cat "$tmp/full/sheet.pdf")" = old ] || fail "a failed sheet damaged the file it was to replace"
    [ "$(ls "$tmp/full" | tr '\n' ' ')" = "filler sheet.pdf " ] || fail "a failed sheet left files behind: $(ls "$tmp/full")"
else
    echo "skipped: no full disk (mounting a small tmpfs needs root)"
fi

# A report on a terminal is readable UTF-8; through a pipe it keeps its exact bytes.
printf 'Jos\xe9 Pe\xf1a%*s' 16 '' > "$tmp/one.trv" && tail -c 210 "$demo" >> "$tmp/one.trv"
"$cli" report "$tmp/one.trv" 1 --data "$data" > "$tmp/piped.prn" || fail "report to a pipe"
grep -q $'\r' "$tmp/piped.prn" && LC_ALL=C grep -qa $'\xe9' "$tmp/piped.prn" || fail "report through a pipe is not its exact bytes"
# The report runs on a pseudo-terminal of its own; everything it writes is read until it exits.
on_terminal() {
    python3 -c '
import os, pty, sys
pid, fd = pty.fork()
if pid == 0:
    os.execv(sys.argv[1], sys.argv[1:])
out = b""
while True:
    try:
        chunk = os.read(fd, 65536)
    except OSError:
        break
    if not chunk:
        break
    out += chunk
os.waitpid(pid, 0)
sys.stdout.buffer.write(out)
' "$@"
}
if command -v python3 > /dev/null; then
    on_terminal "$cli" report "$tmp/one.trv" 1 --data "$data" > "$tmp/tty.txt" < /dev/null
    tr -d '\r' < "$tmp/tty.txt" | grep -q "José Peña" || fail "the terminal does not show the name in UTF-8"
    # The terminal adds its own CR to each line end; the report's own CR and form feeds are gone.
    grep -q $'\r\r' "$tmp/tty.txt" && fail "double line ends on a terminal"
    grep -q $'\f' "$tmp/tty.txt" && fail "form feeds on a terminal"
else
    echo "skipped: no python3, the terminal output is not checked"
fi

for page in tarvos tarvos-cli; do
    [ -s "$build/man/$page.1" ] || fail "no man page $page.1"
done
for c in $commands; do grep -q "$c" "$build/man/tarvos-cli.1" || fail "the man page does not name $c"; done
[ "$(md5sum < "$demo")" = "$demo_sum" ] && [ "$(md5sum < "$tmp/two.trv")" = "$two_sum" ] || fail "a client file changed"
echo "cli tool: all checks passed"
