// The shipped scoring data as the build leaves it beside the program: its shape, its agreement with
// the report texts, and how typical answer patterns come out on its keys and norms.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::string readFile(const std::string& name) {
    std::ifstream in(std::string(TARVOS_BUILD_DIR) + "/" + name, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// Every field of TRVBR.TXT in order. The file holds no quoted commas, so splitting at commas and
// line ends is a complete reading; an empty field would read as 0 in the program, so it is kept.
std::vector<std::string> fields(const std::string& text) {
    std::vector<std::string> out;
    std::string current;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == ',' || text[i] == '\r') {
            out.push_back(current);
            current.clear();
            if (text[i] == '\r')
                ++i; // the line feed
        } else if (text[i] != '"') {
            current += text[i];
        }
    }
    return out;
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        out.push_back(text.substr(start, end - start));
    return out;
}

struct ScoringData {
    std::vector<int> significant;
    std::array<std::string, 16> keys;
    std::map<std::array<int, 3>, std::vector<int>> norms; // {g, r, s}
    std::map<std::array<int, 2>, std::vector<int>> sc;    // {g, r}
    std::vector<int> thresholds;
    std::array<std::vector<int>, 7> lists;
    std::vector<int> floors;
    std::array<std::array<int, 8>, 10> corrections{};
    bool complete = false;

    int points(int item, int code) const {
        const int block = item <= 60 ? 0 : item <= 108 ? 1 : item <= 139 ? 2 : 3;
        const int first[] = {0, 3, 6, 11}, offset[] = {0, 60, 108, 139};
        const std::string& key = keys[std::size_t(first[block] + code)];
        const std::size_t pos = std::size_t(item - offset[block] - 1);
        return pos < key.size() ? key[pos] - '0' : 0;
    }
    int maxPoints(int item) const {
        int best = 0;
        for (int code = 1; code <= (item <= 108 ? 2 : 4); ++code)
            best = std::max(best, points(item, code));
        return best;
    }
    bool listed(int item) const {
        return std::any_of(lists.begin() + 1, lists.end(), [&](const std::vector<int>& l) {
            return std::count(l.begin(), l.end(), item) > 0;
        });
    }
};

ScoringData load() {
    ScoringData d;
    const auto f = fields(readFile("TRVBR.TXT"));
    std::size_t pos = 0;
    auto next = [&] { return pos < f.size() ? f[pos++] : std::string("<missing>"); };
    auto number = [&] {
        const std::string s = next();
        return s.empty() || s.find_first_not_of("-0123456789") != std::string::npos ? -9999 : std::stoi(s);
    };
    for (int j = 0; j < 54; ++j)
        d.significant.push_back(number());
    for (auto& k : d.keys)
        k = next();
    for (int g = 1; g <= 2; ++g)
        for (int r = 1; r <= 3; ++r)
            for (int s = 1; s <= 6; ++s) {
                const int count = number();
                for (int x = 0; x < count && x < 100; ++x)
                    d.norms[{g, r, s}].push_back(number());
            }
    for (int g = 1; g <= 2; ++g)
        for (int r = 1; r <= 3; ++r)
            for (int i = 0; i < 47; ++i)
                d.sc[{g, r}].push_back(number());
    for (int i = 0; i < 48; ++i)
        d.thresholds.push_back(number());
    for (int s = 1; s <= 6; ++s) {
        const int count = number();
        for (int k = 0; k < count && k < 100; ++k)
            d.lists[std::size_t(s)].push_back(number());
    }
    for (int i = 0; i < 73; ++i)
        d.floors.push_back(number());
    for (int row = 1; row <= 9; ++row)
        for (int k = 2; k <= 7; ++k)
            d.corrections[std::size_t(row)][std::size_t(k)] = number();
    d.complete = pos == f.size();
    return d;
}

TEST(ScoringData, ReadsCompletelyWithinItsLimits) {
    const ScoringData d = load();
    EXPECT_TRUE(d.complete) << "TRVBR.TXT has fields left over or too few";
    const std::array<std::size_t, 16> keyLengths = {60, 60, 60, 48, 48, 48, 31, 31,
                                                    31, 31, 31, 10, 10, 10, 10, 10};
    for (std::size_t k = 0; k < 16; ++k) {
        EXPECT_EQ(d.keys[k].size(), keyLengths[k]) << "point key " << k + 1;
        EXPECT_EQ(d.keys[k].find_first_not_of("0123"), std::string::npos) << "point key " << k + 1;
    }
    for (const auto& [group, table] : d.norms) {
        EXPECT_FALSE(table.empty());
        EXPECT_LE(table.size(), 77u);
        EXPECT_TRUE(std::is_sorted(table.begin(), table.end())) << "norm table must rise";
        EXPECT_GE(table.front(), 0);
        EXPECT_LE(table.back(), 99);
    }
    EXPECT_EQ(d.norms.size(), 36u);
    for (const auto& [group, table] : d.sc)
        EXPECT_TRUE(std::is_sorted(table.rbegin(), table.rend())) << "stress-coping percentiles must fall";
    EXPECT_TRUE(std::adjacent_find(d.thresholds.begin(), d.thresholds.end(), std::greater_equal<int>()) ==
                d.thresholds.end());
    for (int s = 1; s <= 6; ++s) {
        const auto& l = d.lists[std::size_t(s)];
        EXPECT_TRUE(!l.empty() && l.size() <= 40) << "item list " << s;
        EXPECT_EQ(std::set<int>(l.begin(), l.end()).size(), l.size())
            << "item list " << s << " repeats an item";
        for (int item : l)
            EXPECT_GT(d.maxPoints(item), 0) << "item " << item << " of list " << s << " can earn nothing";
    }
}

