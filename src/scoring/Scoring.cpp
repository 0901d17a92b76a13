#include "scoring/Scoring.h"

#include "shell/TextValue.h"

#include <algorithm>

ClientViewSet ClientView;
ScoreResultSet ScoreResults;
std::array<std::string, 3> GenderTexts;
std::array<std::string, 7> RaceTexts;
std::array<std::string, 6> MaritalTexts;

namespace {
int16_t Add16(int16_t a, int b) {
    return static_cast<int16_t>(a + b);
}

void AddTo(std::initializer_list<int> scales, int points) {
    for (int s : scales)
        ScoreResults.RawScore[s] = Add16(ScoreResults.RawScore[s], points);
}

// Which point-key block an item falls in, and its position (1-based) within the block.
struct BlockPos {
    int block;
    int pos;
};
BlockPos BlockOf(int item) {
    const int block = PointKeyBlockOf(item);
    return {block, item - PointKeyBlocks[static_cast<std::size_t>(block)].first + 1};
}

struct Band {
    int lo, hi, points;
};
int BandPoints(int v, std::initializer_list<Band> bands) {
    for (const auto& b : bands)
        if (v >= b.lo && v <= b.hi)
            return b.points;
    return 0;
}

int AgePoints(int v) {
    return BandPoints(v, {{1, 18, 5}, {19, 28, 4}, {29, 38, 3}, {39, 48, 2}, {49, 99, 1}});
}
int EducationPoints(int v) {
    return BandPoints(v, {{1, 8, 5}, {9, 9, 4}, {10, 10, 3}, {11, 11, 2}, {12, 99, 1}});
}
int FirstArrestPoints(int v) {
    return BandPoints(v, {{1, 12, 5}, {13, 14, 4}, {15, 16, 3}, {17, 18, 2}, {19, 99, 1}});
}

// Months employed of the last 12 as a share in percent (halves to even); "N/A" earns nothing.
int EmploymentPoints(const std::string& text) {
    if (text.find('N') != std::string::npos)
        return 0;
    const int e = RoundHalfEven16(TextValue16(text) * 100 / 12.0);
    return BandPoints(e, {{0, 0, 5}, {1, 25, 4}, {26, 50, 3}, {51, 75, 2}, {76, 94, 1}});
}

// Floors by number of significant answers N = S2 + S3, columns: scales 2/3, 4, 5, 6.
int SignificantFloor(int s, int n, int s2, int s3) {
    const int col = s <= 3 ? 0 : s - 3;
    struct Row {
        bool holds;
        std::array<int, 4> floor;
    };
    const Row rows[] = {
        {n == 1 && s3 == 1, {21, 19, 0, 18}}, {n == 2 && s2 == 2, {21, 19, 0, 18}},
        {n == 2 && s3 == 1, {37, 35, 0, 34}}, {n == 2 && s3 == 2, {42, 40, 0, 39}},
        {n == 3, {54, 52, 37, 51}},           {n == 4, {57, 55, 52, 54}},
        {n == 5, {67, 65, 65, 64}},           {n == 6, {70, 68, 70, 67}},
        {n == 7, {78, 76, 87, 75}},           {n == 8, {87, 85, 91, 84}},
        {n >= 9, {90, 88, 91, 91}},
    };
    int floor = 0;
    for (const auto& row : rows)
        if (row.holds)
            floor = std::max(floor, row.floor[static_cast<std::size_t>(col)]);
    return floor;
}

// The slice of FloorItems belonging to scale s.
std::pair<int, int> FloorSlice(int s) {
    switch (s) {
    case 2:
        return {1, 13};
    case 3:
        return {14, 27};
    case 5:
        return {28, 41};
    case 6:
        return {42, 55};
    default:
        return {56, 73};
    }
}

void ApplySignificantFloor(int s) {
    auto& res = ScoreResults;
    int s2 = 0, s3 = 0;
    auto [first, last] = FloorSlice(s);
    for (int j = first; j <= last; ++j) {
        int item = ScoringTables.FloorItems[j];
        if (item == 149 && (s == 2 || s == 3)) {
            int code = ClientView.ResponseCodes[149];
            if (code == 3 || code == (s == 2 ? 1 : 2))
                ++s2;
            continue;
        }
        if (res.ItemPoints[item] == 2)
            ++s2;
        else if (res.ItemPoints[item] == 3)
            ++s3;
    }
    int floor = SignificantFloor(s, s2 + s3, s2, s3);
    if (res.Percentile[s] < floor)
        res.Percentile[s] = static_cast<int16_t>(floor);
}

void ApplyArrestFloor(int s) {
    auto& res = ScoreResults;
    int16_t& flag = s == 2 ? res.AlcoholArrestFloor : res.DrugArrestFloor;
    flag = 0;
    const double a = TextValue(ClientView.CourtItems[s == 2 ? 8 : 9]);
    int floor = 0;
    if (a == 1)
        floor = 40;
    else if (a == 2)
        floor = 61;
    else if (a == 3)
        floor = 72;
    else if (a == 4)
        floor = 80;
    else if (a >= 5)
        floor = 89;
    if (floor > 0 && res.Percentile[s] < floor) {
        res.Percentile[s] = static_cast<int16_t>(floor);
        flag = 1;
    }
}

// Row of TruthCorrections for a truthfulness percentile 10..94, 0 below 10.
int TruthRow(int p) {
    if (p < 10)
        return 0;
    if (p >= 90)
        return 9;
    return p / 10;
}

// The client's norm groups: gender group 1..2 (0 counts as 1), race group 1..3 (0 and 4..6 count as 1).
std::pair<int, int> NormGroups() {
    const int gender = TextValue16(ClientView.ClientFields[4]);
    const int race = TextValue16(ClientView.ClientFields[5]);
    return {gender == 2 ? 2 : 1, race >= 1 && race <= 3 ? race : 1};
}

void ScoreScale7() {
    auto& res = ScoreResults;
    if (res.RawScore[7] <= 0) {
        res.Percentile[7] = 99;
        return;
    }
    const auto& t = ScoringTables;
    auto [g, r] = NormGroups();
    for (int i = 1; i < ScThresholdCount; ++i)
        if (t.ScThresholds[i] < res.RawScore[7] && res.RawScore[7] <= t.ScThresholds[i + 1]) {
            res.Percentile[7] = t.ScPercentiles[r][i][g];
            return;
        }
}
} // namespace

