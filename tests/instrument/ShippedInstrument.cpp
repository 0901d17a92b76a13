#include "ShippedInstrument.h"

#include "scoring/Scoring.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <gtest/gtest.h>
#include <sstream>

namespace {
ShippedInstrument LoadShipped() {
    ShippedInstrument d;
    const char* env = std::getenv("TARVOS_BUILD_DIR");
    d.folder = env && *env ? env : TARVOS_BUILD_DIR;
    d.loaded = LoadReportData(d.folder);
    d.texts = ReportTexts;
    d.tables = ScoringTables;

    QuestionDatabase db;
    d.database = db.Open(d.folder + "/" + QuestionDatabaseName);
    if (d.database.ok())
        d.database = LoadItemTable(db, "English", d.english);
    if (d.database.ok())
        d.database = LoadItemTable(db, "Spanish", d.spanish);

    // Every client answering every item with one code shows what that code earns on each item.
    for (int code = 0; code <= 4; ++code) {
        ClientView = {};
        ScoreResults = {};
        for (int i = 1; i <= ItemCount; ++i)
            ClientView.ResponseCodes[i] = static_cast<int16_t>(i <= 108 ? std::min(code, 2) : code);
        const ReportResult scored = ComputeRawScores();
        EXPECT_TRUE(scored.ok()) << scored.message();
        for (int i = 1; i <= ItemCount; ++i)
            d.points[i][code] = ScoreResults.ItemPoints[i];
    }
    return d;
}
} // namespace

const ShippedInstrument& Shipped() {
    static const ShippedInstrument shipped = LoadShipped();
    ScoringTables = shipped.tables;
    ReportTexts = shipped.texts;
    return shipped;
}

bool ShippedInstrument::inList(int s, int item) const {
    const auto& list = tables.ScaleItems[static_cast<std::size_t>(s)];
    return std::count(list.begin() + 1,
                      list.begin() + 1 + tables.ScaleItemCounts[static_cast<std::size_t>(s)], item) > 0;
}

std::set<std::string> WordStems(const std::string& text) {
    static const std::set<std::string> empty = {"the", "and", "not", "but", "with", "for", "who"};
    std::set<std::string> stems;
    std::string word;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        const unsigned char c = i < text.size() ? static_cast<unsigned char>(text[i]) : ' ';
        if (std::isalnum(c)) {
            word += static_cast<char>(std::tolower(c));
            continue;
        }
        if (word.size() >= 3 && !empty.count(word))
            stems.insert(word.substr(0, 4));
        word.clear();
    }
    return stems;
}

std::size_t SharedStems(const std::string& a, const std::string& b) {
    const auto x = WordStems(a), y = WordStems(b);
    return static_cast<std::size_t>(
        std::count_if(x.begin(), x.end(), [&](const auto& w) { return y.count(w); }));
}

std::vector<std::string> Lines(const std::string& bytes) {
    std::vector<std::string> out;
    std::istringstream in(bytes);
    for (std::string line; std::getline(in, line);)
        out.push_back(!line.empty() && line.back() == '\r' ? line.substr(0, line.size() - 1) : line);
    return out;
}
