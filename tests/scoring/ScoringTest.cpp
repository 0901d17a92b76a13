#include "ScoringFixture.h"

#include <tuple>

namespace {
using Deltas = std::array<int, 8>; // raw points expected per scale (index 1..7; 7 unchecked)

void ExpectRaw(const ScoreResultSet& res, const Deltas& want, std::initializer_list<int> scales) {
    for (int s : scales)
        EXPECT_EQ(res.RawScore[s], want[s]) << "scale " << s;
}
} // namespace

TEST_F(ScoringTest, ItemPointsComeFromTheKeyOfTheAnswerCode) {
    ScoringTables.PointKeys[1][1] = "1"; // item 2 lies beyond the key's end and earns nothing
    ScoringTables.PointKeys[1][0][2] = '2';
    Answer(1, '1');
    Answer(2, '1');
    Answer(3, '0'); // omitted but still earns the code-0 key's points
    Answer(5, '0');
    Score();
    EXPECT_EQ(res.RawScore[1], 3);
    EXPECT_EQ(res.OmittedCount[1], 2);
    EXPECT_EQ(res.PointItemCount[1], 2);
    EXPECT_EQ(res.ItemPoints[3], 2);
    EXPECT_EQ(res.ItemPoints[2], 0);
}

TEST_F(ScoringTest, Item149AnswerLowersAlcoholOrDrugs) {
    for (auto [code, alcohol, drugs] : {std::tuple{'1', 0, -2}, {'2', -2, 0}, {'3', 0, 0}}) {
        SetUp();
        Answer(149, code);
        Score();
        EXPECT_EQ(res.RawScore[2], alcohol) << code;
        EXPECT_EQ(res.RawScore[3], drugs) << code;
    }
}

TEST_F(ScoringTest, Scale7IsTheRatioOfItsTwoGroups) {
    const int groupA[] = {109, 111, 115, 116, 117, 120, 124, 126, 128, 129, 131, 132, 134, 136};
    const int groupB[] = {110, 112, 113, 114, 118, 119, 121, 122, 123, 125, 127, 130, 133, 135};
    struct Case {
        char a, b;
        int raw, percentile;
    };
    // 15 lies on threshold 4 (15), so it falls in interval 3; 240 lies above the last threshold.
    for (auto [a, b, raw, percentile] :
         {Case{'1', '4', 15, 3}, Case{'4', '1', 240, 0}, Case{'0', '0', 15, 3}}) {
        SetUp();
        for (int i : groupA)
            Answer(i, a);
        for (int i : groupB)
            Answer(i, b);
        Score();
        EXPECT_EQ(res.RawScore[7], raw);
        EXPECT_EQ(res.Percentile[7], percentile);
    }
    EXPECT_EQ(res.OmittedCount[7], 28); // items 137..139 still answered
    SetUp();
    for (int i = 1; i <= 48; ++i) // the neutral client's ratio, 24 * 60 / 14 = 102, is the first one
        ScoringTables.ScThresholds[i] = static_cast<int16_t>(101 + i);
    Score();
    EXPECT_EQ(res.RawScore[7], 102);
    EXPECT_EQ(res.Percentile[7], 0);
}

TEST_F(ScoringTest, MoreThan102TrueAnswersEndScoringAtTruthfulness99) {
    for (auto [trues, truth, alcohol] : {std::tuple{102, 10, 15}, {103, 99, 10}}) {
        SetUp();
        client.Age = "18";
        for (int i = 1; i <= trues; ++i)
            Answer(i, '1');
        Score();
        EXPECT_EQ(res.RawScore[1], truth);
        EXPECT_EQ(res.RawScore[2], alcohol); // items 11..20 (+5 for the age unless scoring ended)
    }
    EXPECT_EQ(res.Percentile[1], 99);
    EXPECT_EQ(res.Percentile[4], 99);
    EXPECT_EQ(res.Percentile[7], 99);
}

TEST_F(ScoringTest, AgeAndEducationPointsOnBothSidesOfEachBand) {
    for (auto [age, points] : {std::pair{"1", 5},
                               {"18", 5},
                               {"19", 4},
                               {"28", 4},
                               {"29", 3},
                               {"38", 3},
                               {"39", 2},
                               {"48", 2},
                               {"49", 1},
                               {"99", 1},
                               {"100", 0},
                               {"0", 0},
                               {"N", 0},
                               {" 7", 5}}) {
        SetUp();
        client.Age = age;
        Score();
        ExpectRaw(res, {0, 0, points, 0, 0, points, points}, {2, 3, 4, 5, 6});
    }
    for (auto [education, points] : {std::pair{"1", 5},
                                     {"8", 5},
                                     {"9", 4},
                                     {"10", 3},
                                     {"11", 2},
                                     {"12", 1},
                                     {"99", 1},
                                     {"0", 0},
                                     {"N", 0}}) {
        SetUp();
        client.Education = education;
        Score();
        ExpectRaw(res, {0, 0, 0, 0, points, points, points}, {2, 3, 4, 5, 6});
    }
}

