// Any page and any layout values are read without a crash: the input gives the page size, changes
// some "ScanItem" rows of the sheet (distances, angles, pitches, bubble counts) and fills the page.
#include "entry/MarkReading.h"
#include "entry/PagePreparation.h"
#include "entry/SheetFields.h"

#include <fuzzer/FuzzedDataProvider.h>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::vector<ScanItemRow> sheetRows = ScanItemRows(AnswerSheetLayout());
    FuzzedDataProvider in(data, size);
    const int width = in.ConsumeIntegralInRange(1, 900);
    const int height = in.ConsumeIntegralInRange(1, 1500);
    std::vector<ScanItemRow> rows = sheetRows;
    rows.resize(in.ConsumeIntegralInRange<std::size_t>(0, rows.size()));
    for (int changes = in.ConsumeIntegralInRange(0, 4); changes > 0 && !rows.empty(); --changes) {
        ScanItemRow& row = rows[in.ConsumeIntegralInRange<std::size_t>(0, rows.size() - 1)];
        row.r = in.ConsumeFloatingPoint<double>();
        row.theta = in.ConsumeFloatingPoint<double>();
        row.dx = in.ConsumeFloatingPointInRange<double>(-1e5, 1e5);
        row.dy = in.ConsumeFloatingPointInRange<double>(-1e5, 1e5);
        row.dimx = in.ConsumeIntegralInRange(-10, 40000);
        row.DimY = in.ConsumeIntegralInRange(-10, 40000);
    }
    std::vector<std::uint8_t> grey(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 255);
    const std::vector<std::uint8_t> pixels = in.ConsumeRemainingBytes<std::uint8_t>();
    std::copy_n(pixels.begin(), std::min(pixels.size(), grey.size()), grey.begin());

    const PreparedPage page = PreparePage(grey.data(), width, height, width, PagePixels::Grey8);
    RegisterSheet(page);
    ScanItemList items(rows);
    ReadSheetFields(items);
    ResetScanState();
    return 0;
}