ReportResult BuildClientView(const ClientRecord& record, int slot) {
    auto& v = ClientView;
    v.ClientFields = {"",
                      record.Name.trimmed(),
                      record.SSN.trimmed(),
                      record.Age.trimmed(),
                      record.Gender.trimmed(),
                      record.Race.trimmed(),
                      record.Education.trimmed(),
                      record.Marital.trimmed(),
                      record.DateOfBirth.trimmed(),
                      record.TestDate.trimmed()};
    for (int k = 1; k <= CourtItemCount; ++k) {
        std::string item = record.CourtHistory[static_cast<std::size_t>(k - 1)].trimmed();
        v.CourtItems[k] = item == "N" || item == "-1" ? "N/A" : item;
    }
    for (int i = 1; i <= ItemCount; ++i) {
        char c = ResponseOf(record, i);
        v.ResponseCodes[i] = c >= '0' && c <= '9' ? static_cast<int16_t>(c - '0') : int16_t{0};
    }
    struct CodeField {
        int field;
        const char* name;
        int highest;
    };
    for (auto [field, name, highest] :
         {CodeField{4, "Gender", 2}, CodeField{5, "Race", 6}, CodeField{7, "Marital", 5}}) {
        int code = TextValue16(v.ClientFields[field]);
        if (code < 0 || code > highest)
            return ReportResult{BadDataNumber, "client " + std::to_string(slot) + ", field " + name,
                                "code " + std::to_string(code) + " is not one of 0.." +
                                    std::to_string(highest)};
    }
    return {};
}