TEST_F(ScoringTest, CourtHistoryAddsCappedPointsToItsScales) {
    struct Case {
        int k;
        const char* value;
        Deltas raw;
    };
    const Case cases[] = {
        {1, "12", {0, 0, 5, 5, 5}},
        {1, "13", {0, 0, 4, 4, 4}},
        {1, "14", {0, 0, 4, 4, 4}},
        {1, "15", {0, 0, 3, 3, 3}},
        {1, "17", {0, 0, 2, 2, 2}},
        {1, "18", {0, 0, 2, 2, 2}},
        {1, "19", {0, 0, 1, 1, 1}},
        {1, "0", {}},
        {2, "2", {0, 0, 0, 0, 0, 2}},
        {2, "7", {0, 0, 0, 0, 0, 3}},
        {3, "7", {0, 0, 5, 0, 0, 5}},
        {4, "7", {0, 0, 5, 5, 5, 5}},
        {5, "7", {0, 0, 5, 0, 5, 5, 5}},
        {6, "7", {0, 0, 5}},
        {7, "7", {0, 0, 0, 0, 5, 5}},
        {8, "7", {0, 0, 5}},
        {9, "7", {0, 0, 0, 5, 0, 5}},
        {3, "-1", {}}, // "-1" reads as N/A
        // months employed: share 0 % .. 100 %
        {10, "0", {0, 0, 0, 5, 5, 5}},
        {10, "1", {0, 0, 0, 4, 4, 4}},
        {10, "3", {0, 0, 0, 4, 4, 4}},
        {10, "4", {0, 0, 0, 3, 3, 3}},
        {10, "6", {0, 0, 0, 3, 3, 3}},
        {10, "7", {0, 0, 0, 2, 2, 2}},
        {10, "9", {0, 0, 0, 2, 2, 2}},
        {10, "10", {0, 0, 0, 1, 1, 1}},
        {10, "11", {0, 0, 0, 1, 1, 1}},
        {10, "12", {}},
        {10, "N", {}},
        {10, "-1", {}},
    };
    for (const auto& c : cases) {
        SetUp();
        Court(c.k, c.value);
        Score();
        SCOPED_TRACE(::testing::Message() << c.k << "=" << c.value);
        ExpectRaw(res, c.raw, {2, 3, 4, 5, 6});
    }
}

TEST_F(ScoringTest, SectionTwoAnswersAddToAntisocial) {
    Answer(110, '3');
    Answer(122, '4');
    Answer(133, '1');
    Answer(115, '1');
    Answer(117, '2');
    Score();
    EXPECT_EQ(res.RawScore[5], 1 + 2 + 2 + 1);
}

TEST_F(ScoringTest, PercentileRulesOmissionsNormLimitAndCaps) {
    for (auto [omitted, percentile] : {std::pair{3, 0}, {4, 99}}) {
        SetUp();
        for (int i = 11; i < 11 + omitted; ++i)
            Answer(i, '0');
        Score();
        EXPECT_EQ(res.Percentile[2], percentile);
    }
    for (auto [trues, percentile] : {std::pair{5, 20}, {6, 99}}) {
        SetUp();
        ScoringTables.NormCounts[1][1][2] = 5;
        for (int i = 11; i < 11 + trues; ++i)
            Answer(i, '1');
        Score();
        EXPECT_EQ(res.Percentile[2], percentile);
    }
    // A table percentile of 50 is capped by the number of answers that earned points.
    for (auto [trues, percentile] : {std::pair{0, 7}, {1, 18}, {2, 37}, {3, 50}}) {
        SetUp();
        for (int raw = 1; raw <= 20; ++raw)
            ScoringTables.NormTables[2][raw][1][1] = ScoringTables.NormTables[1][raw][1][1] = 50;
        client.Age = "30";
        for (int i = 0; i < trues; ++i)
            Answer(11 + i, '1');
        Answer(1, '1');
        Score();
        EXPECT_EQ(res.Percentile[2], percentile) << trues;
        EXPECT_EQ(res.Percentile[1], 50); // truthfulness is never capped
    }
}

