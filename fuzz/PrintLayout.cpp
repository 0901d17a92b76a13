// The report's page splitting and sheet layout on any text and paper: every line of every form-feed
// page lands on exactly one sheet, in order, and no line is wider than the sheet at the chosen size.
#include "scoring/PrintLayout.h"
#include "scoring/ReportFiles.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2)
        return 0;
    // The first two bytes choose the printable area, from a postcard to a large sheet (in points).
    const PrintArea area{100.0 + data[0] * 3.0, 150.0 + data[1] * 4.0};
    const std::string text(reinterpret_cast<const char*>(data) + 2, size - 2);
    const auto pages = SplitReportPages(text);
    const ReportLayout layout = LayOutReport(pages, area, FontShape{});
    if (!(layout.fontPoints > 0) || !(layout.lineSpacing > 0))
        __builtin_trap();
    std::size_t widest = 0;
    for (const auto& page : pages)
        for (const auto& line : page)
            widest = std::max(widest, line.size());
    if (widest > 0 && widest * layout.fontPoints * FontShape{}.advance > area.width * 1.0001)
        __builtin_trap();
    // Sheets cover each page's lines once, in order.
    std::size_t sheet = 0;
    for (std::size_t p = 0; p < pages.size(); ++p) {
        int next = 0;
        do {
            if (sheet >= layout.sheets.size())
                __builtin_trap();
            const SheetLines& s = layout.sheets[sheet++];
            if (s.page != static_cast<int>(p) || s.firstLine != next || s.lineCount < 0)
                __builtin_trap();
            next += s.lineCount;
        } while (next < static_cast<int>(pages[p].size()));
        if (next != static_cast<int>(pages[p].size()))
            __builtin_trap();
    }
    if (sheet != layout.sheets.size())
        __builtin_trap();
    return 0;
}