ReportResult ComputeRawScores() {
    auto& res = ScoreResults;
    const auto& t = ScoringTables;
    const auto& codes = ClientView.ResponseCodes;
    res.RawScore.fill(0);
    res.Percentile.fill(0);
    res.OmittedCount.fill(0);
    res.PointItemCount.fill(0);
    // Every run starts from nothing, so no floor or significant item can depend on an earlier client.
    res.ItemPoints.fill(0);
    res.AlcoholArrestFloor = 0;
    res.DrugArrestFloor = 0;

    for (int s = 1; s <= 6; ++s)
        for (int k = 1; k <= t.ScaleItemCounts[s]; ++k) {
            const int item = t.ScaleItems[s][k];
            const int q = codes[item];
            auto [block, pos] = BlockOf(item);
            const int highest = PointKeyBlocks[static_cast<std::size_t>(block)].highestCode;
            if (q > highest)
                return ReportResult{
                    BadDataNumber, "client " + std::to_string(res.ScoredClient) + ", field Responses",
                    "item " + std::to_string(item) + " has code " + std::to_string(q) +
                        ", above the highest code " + std::to_string(highest) + " of its section"};
            if (q == 0)
                ++res.OmittedCount[s];
            const std::string& key = t.PointKeys[block][q];
            const char c =
                static_cast<std::size_t>(pos) <= key.size() ? key[static_cast<std::size_t>(pos - 1)] : ' ';
            const int points = c >= '0' && c <= '9' ? c - '0' : 0;
            res.ItemPoints[item] = static_cast<int16_t>(points);
            res.RawScore[s] = Add16(res.RawScore[s], points);
            if (points > 0)
                ++res.PointItemCount[s];
        }

    if (codes[149] == 1)
        AddTo({3}, -2);
    else if (codes[149] == 2)
        AddTo({2}, -2);

    for (int i = LastTrueFalseItem + 1; i <= LastRatingItem; ++i)
        if (codes[i] == 0)
            ++res.OmittedCount[7];
    int16_t sumA = 0, sumB = 0;
    for (int i : StressCopingGroupA)
        sumA = Add16(sumA, codes[i] == 0 ? 1 : codes[i]);
    for (int i : StressCopingGroupB)
        sumB = Add16(sumB, codes[i] == 0 ? 4 : codes[i]);
    res.RawScore[7] = sumB <= 0 ? int16_t{0} : static_cast<int16_t>(static_cast<int16_t>(sumA * 60) / sumB);

    int trues = 0;
    for (int i = 1; i <= LastTrueFalseItem; ++i)
        if (codes[i] == 1)
            ++trues;
    if (trues > 102) { // more than 95 % of section 1 answered True
        res.RawScore[1] = 99;
        return {};
    }

    AddTo({2, 5, 6}, AgePoints(TextValue16(ClientView.ClientFields[3])));
    AddTo({4, 5, 6}, EducationPoints(TextValue16(ClientView.ClientFields[6])));

    const auto& court = ClientView.CourtItems;
    auto capped = [&](int k, int cap) { return std::min<int>(TextValue16(court[k]), cap); };
    AddTo({2, 3, 4}, FirstArrestPoints(TextValue16(court[1])));
    AddTo({5}, capped(2, 3));
    AddTo({2, 5}, capped(3, 5));
    AddTo({2, 3, 4, 5}, capped(4, 5));
    AddTo({2, 4, 5, 6}, capped(5, 5));
    AddTo({2}, capped(6, 5));
    AddTo({4, 5}, capped(7, 5));
    AddTo({2}, capped(8, 5));
    AddTo({3, 5}, capped(9, 5));
    AddTo({3, 4, 5}, EmploymentPoints(court[10]));

    int antisocial = 0;
    for (int i : AntisocialOftenItems)
        antisocial += codes[i] == 3 ? 1 : codes[i] == 4 ? 2 : 0;
    for (int i : AntisocialRareItems)
        antisocial += codes[i] == 1 ? 2 : codes[i] == 2 ? 1 : 0;
    AddTo({5}, antisocial);
    return {};
}

void ComputePercentiles() {
    auto& res = ScoreResults;
    const auto& t = ScoringTables;
    const auto [g, r] = NormGroups();
    for (int s = 1; s <= 6; ++s) {
        if (res.OmittedCount[s] >= 4 || res.RawScore[s] > t.NormCounts[g][r][s]) {
            res.Percentile[s] = 99;
        } else if (res.RawScore[s] <= 0) {
            res.Percentile[s] = 0;
        } else {
            res.Percentile[s] = t.NormTables[s][res.RawScore[s]][r][g];
            if (s >= 2) {
                static constexpr int caps[] = {7, 18, 37};
                if (res.PointItemCount[s] < 3)
                    res.Percentile[s] = std::min<int16_t>(res.Percentile[s],
                                                          static_cast<int16_t>(caps[res.PointItemCount[s]]));
            }
        }
        if (s == 1) {
            if (res.Percentile[1] >= 95) {
                for (int k = 2; k <= 7; ++k) {
                    res.Percentile[k] = 99;
                    res.RawScore[k] = Add16(res.RawScore[k], t.TruthCorrections[k][9]);
                }
                return;
            }
            if (int row = TruthRow(res.Percentile[1]); row > 0)
                for (int k = 2; k <= 7; ++k)
                    res.RawScore[k] = Add16(res.RawScore[k], t.TruthCorrections[k][row]);
            continue;
        }
        ApplySignificantFloor(s);
        if (s == 2 || s == 3)
            ApplyArrestFloor(s);
    }
    ScoreScale7();
}

RiskRangeOf RiskRange(int p) {
    const auto& names = ReportTexts.RangeNames;
    if (p <= 39)
        return {1, names[1]};
    if (p <= 55)
        return {2, "MEDIUM-LOW"};
    if (p <= 69)
        return {2, "MEDIUM-HIGH"};
    if (p <= 89)
        return {3, names[3]};
    if (p <= 94)
        return {4, "MAXIMUM-LOW"};
    return {4, "MAXIMUM-HIGH"};
}