TEST(ScoringData, SignificantAndFloorItemsCountAndMatchTheReportTexts) {
    const ScoringData d = load();
    for (int item : d.significant) {
        EXPECT_TRUE(d.listed(item)) << "significant item " << item << " is in no item list";
        EXPECT_TRUE(d.maxPoints(item) == 2 || d.maxPoints(item) == 3) << "significant item " << item;
    }
    for (int item : d.floors) {
        EXPECT_TRUE(d.listed(item)) << "floor item " << item << " is in no item list";
        EXPECT_TRUE(d.maxPoints(item) == 2 || d.maxPoints(item) == 3) << "floor item " << item;
    }
    // Item 149: alcohol and drugs each earn points that the other scale gives back, both earn most.
    EXPECT_GE(d.points(149, 1), 2);
    EXPECT_GE(d.points(149, 2), 2);
    EXPECT_GT(d.points(149, 3), d.points(149, 1));
    EXPECT_EQ(d.points(149, 4), 0);

    const auto report = lines(readFile("TRVV3RPT.TXT"));
    ASSERT_GE(report.size(), 96u);
    EXPECT_EQ(report[1], "LOW,MEDIUM,PROBLEM,MAXIMUM");
    for (std::size_t j = 0; j < 54; ++j)
        EXPECT_EQ(report[2 + j].rfind(std::to_string(d.significant[j]) + ". ", 0), 0u) << report[2 + j];
    for (std::size_t k = 0; k < 40; ++k)
        EXPECT_EQ(report[56 + k].rfind(std::to_string(140 + k / 4) + ". ", 0), 0u) << report[56 + k];
}

// Items whose risk answer nobody could mistake, found by their English text: the keys must score
// that answer, whatever the item's number.
TEST(ScoringData, KeysScoreTheUnmistakableRiskAnswers) {
    const ScoringData d = load();
    std::ifstream in(std::string(TARVOS_SOURCE_DIR) + "/data/items/English.txt");
    std::map<std::string, int> numbers;
    for (std::string line; std::getline(in, line);)
        if (auto dot = line.find(". ");
            !line.empty() && std::isdigit(static_cast<unsigned char>(line[0])) && dot != std::string::npos)
            numbers[line.substr(dot + 2)] = std::stoi(line.substr(0, dot));
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
        ASSERT_TRUE(numbers.count(a.text)) << a.text;
        const int item = numbers[a.text];
        EXPECT_GT(d.points(item, a.riskCode), d.points(item, a.safeCode))
            << "item " << item << ": " << a.text;
        EXPECT_TRUE(d.listed(item)) << "item " << item;
    }
}

// A client's percentiles on the shipped data, for the answer patterns below: the item lists and
// keys, item 149, age 30, education 12, an ordinary court history (first arrest at 20, two
// arrests, one probation, one jail term, nine months employed), the section-2 antisocial items and
// the stress-coping ratio. Floors and truthfulness corrections are left out: they only raise.
struct Percentiles {
    std::array<int, 8> value{};
};