TEST_F(ScoringTest, TruthfulnessBandCorrectsTheOtherScales) {
    for (auto [p1, row] : {std::pair{9, 0}, {10, 1}, {19, 1}, {20, 2}, {89, 8}, {90, 9}, {94, 9}}) {
        SetUp();
        for (int r = 1; r <= 9; ++r)
            for (int k = 2; k <= 7; ++k)
                ScoringTables.TruthCorrections[k][r] = static_cast<int16_t>(r);
        ScoringTables.NormTables[1][1][1][1] = static_cast<int16_t>(p1);
        Answer(1, '1');
        Score();
        SCOPED_TRACE(p1);
        EXPECT_EQ(res.RawScore[2], row);
        EXPECT_EQ(res.RawScore[7], 102 + row);
        EXPECT_EQ(res.Percentile[2], std::min(4 * row, 7)); // looked up after the correction
    }
    SetUp();
    ScoringTables.TruthCorrections[2][9] = 4;
    ScoringTables.TruthCorrections[7][9] = -200;
    ScoringTables.NormTables[1][1][1][1] = 95;
    Court(8, "5");
    Answer(1, '1');
    Score();
    EXPECT_EQ(res.RawScore[2], 5 + 4); // the arrests' points, then the correction
    EXPECT_EQ(res.RawScore[7], 102 - 200);
    for (int s = 2; s <= 7; ++s)
        EXPECT_EQ(res.Percentile[s], 99);
    EXPECT_EQ(res.AlcoholArrestFloor, 0);
}

TEST_F(ScoringTest, NegativeScale7RatioAfterCorrectionIs99) {
    ScoringTables.TruthCorrections[7][1] = -200;
    ScoringTables.NormTables[1][1][1][1] = 10;
    Answer(1, '1');
    Score();
    EXPECT_EQ(res.Percentile[7], 99);
}

TEST_F(ScoringTest, SignificantAnswerFloorsEveryRowAndScale) {
    struct Case {
        int s2, s3;
        std::array<int, 4> floor; // scales 2 and 3, 4, 5, 6 (1 = no floor)
    };
    const Case cases[] = {
        {0, 1, {21, 19, 1, 18}},  {1, 0, {1, 1, 1, 1}},      {2, 0, {21, 19, 1, 18}},
        {1, 1, {37, 35, 1, 34}},  {0, 2, {42, 40, 1, 39}},   {3, 0, {54, 52, 37, 51}},
        {2, 1, {54, 52, 37, 51}}, {4, 0, {57, 55, 52, 54}},  {5, 0, {67, 65, 65, 64}},
        {6, 0, {70, 68, 70, 67}}, {7, 0, {78, 76, 87, 75}},  {8, 0, {87, 85, 91, 84}},
        {9, 0, {90, 88, 91, 91}}, {10, 0, {90, 88, 91, 91}},
    };
    const std::pair<int, int> slices[] = {{0, 0}, {0, 0}, {1, 13}, {14, 27}, {56, 73}, {28, 41}, {42, 55}};
    for (const auto& c : cases)
        for (int s = 2; s <= 6; ++s) {
            SetUp();
            auto& t = ScoringTables;
            for (int raw = 1; raw <= 20; ++raw)
                t.NormTables[s][raw][1][1] = 1;
            for (int j = 0; j < 10; ++j) {
                const int item = 10 * (s - 1) + 1 + j;
                t.FloorItems[slices[s].first + j] = static_cast<int16_t>(item);
                if (j < c.s2 + c.s3) {
                    t.PointKeys[1][1][static_cast<std::size_t>(item - 1)] = j < c.s2 ? '2' : '3';
                    Answer(item, '1');
                }
            }
            Score();
            EXPECT_EQ(res.Percentile[s], c.floor[s <= 3 ? 0 : s - 3])
                << "scale " << s << " S2=" << c.s2 << " S3=" << c.s3;
        }
    // A floor never lowers a percentile.
    SetUp();
    ScoringTables.NormTables[4][9][1][1] = 95;
    for (int j = 0; j < 3; ++j) {
        ScoringTables.FloorItems[56 + j] = static_cast<int16_t>(31 + j);
        ScoringTables.PointKeys[1][1][static_cast<std::size_t>(30 + j)] = '3';
        Answer(31 + j, '1');
    }
    Score();
    EXPECT_EQ(res.Percentile[4], 95);
}

TEST_F(ScoringTest, Item149CountsByItsAnswerInAlcoholAndDrugSlices) {
    // Items 11 and 21 each earn 2; item 149 in both slices makes N = 2 where its answer counts.
    for (auto [code, alcohol, drugs] : {std::tuple{'3', 21, 21}, {'1', 21, 0}, {'2', 0, 21}}) {
        SetUp();
        auto& t = ScoringTables;
        for (int raw = 1; raw <= 20; ++raw)
            t.NormTables[2][raw][1][1] = t.NormTables[3][raw][1][1] = 1;
        t.FloorItems[1] = 11;
        t.FloorItems[2] = 149;
        t.FloorItems[14] = 21;
        t.FloorItems[15] = 149;
        t.PointKeys[1][1][10] = t.PointKeys[1][1][20] = '2';
        Answer(11, '1');
        Answer(21, '1');
        Answer(149, code);
        Score();
        EXPECT_EQ(res.Percentile[2], alcohol) << code;
        EXPECT_EQ(res.Percentile[3], drugs) << code;
    }
}

