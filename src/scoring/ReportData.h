#pragma once
// The report texts and scoring tables read from the program's data files on every scoring run, and
// the paths of the seven scale paragraph files. Arrays are indexed from 1 as the tables are numbered;
// index 0 is unused.
#include "clients/ClientRecord.h"
#include "scoring/ReportResult.h"
#include "shell/FileNames.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

constexpr int ScaleCount = 7;
constexpr int SignificantItemCount = 54;
constexpr int AnswerTextCount = 40;
constexpr int MaxScaleItems = 40;
constexpr int MaxNormCount = 77;
constexpr int ScThresholdCount = 48;
constexpr int FloorItemCount = 73;
constexpr int TruthRowCount = 9;

// The items of each block of the point keys (1..4; index 0 unused) and the highest answer code they
// take: the True/False section is keyed in two blocks, the other two sections in one each.
struct PointKeyBlock {
    int first, last, highestCode;
    int size() const { return last - first + 1; }
};
constexpr std::array<PointKeyBlock, 5> PointKeyBlocks = {
    {{0, -1, 0},
     {1, 60, SectionMaxCode[0]},
     {61, LastTrueFalseItem, SectionMaxCode[0]},
     {LastTrueFalseItem + 1, LastRatingItem, SectionMaxCode[1]},
     {LastRatingItem + 1, ItemCount, SectionMaxCode[2]}}};
// The block (1..4) that holds `item` (1..149).
constexpr int PointKeyBlockOf(int item) {
    int block = 1;
    while (block < 4 && item > PointKeyBlocks[static_cast<std::size_t>(block)].last)
        ++block;
    return block;
}

struct ReportTextSet {
    std::array<std::string, ScaleCount + 1> ScaleNames;
    std::array<std::string, 5> RangeNames;
    std::array<std::string, SignificantItemCount + 1> SignificantItemTexts;
    std::array<std::string, AnswerTextCount + 1> AnswerTexts; // 4 * (k - 1) + q: answer q of item 139 + k
};

struct ScoringTableSet {
    std::array<int16_t, SignificantItemCount + 1> SignificantItemNumbers{};
    // PointKeys[block 1..4][code 0..4]: one digit per item of the block.
    std::array<std::array<std::string, 5>, 5> PointKeys;
    // NormCounts[g][r][s]; NormTables[s][raw][r][g] for gender group g 1..2, race group r 1..3.
    std::array<std::array<std::array<int16_t, 7>, 4>, 3> NormCounts{};
    std::array<std::array<std::array<std::array<int16_t, 3>, 4>, MaxNormCount + 1>, 7> NormTables{};
    std::array<int16_t, ScThresholdCount + 1> ScThresholds{};
    std::array<std::array<std::array<int16_t, 3>, ScThresholdCount>, 4> ScPercentiles{}; // [r][i 1..47][g]
    std::array<int16_t, 7> ScaleItemCounts{};
    std::array<std::array<int16_t, MaxScaleItems + 1>, 7> ScaleItems{}; // [s 1..6][k]
    std::array<int16_t, FloorItemCount + 1> FloorItems{};
    std::array<std::array<int16_t, TruthRowCount + 1>, 8> TruthCorrections{}; // [k 2..7][row 1..9]
};

extern ReportTextSet ReportTexts;
extern ScoringTableSet ScoringTables;
extern std::array<std::string, ScaleCount + 1> ParagraphFiles;

// Parses the report text file's bytes into `texts`; throws ReportFailure naming `fileName`.
void ParseReportTexts(std::string_view bytes, const std::string& fileName, ReportTextSet& texts);
// Parses the scoring data file's bytes into `tables`; counts above their limits, item numbers outside
// 1..149 and percentiles outside 0..100 fail. Throws ReportFailure naming `fileName`.
void ParseScoringTables(std::string_view bytes, const std::string& fileName, ScoringTableSet& tables);

// Reads the report texts and scoring tables from `dataFolder` and sets the paragraph file paths there.
ReportResult LoadReportData(const std::string& dataFolder);
