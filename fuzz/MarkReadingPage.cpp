// Any page and any layout values are read without a crash: the input gives the page size, changes
// some "ScanItem" rows of the sheet (distances, angles, pitches, bubble counts) and draws the page.
#include "entry/MarkReading.h"
#include "entry/PagePreparation.h"
#include "entry/SheetFields.h"

#include <algorithm>
#include <fuzzer/FuzzedDataProvider.h>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::vector<ScanItemRow> sheetRows = ScanItemRows(AnswerSheetLayout());
    FuzzedDataProvider in(data, size);
    // Pages up to about a third of a real one's width and height: every step runs as on a full page,
    // many times faster.
    const int width = in.ConsumeIntegralInRange(1, 300);
    const int height = in.ConsumeIntegralInRange(1, 500);
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
    // A white page with dark rectangles, as a sheet is: dense noise would spend every run in the
    // anchor box search instead of reaching the reading.
    std::vector<std::uint8_t> grey(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 255);
    for (int boxes = 0; boxes < 64 && in.remaining_bytes() >= 6; ++boxes) {
        const int x0 = in.ConsumeIntegralInRange(0, width - 1), y0 = in.ConsumeIntegralInRange(0, height - 1);
        const int x1 = std::min(width, x0 + in.ConsumeIntegralInRange(1, 16));
        const int y1 = std::min(height, y0 + in.ConsumeIntegralInRange(1, 16));
        const std::uint8_t shade = in.ConsumeIntegral<std::uint8_t>();
        for (int y = y0; y < y1; ++y)
            std::fill(grey.begin() + y * width + x0, grey.begin() + y * width + x1, shade);
    }

    const PreparedPage page = PreparePage(grey.data(), width, height, width, PagePixels::Grey8);
    RegisterSheet(page);
    ScanItemList items(rows);
    ReadSheetFields(items);
    ResetScanState();
    return 0;
}
