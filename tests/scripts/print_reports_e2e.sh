#!/usr/bin/env bash
# The real program under Xvfb with a private print system: "Supervisor Options", the secret code,
# the current client's report on screen and "&Print Report" to the PDF queue; then "Select and print
# multiple clients' reports" for clients 2 and 3. Three PDFs come out, each with its client's number.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib/e2e.sh"
. "$here/lib/private_cupsd.sh"
e2e_init print "${1:?build dir}" cupsd pdftotext
build=$E2E_BUILD tmp=$E2E_TMP
trap '_rc=$?; stop_private_cupsd; (exit $_rc); _e2e_cleanup' EXIT
chmod 755 "$tmp" # the print filters run as lp
start_private_cupsd "$tmp/cups" || { echo "skipped: the private cupsd cannot start: $CUPSD_WHY"; exit 77; }

e2e_program "[Settings]" "NumLock=False" "PrintDOS=False"
"$build/tools/mkdemo" "$E2E_DATA" "$tmp/demo.ini" "$here/../../data/scoring/items.txt" > /dev/null || e2e_fail "mkdemo"

pdfs() { find "$CUPSD_PDF_OUT" -name '*.pdf' | wc -l; }
# A PDF is complete once the queue has no job left and poppler reads it.
pdfs_done() { [ "$(pdfs)" -ge "$1" ] && [ -z "$(lpstat -o 2> /dev/null)" ] &&
    for f in "$CUPSD_PDF_OUT"/*.pdf; do pdfinfo "$f" > /dev/null 2>&1 || return 1; done; }
keys() { xdotool key --delay 60 "$@"; }
secret_code() {
    e2e_wait_window "Secret Code"
    xdotool type --delay 40 k
    keys Return Return # to "Information OK", then press it
}

export HOME=$tmp
e2e_run_program
keys Tab Return # from "Add New Client" to "Supervisor Options"
e2e_wait_window "Supervisor Options"
keys Tab Tab Tab Return # the first print option stays chosen; "Execute Selection"
secret_code
e2e_wait_window "Client Report"
e2e_shot report
keys alt+p
e2e_wait_until "the printed report" pdfs_done 1
e2e_wait_window "Client Report"
keys alt+c
e2e_wait_window Tarvos

keys Tab Return # the main menu gives the focus back to "Add New Client"
e2e_wait_window "Supervisor Options"
keys Tab Down Tab Tab Return # "Select and print multiple clients' reports"
secret_code
e2e_wait_window "Print Selected Reports"
keys Down space Down space # clients 2 and 3
e2e_shot selection
keys Tab Return # "Print Selected"
e2e_wait_until "the two selected reports" pdfs_done 3
e2e_quit

# Job n printed client n: the viewer's client 1, then the selection's clients 2 and 3, in list order.
i=0
for f in "$CUPSD_PDF_OUT"/*.pdf; do
    i=$((i + 1))
    job=${f##*job_}
    job=${job%.pdf}
    pdftotext -fixed 6.9 "$f" - | grep -q "(TEST # $job )" || e2e_fail "job $job ($f) is not client $job's report"
done
[ "$i" = 3 ] || e2e_fail "$i PDFs instead of 3"
echo ok
