#include "ScoringFixture.h"

#include <tuple>

TEST_F(ScoringTest, ItemPointsKeysItem149AndSectionTwo) {
    ScoringTables.PointKeys[1][1] = "1"; // item 2 lies beyond the key's end and earns nothing
    ScoringTables.PointKeys[1][0][2] = '2';
    for (auto [item, code] :
         {std::pair{1, '1'}, {2, '1'}, {3, '0'}, {5, '0'}}) // 3: omitted, earns code 0's 2
        Answer(item, code);
    for (auto [item, code] : {std::pair{110, '3'}, {122, '4'}, {133, '1'}, {115, '1'}, {117, '2'}})
        Answer(item, code);
    Score();
    EXPECT_EQ(res.RawScore[1], 3);
    EXPECT_EQ(res.OmittedCount[1], 2);
    EXPECT_EQ(res.PointItemCount[1], 2);
    EXPECT_EQ(res.ItemPoints[3], 2);
    EXPECT_EQ(res.ItemPoints[2], 0);
    EXPECT_EQ(res.RawScore[5], 1 + 2 + 2 + 1);
    for (auto [code, alcohol, drugs] : {std::tuple{'1', 0, -2}, {'2', -2, 0}, {'3', 0, 0}}) {
        SetUp();
        Answer(149, code);
        Score();
        EXPECT_EQ(res.RawScore[2], alcohol) << code;
        EXPECT_EQ(res.RawScore[3], drugs) << code;
    }
}

TEST_F(ScoringTest, Scale7IsTheRatioOfItsTwoGroupsLookedUpByInterval) {
    const int groupA[] = {109, 111, 115, 116, 117, 120, 124, 126, 128, 129, 131, 132, 134, 136};
    const int groupB[] = {110, 112, 113, 114, 118, 119, 121, 122, 123, 125, 127, 130, 133, 135};
    // 15 lies on threshold 4 (15), so it falls in interval 3; 240 lies above the last threshold.
    for (auto [a, b, raw, percentile] :
         {std::tuple{'1', '4', 15, 3}, {'4', '1', 240, 0}, {'0', '0', 15, 3}}) {
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
    for (int s = 1; s <= 7; ++s)
        EXPECT_EQ(res.Percentile[s], 99);
}

TEST_F(ScoringTest, AgeEducationAndCourtPointsOnBothSidesOfEachBand) {
    struct Case {
        int field; // -1 age, 0 education, 1..10 court item
        const char* value;
        std::array<int, 5> raw; // scales 2..6
    };
    // Court item "-1" reads as N/A. Months employed 0..12 are shares of 0, 8, 25, 33, 50, ... 92, 100 %.
    // clang-format off
    const Case cases[] = {
        {-1, "1", {5, 0, 0, 5, 5}},  {-1, "18", {5, 0, 0, 5, 5}}, {-1, "19", {4, 0, 0, 4, 4}}, {-1, "28", {4, 0, 0, 4, 4}},
        {-1, "29", {3, 0, 0, 3, 3}}, {-1, "38", {3, 0, 0, 3, 3}}, {-1, "39", {2, 0, 0, 2, 2}}, {-1, "48", {2, 0, 0, 2, 2}},
        {-1, "49", {1, 0, 0, 1, 1}}, {-1, "99", {1, 0, 0, 1, 1}}, {-1, "100", {}},             {-1, "N", {}},
        {0, "8", {0, 0, 5, 5, 5}},   {0, "9", {0, 0, 4, 4, 4}},   {0, "10", {0, 0, 3, 3, 3}},  {0, "11", {0, 0, 2, 2, 2}},
        {0, "12", {0, 0, 1, 1, 1}},  {0, "99", {0, 0, 1, 1, 1}},  {0, "0", {}},                {1, "12", {5, 5, 5}},
        {1, "13", {4, 4, 4}},        {1, "14", {4, 4, 4}},        {1, "15", {3, 3, 3}},        {1, "17", {2, 2, 2}},
        {1, "18", {2, 2, 2}},        {1, "19", {1, 1, 1}},        {1, "0", {}},                {2, "2", {0, 0, 0, 2}},
        {2, "7", {0, 0, 0, 3}},      {3, "7", {5, 0, 0, 5}},      {4, "7", {5, 5, 5, 5}},      {5, "7", {5, 0, 5, 5, 5}},
        {6, "7", {5}},               {7, "7", {0, 0, 5, 5}},      {8, "7", {5}},               {9, "7", {0, 5, 0, 5}},
        {3, "-1", {}},               {10, "0", {0, 5, 5, 5}},     {10, "1", {0, 4, 4, 4}},     {10, "3", {0, 4, 4, 4}},
        {10, "4", {0, 3, 3, 3}},     {10, "6", {0, 3, 3, 3}},     {10, "7", {0, 2, 2, 2}},     {10, "9", {0, 2, 2, 2}},
        {10, "10", {0, 1, 1, 1}},    {10, "11", {0, 1, 1, 1}},    {10, "12", {}},              {10, "N", {}}};
    // clang-format on
    for (const auto& c : cases) {
        SetUp();
        if (c.field < 0)
            client.Age = c.value;
        else if (c.field == 0)
            client.Education = c.value;
        else
            Court(c.field, c.value);
        Score();
        for (int s = 2; s <= 6; ++s)
            EXPECT_EQ(res.RawScore[s], c.raw[static_cast<std::size_t>(s - 2)])
                << c.field << "=" << c.value << " scale " << s;
    }
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
        EXPECT_EQ(res.RawScore[2], row) << p1;
        EXPECT_EQ(res.RawScore[7], 102 + row) << p1;
        EXPECT_EQ(res.Percentile[2], std::min(4 * row, 7)) << p1; // looked up after the correction
    }
    SetUp(); // a scale-7 ratio corrected below 1 is 99
    ScoringTables.TruthCorrections[7][1] = -200;
    ScoringTables.NormTables[1][1][1][1] = 10;
    Answer(1, '1');
    Score();
    EXPECT_EQ(res.Percentile[7], 99);
    SetUp(); // 95: every other scale 99, corrected by row 9, and no floors
    ScoringTables.TruthCorrections[2][9] = 4;
    ScoringTables.NormTables[1][1][1][1] = 95;
    Court(8, "5");
    Answer(1, '1');
    Score();
    EXPECT_EQ(res.RawScore[2], 5 + 4); // the arrests' points, then the correction
    for (int s = 2; s <= 7; ++s)
        EXPECT_EQ(res.Percentile[s], 99);
    EXPECT_EQ(res.AlcoholArrestFloor, 0);
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
    const int sliceStart[] = {0, 0, 1, 14, 56, 28, 42};
    for (const auto& c : cases)
        for (int s = 2; s <= 6; ++s) {
            SetUp();
            auto& t = ScoringTables;
            for (int raw = 1; raw <= 20; ++raw)
                t.NormTables[s][raw][1][1] = 1;
            for (int j = 0; j < 10; ++j) {
                const int item = 10 * (s - 1) + 1 + j;
                t.FloorItems[sliceStart[s] + j] = static_cast<int16_t>(item);
                if (j < c.s2 + c.s3) {
                    t.PointKeys[1][1][static_cast<std::size_t>(item - 1)] = j < c.s2 ? '2' : '3';
                    Answer(item, '1');
                }
            }
            Score();
            EXPECT_EQ(res.Percentile[s], c.floor[s <= 3 ? 0 : s - 3])
                << "scale " << s << " S2=" << c.s2 << " S3=" << c.s3;
        }
    SetUp(); // a floor never lowers a percentile
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
        t.FloorItems[2] = t.FloorItems[15] = 149;
        t.FloorItems[14] = 21;
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
    // clang-format off
    for (auto [arrests, table, percentile, flag] : {std::tuple{"1", 30, 40, 1}, {"1", 45, 45, 0}, {"2", 30, 61, 1},
             {"3", 30, 72, 1}, {"4", 30, 80, 1}, {"5", 30, 89, 1}, {"9", 30, 89, 1}, {"0", 30, 30, 0},
             {"N", 30, 30, 0}, {"4", 80, 80, 0}})
        // clang-format on
        for (int s : {2, 3}) {
            SetUp();
            for (int raw = 1; raw <= 20; ++raw)
                ScoringTables.NormTables[s][raw][1][1] = static_cast<int16_t>(table);
            for (int i = 1; i <= 3; ++i)
                Answer(10 * (s - 1) + i, '1');
            Court(s == 2 ? 8 : 9, arrests);
            Score();
            EXPECT_EQ(res.Percentile[s], percentile) << s << arrests;
            EXPECT_EQ(s == 2 ? res.AlcoholArrestFloor : res.DrugArrestFloor, flag) << s << arrests;
            EXPECT_EQ(s == 2 ? res.DrugArrestFloor : res.AlcoholArrestFloor, 0);
        }
}