Percentiles score(const ScoringData& d, const std::array<int, 150>& codes, int g, int r) {
    std::array<int, 8> raw{}, counted{};
    for (int s = 1; s <= 6; ++s)
        for (int item : d.lists[std::size_t(s)]) {
            const int p = d.points(item, codes[std::size_t(item)]);
            raw[std::size_t(s)] += p;
            counted[std::size_t(s)] += p > 0;
        }
    raw[3] -= codes[149] == 1 ? 2 : 0;
    raw[2] -= codes[149] == 2 ? 2 : 0;
    const std::array<int, 8> extra = {0,        0, 3 + 1 + 1 + 2 + 1, 1 + 2, 1 + 1 + 2 + 2, 3 + 1 + 1 + 2 + 2,
                                      3 + 1 + 2};
    int antisocial = 0;
    for (int i : {110, 122, 133})
        antisocial += codes[std::size_t(i)] == 3 ? 1 : codes[std::size_t(i)] == 4 ? 2 : 0;
    for (int i : {115, 117, 124, 128, 134})
        antisocial += codes[std::size_t(i)] == 1 ? 2 : codes[std::size_t(i)] == 2 ? 1 : 0;
    raw[5] += antisocial;
    Percentiles out;
    for (int s = 1; s <= 6; ++s) {
        const auto& table = d.norms.at({g, r, s});
        const int x = raw[std::size_t(s)] + extra[std::size_t(s)];
        int p = x > int(table.size()) ? 99 : x <= 0 ? 0 : table[std::size_t(x - 1)];
        if (s > 1 && counted[std::size_t(s)] < 3)
            p = std::min(p, std::array<int, 3>{7, 18, 37}[std::size_t(counted[std::size_t(s)])]);
        out.value[std::size_t(s)] = p;
    }
    int sumA = 0, sumB = 0;
    for (int i : {109, 111, 115, 116, 117, 120, 124, 126, 128, 129, 131, 132, 134, 136})
        sumA += codes[std::size_t(i)];
    for (int i : {110, 112, 113, 114, 118, 119, 121, 122, 123, 125, 127, 130, 133, 135})
        sumB += codes[std::size_t(i)];
    const int ratio = sumA * 60 / sumB;
    for (std::size_t i = 0; i + 1 < d.thresholds.size(); ++i)
        if (d.thresholds[i] < ratio && ratio <= d.thresholds[i + 1])
            out.value[7] = d.sc.at({g, r})[i];
    return out;
}

// Answer patterns built from the keys: every item of the chosen scales answered the way that earns
// most, every other item the way that earns least; section 2 at the given coping and stress codes.
std::array<int, 150> pattern(const ScoringData& d, std::set<int> admitted, int coping, int stress) {
    const std::set<int> groupA = {109, 111, 115, 116, 117, 120, 124, 126, 128, 129, 131, 132, 134, 136};
    std::array<int, 150> codes{};
    for (int item = 1; item <= 149; ++item) {
        const int top = item <= 108 ? 2 : 4;
        int best = 1, least = 1;
        for (int code = 1; code <= top; ++code) {
            best = d.points(item, code) > d.points(item, best) ? code : best;
            least = d.points(item, code) < d.points(item, least) ? code : least;
        }
        bool admit = false;
        for (int s : admitted)
            admit = admit || std::count(d.lists[std::size_t(s)].begin(), d.lists[std::size_t(s)].end(), item);
        codes[std::size_t(item)] = admit ? best : least;
        if (item >= 109 && item <= 136 && !d.listed(item))
            codes[std::size_t(item)] = groupA.count(item) ? coping : stress;
    }
    codes[149] = admitted.count(2) && admitted.count(3) ? 3
                 : admitted.count(2)                    ? 1
                 : admitted.count(3)                    ? 2
                                                        : 4;
    return codes;
}

TEST(ScoringData, TypicalAnswerPatternsLandInTheirRangesInEveryNormGroup) {
    const ScoringData d = load();
    for (int g = 1; g <= 2; ++g)
        for (int r = 1; r <= 3; ++r) {
            const std::string group = "gender " + std::to_string(g) + ", race group " + std::to_string(r);
            // Admits the small faults and nothing else, copes well: low everywhere.
            auto plain = score(d, pattern(d, {}, 3, 2), g, r);
            for (int s = 1; s <= 7; ++s)
                EXPECT_LT(plain.value[std::size_t(s)], 40) << group << ", scale " << s;
            // Denies even the small faults: the extreme truthfulness report.
            auto faking = score(d, pattern(d, {1}, 4, 1), g, r);
            EXPECT_GE(faking.value[1], 95) << group;
            // Admits everything of one scale: that scale at its maximum, the unrelated ones low.
            for (int s = 2; s <= 6; ++s) {
                auto one = score(d, pattern(d, {s}, 3, 2), g, r);
                EXPECT_GE(one.value[std::size_t(s)], 90) << group << ", scale " << s;
                EXPECT_LT(one.value[1], 40) << group << ", scale " << s;
            }
            EXPECT_LT(score(d, pattern(d, {2}, 3, 2), g, r).value[3], 40) << group;
            EXPECT_LT(score(d, pattern(d, {3}, 3, 2), g, r).value[6], 40) << group;
            // Stress far beyond coping is the top of the stress-coping scale, the reverse its bottom.
            EXPECT_GE(score(d, pattern(d, {}, 1, 4), g, r).value[7], 95) << group;
            EXPECT_LT(score(d, pattern(d, {}, 4, 1), g, r).value[7], 10) << group;
        }
}

} // namespace