TEST_F(ScoringTest, ArrestFloorsRaiseAlcoholAndDrugsAndSetTheirFlags) {
    struct Case {
        const char* arrests;
        int table, percentile, flag;
    };
    const Case cases[] = {{"1", 30, 40, 1}, {"1", 45, 45, 0}, {"2", 30, 61, 1}, {"3", 30, 72, 1},
                          {"4", 30, 80, 1}, {"5", 30, 89, 1}, {"9", 30, 89, 1}, {"0", 30, 30, 0},
                          {"N", 30, 30, 0}, {"4", 80, 80, 0}};
    for (const auto& c : cases)
        for (int s : {2, 3}) {
            SetUp();
            for (int raw = 1; raw <= 20; ++raw)
                ScoringTables.NormTables[s][raw][1][1] = static_cast<int16_t>(c.table);
            for (int i = 1; i <= 3; ++i)
                Answer(10 * (s - 1) + i, '1');
            Court(s == 2 ? 8 : 9, c.arrests);
            Score();
            SCOPED_TRACE(::testing::Message() << "scale " << s << " arrests " << c.arrests);
            EXPECT_EQ(res.Percentile[s], c.percentile);
            EXPECT_EQ(s == 2 ? res.AlcoholArrestFloor : res.DrugArrestFloor, c.flag);
            EXPECT_EQ(s == 2 ? res.DrugArrestFloor : res.AlcoholArrestFloor, 0);
        }
}

TEST_F(ScoringTest, NormGroupsFollowGenderAndRace) {
    for (auto [gender, race, g, r] : {std::tuple{"0", "0", 1, 1},
                                      {"1", "4", 1, 1},
                                      {"2", "2", 2, 2},
                                      {"1", "3", 1, 3},
                                      {"2", "6", 2, 1}}) {
        SetUp();
        for (int rr = 1; rr <= 3; ++rr)
            for (int gg = 1; gg <= 2; ++gg) {
                ScoringTables.NormTables[1][1][rr][gg] = static_cast<int16_t>(10 * rr + gg);
                for (int i = 1; i <= 47; ++i)
                    ScoringTables.ScPercentiles[rr][i][gg] = static_cast<int16_t>(10 * rr + gg);
            }
        client.Gender = gender;
        client.Race = race;
        Answer(1, '1');
        Score();
        EXPECT_EQ(res.Percentile[1], 10 * r + g) << gender << race;
        EXPECT_EQ(res.Percentile[7], 10 * r + g) << gender << race;
    }
}

TEST_F(ScoringTest, RecordsThatCannotBeScoredFailNamingTheField) {
    struct Case {
        FixedText<1> ClientRecord::*field;
        const char* bad;
        const char* good;
        const char* name;
    };
    for (auto [field, bad, good, name] :
         {Case{&ClientRecord::Gender, "3", "2", "Gender"}, Case{&ClientRecord::Race, "7", "6", "Race"},
          Case{&ClientRecord::Marital, "6", "5", "Marital"}}) {
        client = NeutralClient();
        client.*field = good;
        EXPECT_TRUE(BuildClientView(client, 4).ok());
        client.*field = bad;
        auto result = BuildClientView(client, 4);
        EXPECT_FALSE(result.ok());
        EXPECT_EQ(result.file, std::string("client 4, field ") + name);
    }
    client = NeutralClient();
    Answer(61, '3'); // in no item list: never looked up
    Score();
    Answer(1, '3'); // section 1 has no key for code 3
    ASSERT_TRUE(BuildClientView(client, 1).ok());
    auto result = ComputeRawScores();
    EXPECT_FALSE(result.ok());
    EXPECT_NE(result.problem.find("item 1 "), std::string::npos);
}

TEST_F(ScoringTest, ItemPointsOfAnEarlierClientNeverCount) {
    ScoringTables.FloorItems[1] = 61;
    ScoringTables.FloorItems[2] = 62;
    ScoreResults.ItemPoints[61] = 3; // left by the client scored before
    ScoreResults.ItemPoints[62] = 3;
    Score();
    EXPECT_EQ(res.ItemPoints[61], 0);
    EXPECT_EQ(res.Percentile[2], 0);
}
