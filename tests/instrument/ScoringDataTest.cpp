// The shipped scoring data as the program reads it: keys that score the obvious risk answers, and
// norms that put typical answer patterns into their ranges in every norm group.
#include "ShippedInstrument.h"

#include "scoring/Scoring.h"

#include <algorithm>
#include <gtest/gtest.h>

// Counts, limits, list membership and the significant and floor items are checked when the data is
// generated (tools/mkscoring); these tests check what the data means.

// Items whose risk answer nobody could mistake, found by their English text: the keys must score
// that answer, whatever the item's number.
TEST(ScoringData, KeysScoreTheUnmistakableRiskAnswers) {
    const ShippedInstrument& d = Shipped();
    ASSERT_TRUE(d.database.ok()) << d.database.description;
    struct Anchor {
        const char* text;
        int riskCode, safeCode;
    };
    const Anchor anchors[] = {
        {"I have had blackouts after drinking, when I could not remember what I had done.", 1, 2},
        {"I have been late for an appointment at least once in my life.", 2, 1},
        {"I have never been angry with anyone.", 1, 2},
        {"I can stop after one or two drinks.", 2, 1},
        {"I have injected drugs with a needle.", 1, 2},
        {"I have never taken anything that did not belong to me, not even a pen.", 1, 2},
        {"Alcohol has never caused me any trouble.", 2, 1},
        {"I drink to calm down or to forget my problems.", 4, 1},
        {"I can relax without alcohol or drugs.", 1, 4},
        {"In the last five years, how many physical fights have you been in?", 4, 1},
        {"How would you describe your use of drugs?", 4, 1},
    };
    for (const auto& a : anchors) {
        const auto found = std::find_if(d.english.begin(), d.english.end(),
                                        [&](const ItemRecord& r) { return r.TestQuestion == a.text; });
        ASSERT_NE(found, d.english.end()) << a.text;
        const auto& p = d.points[Sz(found->ID)];
        EXPECT_GT(p[Sz(a.riskCode)], p[Sz(a.safeCode)]) << "item " << found->ID << ": " << a.text;
    }
    // Item 149 (1 alcohol, 2 drugs, 3 both, 4 neither): each problem earns what the other scale gives
    // back, both earn most, neither nothing.
    const auto& p149 = d.points[149];
    EXPECT_TRUE(p149[1] >= 2 && p149[2] >= 2 && p149[3] > p149[1] && p149[4] == 0);
}

namespace {
// The program's percentiles of a client aged 30 with 12 years of school and an ordinary court history
// (first arrest at 20, two arrests, one probation, one jail term, nine months employed).
std::array<int, 8> Percentiles(const std::array<int, 150>& codes, int g, int r) {
    ClientView = {};
    ClientView.ClientFields = {"", "Test", "", "30", std::to_string(g), std::to_string(r), "12", "1", "", ""};
    ClientView.CourtItems = {"", "20", "0", "1", "0", "2", "1", "0", "0", "0", "9"};
    for (int i = 1; i <= ItemCount; ++i)
        ClientView.ResponseCodes[Sz(i)] = static_cast<int16_t>(codes[Sz(i)]);
    ScoreResults = {};
    EXPECT_TRUE(ComputeRawScores().ok());
    ComputePercentiles();
    std::array<int, 8> out{};
    std::copy(ScoreResults.Percentile.begin(), ScoreResults.Percentile.end(), out.begin());
    return out;
}

// Every item of the admitted scales answered the way that earns most, every other item the way that
// earns least; the section-2 items of no list at the given coping and stress codes.
std::array<int, 150> Pattern(const ShippedInstrument& d, std::set<int> admitted, int coping, int stress) {
    const std::set<int> coping14 = {109, 111, 115, 116, 117, 120, 124, 126, 128, 129, 131, 132, 134, 136};
    std::array<int, 150> codes{};
    for (int item = 1; item <= ItemCount; ++item) {
        const auto& p = d.points[Sz(item)];
        const int top = item <= 108 ? 2 : 4;
        int best = 1, least = 1;
        bool listed = false, admit = false;
        for (int code = 1; code <= top; ++code) {
            best = p[Sz(code)] > p[Sz(best)] ? code : best;
            least = p[Sz(code)] < p[Sz(least)] ? code : least;
        }
        for (int s = 1; s <= 6; ++s) {
            listed = listed || d.inList(s, item);
            admit = admit || (admitted.count(s) && d.inList(s, item));
        }
        codes[Sz(item)] = admit ? best : least;
        if (item >= 109 && item <= 136 && !listed)
            codes[Sz(item)] = coping14.count(item) ? coping : stress;
    }
    codes[149] = admitted.count(2) && admitted.count(3) ? 3
                 : admitted.count(2)                    ? 1
                 : admitted.count(3)                    ? 2
                                                        : 4;
    return codes;
}
} // namespace

TEST(ScoringData, TypicalAnswerPatternsLandInTheirRangesInEveryNormGroup) {
    const ShippedInstrument& d = Shipped();
    ASSERT_TRUE(d.loaded.ok()) << d.loaded.message();
    for (int g = 1; g <= 2; ++g)
        for (int r = 1; r <= 3; ++r) {
            const std::string group = "gender " + std::to_string(g) + ", race group " + std::to_string(r);
            // Admits the small faults and nothing else, copes well: low everywhere.
            const auto plain = Percentiles(Pattern(d, {}, 3, 2), g, r);
            for (int s = 1; s <= 7; ++s)
                EXPECT_LT(plain[Sz(s)], 40) << group << ", scale " << s;
            // Denies even the small faults: the extreme truthfulness report.
            EXPECT_GE(Percentiles(Pattern(d, {1}, 4, 1), g, r)[1], 95) << group;
            // Admits everything of one scale: that scale at its maximum, truthfulness low.
            for (int s = 2; s <= 6; ++s) {
                const auto one = Percentiles(Pattern(d, {s}, 3, 2), g, r);
                EXPECT_GE(one[Sz(s)], 90) << group << ", scale " << s;
                EXPECT_LT(one[1], 40) << group << ", scale " << s;
            }
            // Scales that share few items stay apart.
            EXPECT_LT(Percentiles(Pattern(d, {2}, 3, 2), g, r)[3], 40) << group;
            EXPECT_LT(Percentiles(Pattern(d, {3}, 3, 2), g, r)[6], 40) << group;
            // Stress far beyond coping is the top of the stress-coping scale, the reverse its bottom.
            EXPECT_GE(Percentiles(Pattern(d, {}, 1, 4), g, r)[7], 95) << group;
            EXPECT_LT(Percentiles(Pattern(d, {}, 4, 1), g, r)[7], 10) << group;
        }
}
