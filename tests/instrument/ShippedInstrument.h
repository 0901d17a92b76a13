#pragma once
// The instrument as the build leaves it beside the program, read once with the program's own readers:
// the report texts and scoring tables (LoadReportData) and both item tables of TARVOS.MDB.
#include "presentation/QuestionDatabase.h"
#include "scoring/ReportData.h"

#include <array>
#include <set>
#include <string>
#include <vector>

struct ShippedInstrument {
    std::string folder; // $TARVOS_BUILD_DIR, else this build's folder
    ReportResult loaded;
    ReportTextSet texts;
    ScoringTableSet tables;
    FileError database;
    std::vector<ItemRecord> english, spanish;
    // points[i][code]: what answer code 0..4 of item i earns as the program scores it (0 for items in
    // no list; section-1 codes above 2 repeat code 2).
    std::array<std::array<int, 5>, ItemCount + 1> points{};

    bool inList(int s, int item) const;
};

// Loads on first use; later calls return the same data. Sets ScoringTables and ReportTexts.
const ShippedInstrument& Shipped();

// Words of a text as their first four letters, lower case, leaving out words under three letters and
// a few that carry no meaning; used to tell whether two short texts speak of the same thing.
std::set<std::string> WordStems(const std::string& text);
std::size_t SharedStems(const std::string& a, const std::string& b);

inline std::size_t Sz(int i) {
    return static_cast<std::size_t>(i);
}

// The lines of `bytes` (CR LF or LF ends).
std::vector<std::string> Lines(const std::string& bytes);