TEST_F(ScoringTest, NormGroupsFollowGenderAndRace) {
    // clang-format off
    for (auto [gender, race, g, r] :
         {std::tuple{"0", "0", 1, 1}, {"1", "4", 1, 1}, {"2", "2", 2, 2}, {"1", "3", 1, 3}, {"2", "6", 2, 1}}) {
        // clang-format on
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
    for (auto [field, bad, good, name] : {std::tuple{&ClientRecord::Gender, "3", "2", "Gender"},
                                          {&ClientRecord::Race, "7", "6", "Race"},
                                          {&ClientRecord::Marital, "6", "5", "Marital"}}) {
        client = NeutralClient();
        client.*field = good;
        EXPECT_TRUE(BuildClientView(client, 4).ok());
        client.*field = bad;
        EXPECT_EQ(BuildClientView(client, 4).file, std::string("client 4, field ") + name);
    }
    client = NeutralClient();
    Answer(61, '3'); // in no item list: never looked up
    Score();
    Answer(1, '3'); // section 1 has no key for code 3
    ASSERT_TRUE(BuildClientView(client, 1).ok());
    EXPECT_NE(ComputeRawScores().problem.find("item 1 "), std::string::npos);
}

TEST_F(ScoringTest, ItemPointsOfAnEarlierClientNeverCount) {
    ScoringTables.FloorItems[1] = 61;
    ScoringTables.FloorItems[2] = 62;
    ScoreResults.ItemPoints[61] = ScoreResults.ItemPoints[62] = 3; // left by the client scored before
    Score();
    EXPECT_EQ(res.ItemPoints[61], 0);
    EXPECT_EQ(res.Percentile[2], 0);
}
