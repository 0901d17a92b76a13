#!/usr/bin/env bash
# The printer layer against a private CUPS scheduler: the report's pages on a PDF queue (Letter and
# A4), the DOS-port path to a raw queue and to the PDF queue, stopped, rejecting and unknown queues,
# and no print system at all. The cases themselves are in test_platform (CupsPrinterTest).
set -uo pipefail
build=${1:?usage: print_cups.sh BUILD_DIR}
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib/private_cupsd.sh"

work=$(mktemp -d /tmp/tarvos-cups.XXXXXX)
chmod 755 "$work" # the filters run as lp
cleanup() {
    stop_private_cupsd
    rm -rf "$work"
}
trap cleanup EXIT

if ! start_private_cupsd "$work/cups"; then
    echo "skipped: the private cupsd cannot start: $CUPSD_WHY"
    exit 77
fi
export HOME=$work/home TMPDIR=$work/tmp QT_QPA_PLATFORM=offscreen
mkdir -p "$HOME" "$TMPDIR"
touch "$HOME/still-here"

status=0
"$build/tests/test_platform" --gtest_filter='CupsPrinterTest.*' || status=1
[ -e "$HOME/still-here" ] || { echo "FAIL: the home folder was touched by a print"; status=1; }

# tarvos-cli report --pdf: one sheet per report page, on the default queue's paper (the lines on the
# sheets are ReportPdfTest's).
"$build/tools/mkdemo" "$work/demo" "$work/demo/trvtest.ini" "$here/../../data/scoring/items.txt" >/dev/null &&
    "$build/tarvos-cli" report "$work/demo/DATA401.TRV" 1 -o "$work/one.prn" &&
    "$build/tarvos-cli" report "$work/demo/DATA401.TRV" 1 --pdf -o "$work/one.pdf" ||
    { echo "FAIL: tarvos-cli report --pdf"; status=1; }
feeds=$(tr -cd '\f' <"$work/one.prn" | wc -c)
pdfinfo "$work/one.pdf" | grep -qx "Pages: *$((feeds + 1))" || { echo "FAIL: the PDF has not $((feeds + 1)) pages"; status=1; }
pdfinfo "$work/one.pdf" | grep -q "612 x 792 pts (letter)" || { echo "FAIL: the PDF is not on the queue's Letter paper"; status=1; }

# Without a scheduler: the failure says what to do.
CUPS_SERVER=$work/none.sock TARVOS_EXPECT_NO_PRINTER=1 \
    "$build/tests/test_platform" --gtest_filter='CupsNoPrinterTest.*' || status=1
exit $status
