#include "scoring/PrintLayout.h"

#include <algorithm>
#include <cmath>

ReportLayout LayOutReport(const std::vector<std::vector<std::string>>& pages, PrintArea area,
                          FontShape shape) {
    ReportLayout layout;
    std::size_t widest = 0;
    std::size_t longest = 1;
    for (const auto& page : pages) {
        longest = std::max(longest, page.size());
        for (const auto& line : page)
            widest = std::max(widest, line.size());
    }
    if (widest > 0 && static_cast<double>(widest) * shape.advance * layout.fontPoints > area.width)
        layout.fontPoints = area.width / (static_cast<double>(widest) * shape.advance);

    // The longest page decides the spacing, so every sheet of the report looks the same.
    const double natural = shape.lineSpacing * layout.fontPoints;
    const double tightest = MinLineSpacingFactor * layout.fontPoints;
    layout.lineSpacing = std::max(tightest, std::min(natural, area.height / static_cast<double>(longest)));
    const int perSheet = std::max(1, static_cast<int>(std::floor(area.height / layout.lineSpacing + 1e-9)));

    for (std::size_t p = 0; p < pages.size(); ++p) {
        const int count = static_cast<int>(pages[p].size());
        int first = 0;
        do {
            const int n = std::min(perSheet, count - first);
            layout.sheets.push_back({static_cast<int>(p), first, n});
            first += n;
        } while (first < count);
    }
    return layout;
}
