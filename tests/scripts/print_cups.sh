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

# tarvos-cli report --pdf: the pages of the printer, on the default queue's paper, every line present.
"$build/tools/mkdemo" "$work/demo" "$work/demo/trvtest.ini" "$here/../../data/scoring/items.txt" >/dev/null ||
    { echo "FAIL: mkdemo"; status=1; }
"$build/tarvos-cli" report "$work/demo/DATA401.TRV" 1 -o "$work/one.prn" &&
    "$build/tarvos-cli" report "$work/demo/DATA401.TRV" 1 --pdf -o "$work/one.pdf" ||
    { echo "FAIL: tarvos-cli report --pdf"; status=1; }
feeds=$(tr -cd '\f' <"$work/one.prn" | wc -c)
pages=$(pdfinfo "$work/one.pdf" 2>/dev/null | awk '/^Pages:/ {print $2}')
[ "$pages" = $((feeds + 1)) ] || { echo "FAIL: the PDF has ${pages:-no} pages for $((feeds + 1)) report pages"; status=1; }
pdfinfo "$work/one.pdf" | grep -q "612 x 792 pts (letter)" || { echo "FAIL: the PDF is not on the queue's Letter paper"; status=1; }
pdftotext -fixed 6.9 "$work/one.pdf" "$work/pdf.txt"
python3 - "$work/pdf.txt" "$work/one.prn" <<'PY' || status=1
import sys
shown = [l.rstrip() for l in open(sys.argv[1], encoding="utf-8").read().replace("\f", "\n").split("\n")]
report = [l.rstrip() for l in open(sys.argv[2], encoding="cp1252").read().replace("\f", "").split("\n")]
shown, report = [l for l in shown if l], [l for l in report if l]
margin = len(shown[0]) - len(report[0]) if shown else 0
bad = [(a, b) for a, b in zip(shown, report) if a != " " * margin + b]
if len(shown) != len(report) or bad:
    print("FAIL: the PDF's lines differ from the report's:", len(shown), len(report), bad[:3])
    sys.exit(1)
PY

# Without a scheduler: the failure says what to do.
CUPS_SERVER=$work/none.sock TARVOS_EXPECT_NO_PRINTER=1 \
    "$build/tests/test_platform" --gtest_filter='CupsNoPrinterTest.*' || status=1
exit $status
