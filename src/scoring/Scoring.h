#pragma once
// Scale scoring: one client's answers, demographics and court history become raw points, percentiles
// 0..99 and risk ranges for the seven scales (1 Truthfulness, 2 Alcohol, 3 Drugs, 4 Violence,
// 5 Antisocial, 6 Aggressiveness, 7 SC), using the tables of ScoringTables. All arithmetic on scores
// is 16-bit signed, as the stored norms and corrections assume. Arrays are indexed from 1.
#include "clients/ClientRecord.h"
#include "scoring/ReportData.h"
#include "scoring/ReportResult.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// The trimmed copy of the client being scored. Court items "N" and "-1" read "N/A".
struct ClientViewSet {
    std::array<std::string, 10> ClientFields; // 1 Name, 2 SSN, 3 Age, 4 Gender, 5 Race, 6 Education,
                                              // 7 Marital, 8 DateOfBirth, 9 TestDate
    std::array<std::string, CourtItemCount + 1> CourtItems;
    std::array<int16_t, ItemCount + 1> ResponseCodes{}; // "0".."9" as 0..9, anything else 0
};

struct ScoreResultSet {
    std::array<int16_t, ScaleCount + 1> RawScore{};
    std::array<int16_t, ScaleCount + 1> Percentile{};
    std::array<int16_t, ScaleCount + 1> OmittedCount{};
    std::array<int16_t, 7> PointItemCount{};
    std::array<int16_t, ItemCount + 1> ItemPoints{};
    int16_t AlcoholArrestFloor = 0;
    int16_t DrugArrestFloor = 0;
    int16_t ScoredClient = 0;
};

// The fixed item groups of the raw scores: the coping (A) and stress (B) items of the scale-7 ratio,
// and the section-2 items that add antisocial points when answered often (110...) or rarely (115...).
constexpr std::array<int, 14> StressCopingGroupA = {109, 111, 115, 116, 117, 120, 124,
                                                    126, 128, 129, 131, 132, 134, 136};
constexpr std::array<int, 14> StressCopingGroupB = {110, 112, 113, 114, 118, 119, 121,
                                                    122, 123, 125, 127, 130, 133, 135};
constexpr std::array<int, 3> AntisocialOftenItems = {110, 122, 133};
constexpr std::array<int, 5> AntisocialRareItems = {115, 117, 124, 128, 134};

extern ClientViewSet ClientView;
extern ScoreResultSet ScoreResults;

// The code texts the report prints, without trailing blanks (index = code).
extern std::array<std::string, 3> GenderTexts;
extern std::array<std::string, 7> RaceTexts;
extern std::array<std::string, 6> MaritalTexts;

// Builds ClientView from `record`. Fails (naming `slot` and the field) when the gender code is above
// 2, the race code above 6 or the marital code above 5: such a record can be neither scored nor printed.
ReportResult BuildClientView(const ClientRecord& record, int slot);

// Raw points of every scale from ClientView and ScoringTables. Fails only when a listed item's answer
// has a code for which its block has no point key (a corrupted record).
ReportResult ComputeRawScores();
// Percentiles from the raw points: norms, caps, the truthfulness correction, the minimum-percentile
// floors and the scale-7 ratio lookup.
void ComputePercentiles();

struct RiskRangeOf {
    int range;       // 1..4
    std::string key; // paragraph key: RangeNames(1), "MEDIUM-LOW", "MEDIUM-HIGH", RangeNames(3), ...
};
RiskRangeOf RiskRange(int percentile);
