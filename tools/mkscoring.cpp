// mkscoring: builds the scoring data file TRVBR.TXT from the reviewable design in data/.
//
//   mkscoring ITEMS SCALES ENGLISH REPORT OUT
//
// ITEMS (data/scoring/items.txt) holds per item its point keys, item lists, significant and floor
// marks and the simulation model; SCALES (data/scoring/scales.txt) the stress-coping thresholds
// and the settings of the reference sample. ENGLISH (the items) and REPORT (the report texts) are
// read only to check that they agree with the design. The norm tables, the stress-coping
// percentiles and the truthfulness corrections come from a seeded simulation of a reference
// sample scored exactly as the program scores a client. OUT is written in Windows-1252 with CRLF
// line ends, read back and checked; on any design fault nothing is written and the exit code is 1.

#include "clients/ClientRecord.h"
#include "scoring/ReportData.h"
#include "scoring/Scoring.h"
#include "shell/FileIo.h"
#include "shell/TrimBlanks.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <random>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

// The program's own limits of the scoring data file and the item sections.
constexpr int Section1End = LastTrueFalseItem;
constexpr int Section2End = LastRatingItem;
constexpr int MaxListItems = MaxScaleItems;
constexpr int ThresholdCount = ScThresholdCount;

// Scale codes of the item lists (scales 1..6) and their order in the report's significant groups
// and in the floor slices.
const std::array<std::string, 6> ListScales = {"VA", "AL", "DG", "VI", "AS", "AG"};
const std::array<std::string, 5> SignificantOrder = {"AL", "DG", "AG", "AS", "VI"};
const std::array<int, 5> SignificantSizes = {9, 10, 13, 10, 12};
const std::array<std::string, 5> FloorOrder = {"AL", "DG", "AS", "AG", "VI"};
const std::array<int, 5> FloorSizes = {13, 14, 14, 14, 18};

// The program's fixed groups of the stress-coping ratio and the section-2 items that add antisocial
// points.
const std::set<int> GroupA(StressCopingGroupA.begin(), StressCopingGroupA.end());
const std::set<int> GroupB(StressCopingGroupB.begin(), StressCopingGroupB.end());
const std::set<int> AntisocialOften(AntisocialOftenItems.begin(), AntisocialOftenItems.end());
const std::set<int> AntisocialRare(AntisocialRareItems.begin(), AntisocialRareItems.end());

enum Trait { tVA, tAL, tDG, tVI, tAS, tAG, tCO, tST, tG, tMP, tNone, TraitCount };
const std::map<std::string, Trait> TraitCodes = {{"VA", tVA}, {"AL", tAL}, {"DG", tDG}, {"VI", tVI},
                                                 {"AS", tAS}, {"AG", tAG}, {"CO", tCO}, {"ST", tST},
                                                 {"G", tG},   {"MP", tMP}, {"-", tNone}};

int scaleIndex(const std::string& code) // 0..5, or -1
{
    auto it = std::find(ListScales.begin(), ListScales.end(), code);
    return it == ListScales.end() ? -1 : int(it - ListScales.begin());
}

int maxCode(int item) {
    return PointKeyBlocks[std::size_t(PointKeyBlockOf(item))].highestCode;
}

struct Item {
    int id = 0;
    std::vector<int> points; // by answer code 0..maxCode
    std::vector<int> lists;  // scale indexes 0..5
    Trait trait = tNone;
    double location = 0;
    std::string sigGroup;
    std::vector<std::string> floors;
    std::string text;
    int line = 0;

    int riskPoints() const { return *std::max_element(points.begin() + 1, points.end()); }
    // The answer a dichotomous item's trait makes likely: the one that earns points (True when none).
    int keyedCode() const { return points[2] > points[1] ? 2 : 1; }
};

struct Design {
    std::vector<Item> items; // index 0..148 = item 1..149
    std::vector<int> thresholds;
    std::uint64_t seed = 1;
    int sample = 1000;
    double omit = 0;
    std::map<std::pair<int, int>, double> shifts; // (gender group, trait) -> shift
    int zeroRows = 0;
};

// Collects design faults as "file:line: message"; the build stops when there is any.
struct Faults {
    std::vector<std::string> list;
    void add(const std::string& file, int line, const std::string& message) {
        list.push_back(file + (line > 0 ? ":" + std::to_string(line) : "") + ": " + message);
    }
};

std::vector<std::string> readLines(const std::string& path, Faults& faults) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        faults.add(path, 0, "cannot be read");
        return {};
    }
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

std::vector<std::string> words(const std::string& s) {
    std::istringstream in(s);
    std::vector<std::string> out;
    for (std::string w; in >> w;)
        out.push_back(w);
    return out;
}

std::vector<std::string> splitComma(const std::string& s) {
    std::vector<std::string> out;
    std::stringstream in(s);
    for (std::string part; std::getline(in, part, ',');)
        out.push_back(part);
    return out;
}

bool parseInt(const std::string& s, int& value) {
    if (s.empty() || s.size() > 6)
        return false;
    std::size_t used = 0;
    try {
        value = std::stoi(s, &used);
    } catch (...) {
        return false;
    }
    return used == s.size();
}

bool parseDouble(const std::string& s, double& value) {
    std::size_t used = 0;
    try {
        value = std::stod(s, &used);
    } catch (...) {
        return false;
    }
    return used == s.size();
}

void readItems(const std::string& path, Design& d, Faults& faults) {
    int expected = 1;
    const auto lines = readLines(path, faults);
    for (std::size_t n = 0; n < lines.size(); ++n) {
        const int lineNo = int(n) + 1;
        std::string row = lines[n], text;
        if (auto hash = row.find('#'); hash != std::string::npos) {
            text = TrimBlanks(row.substr(hash + 1));
            row.erase(hash);
        }
        auto w = words(row);
        if (w.empty())
            continue;
        Item item;
        item.line = lineNo;
        item.text = text;
        if (!parseInt(w[0], item.id) || item.id != expected) {
            faults.add(path, lineNo, "expected the row of item " + std::to_string(expected));
            return;
        }
        ++expected;
        const std::size_t codes = std::size_t(maxCode(item.id)) + 1;
        if (w.size() < codes + 4) {
            faults.add(path, lineNo,
                       "item " + w[0] + " needs " + std::to_string(codes) +
                           " point values, lists, trait and location");
            continue;
        }
        for (std::size_t c = 0; c < codes; ++c) {
            int p = 0;
            if (!parseInt(w[1 + c], p) || p < 0 || p > 3)
                faults.add(path, lineNo, "points must be 0..3, not '" + w[1 + c] + "'");
            item.points.push_back(p);
        }
        if (w[codes + 1] != "-")
            for (const auto& code : splitComma(w[codes + 1])) {
                int s = scaleIndex(code);
                if (s < 0)
                    faults.add(path, lineNo, "unknown item list '" + code + "'");
                else
                    item.lists.push_back(s);
            }
        auto trait = TraitCodes.find(w[codes + 2]);
        if (trait == TraitCodes.end() || trait->second == tG)
            faults.add(path, lineNo, "unknown trait '" + w[codes + 2] + "'");
        else
            item.trait = trait->second;
        if (!parseDouble(w[codes + 3], item.location))
            faults.add(path, lineNo, "bad location '" + w[codes + 3] + "'");
        for (std::size_t k = codes + 4; k < w.size(); ++k) {
            if (w[k].rfind("sig:", 0) == 0)
                item.sigGroup = w[k].substr(4);
            else if (w[k].rfind("floor:", 0) == 0)
                item.floors = splitComma(w[k].substr(6));
            else
                faults.add(path, lineNo, "unknown mark '" + w[k] + "'");
        }
        d.items.push_back(item);
    }
    if (expected != ItemCount + 1)
        faults.add(path, 0, "has rows for " + std::to_string(expected - 1) + " items, not 149");
}

void readScales(const std::string& path, Design& d, Faults& faults) {
    const auto lines = readLines(path, faults);
    for (std::size_t n = 0; n < lines.size(); ++n) {
        const int lineNo = int(n) + 1;
        auto w = words(lines[n].substr(0, lines[n].find('#')));
        if (w.empty())
            continue;
        const std::string& key = w[0];
        auto bad = [&] { faults.add(path, lineNo, "malformed '" + key + "' line"); };
        if (key == "thresholds") {
            for (std::size_t k = 1; k < w.size(); ++k) {
                int v = 0;
                if (!parseInt(w[k], v))
                    bad();
                d.thresholds.push_back(v);
            }
        } else if (key == "seed" && w.size() == 2) {
            try {
                d.seed = std::stoull(w[1]);
            } catch (...) {
                bad();
            }
        } else if (key == "sample" && w.size() == 2) {
            if (!parseInt(w[1], d.sample) || d.sample < 500 || d.sample > 100000)
                faults.add(path, lineNo, "sample size must be 500..100000");
        } else if (key == "omit" && w.size() == 2) {
            if (!parseDouble(w[1], d.omit) || d.omit < 0 || d.omit > 0.05)
                faults.add(path, lineNo, "omission rate must be 0..0.05");
        } else if (key == "shift" && w.size() == 4) {
            int g = 0;
            double v = 0;
            auto trait = TraitCodes.find(w[2]);
            if (!parseInt(w[1], g) || g < 1 || g > 2 || trait == TraitCodes.end() || trait->second == tMP ||
                trait->second == tNone || !parseDouble(w[3], v))
                bad();
            else
                d.shifts[{g, trait->second}] = v;
        } else if (key == "zero-rows" && w.size() == 2) {
            if (!parseInt(w[1], d.zeroRows) || d.zeroRows < 0 || d.zeroRows > 9)
                bad();
        } else {
            faults.add(path, lineNo, "unknown setting '" + key + "'");
        }
    }
    if (int(d.thresholds.size()) != ThresholdCount)
        faults.add(path, 0, "needs 48 thresholds, has " + std::to_string(d.thresholds.size()));
    else if (std::adjacent_find(d.thresholds.begin(), d.thresholds.end(), std::greater_equal<int>()) !=
             d.thresholds.end())
        faults.add(path, 0, "thresholds must rise strictly");
    else if (d.thresholds.front() >= 15 || d.thresholds.back() < 240)
        // 15 and 240 are the lowest and highest ratio 14 items of 1..4 can give.
        faults.add(path, 0, "thresholds must start below 15 and reach 240");
}

// Checks the design against itself: list sizes, significant groups, floor slices, the fixed
// stress-coping groups.
void checkDesign(const std::string& path, const Design& d, Faults& faults) {
    if (d.items.size() != ItemCount)
        return;
    std::array<int, 6> listSizes{};
    for (const auto& item : d.items) {
        const std::string name = "item " + std::to_string(item.id);
        std::set<int> seen;
        for (int s : item.lists) {
            if (!seen.insert(s).second)
                faults.add(path, item.line, name + " names list " + ListScales[s] + " twice");
            ++listSizes[s];
        }
        if (!item.lists.empty() && item.riskPoints() == 0)
            faults.add(path, item.line, name + " is in an item list but earns no points");
        if (item.lists.empty() && item.riskPoints() > 0)
            faults.add(path, item.line, name + " earns points but is in no item list");
        auto requireListed = [&](const std::string& scale, const std::string& role) {
            const int s = scaleIndex(scale);
            if (s < 0) {
                faults.add(path, item.line, name + ": unknown " + role + " scale '" + scale + "'");
                return;
            }
            if (std::find(item.lists.begin(), item.lists.end(), s) == item.lists.end())
                faults.add(path, item.line,
                           name + " is a " + role + " item of " + scale + " but not in its item list");
            const int p = item.riskPoints();
            if (p < 2 || p > 3)
                faults.add(path, item.line,
                           name + " is a " + role + " item but its risk answer earns " + std::to_string(p) +
                               " points, not 2 or 3");
        };
        if (!item.sigGroup.empty())
            requireListed(item.sigGroup, "significant");
        for (const auto& f : item.floors)
            requireListed(f, "floor");
        const bool inA = GroupA.count(item.id), inB = GroupB.count(item.id);
        if (inA != (item.trait == tCO) || inB != (item.trait == tST))
            faults.add(path, item.line,
                       name + ": coping items (CO) and stress items (ST) must be exactly the two "
                              "groups of the stress-coping ratio");
        if ((AntisocialOften.count(item.id) || AntisocialRare.count(item.id)) &&
            std::find(item.lists.begin(), item.lists.end(), 4) != item.lists.end())
            faults.add(path, item.line, name + " already adds antisocial points by itself");
        if (item.trait == tMP && item.id != ItemCount)
            faults.add(path, item.line, "only item 149 is the main-problem question");
    }
    for (int s = 0; s < 6; ++s)
        if (listSizes[s] == 0 || listSizes[s] > MaxListItems)
            faults.add(path, 0,
                       "item list " + ListScales[s] + " has " + std::to_string(listSizes[s]) +
                           " items (1..40 allowed)");
    for (std::size_t g = 0; g < SignificantOrder.size(); ++g) {
        auto n = std::count_if(d.items.begin(), d.items.end(),
                               [&](const Item& i) { return i.sigGroup == SignificantOrder[g]; });
        if (n != SignificantSizes[g])
            faults.add(path, 0,
                       SignificantOrder[g] + " has " + std::to_string(n) + " significant items, not " +
                           std::to_string(SignificantSizes[g]));
    }
    for (std::size_t f = 0; f < FloorOrder.size(); ++f) {
        auto n = std::count_if(d.items.begin(), d.items.end(), [&](const Item& i) {
            return std::find(i.floors.begin(), i.floors.end(), FloorOrder[f]) != i.floors.end();
        });
        if (n != FloorSizes[f])
            faults.add(path, 0,
                       FloorOrder[f] + " has " + std::to_string(n) + " floor items, not " +
                           std::to_string(FloorSizes[f]));
    }
}

std::vector<int> significantItems(const Design& d) {
    std::vector<int> out;
    for (const auto& g : SignificantOrder)
        for (const auto& item : d.items)
            if (item.sigGroup == g)
                out.push_back(item.id);
    return out;
}

std::vector<int> floorItems(const Design& d) {
    std::vector<int> out;
    for (const auto& f : FloorOrder)
        for (const auto& item : d.items)
            if (std::find(item.floors.begin(), item.floors.end(), f) != item.floors.end())
                out.push_back(item.id);
    return out;
}

// The items file: each item's text must equal the design's review copy, and its answers must
// follow the sections.
void checkItemsText(const std::string& path, const Design& d, Faults& faults) {
    std::map<int, std::pair<std::string, std::vector<std::string>>> items;
    int current = 0;
    const auto lines = readLines(path, faults);
    for (std::size_t n = 0; n < lines.size(); ++n) {
        const std::string& line = lines[n];
        if (line.empty() || line[0] == '#')
            continue;
        if (line.rfind("    ", 0) == 0 && current > 0) {
            items[current].second.push_back(line.substr(4));
            continue;
        }
        auto dot = line.find(". ");
        int id = 0;
        if (dot == std::string::npos || !parseInt(line.substr(0, dot), id) || id != current + 1) {
            faults.add(path, int(n) + 1, "expected item " + std::to_string(current + 1));
            return;
        }
        current = id;
        items[id].first = line.substr(dot + 2);
    }
    if (items.size() != ItemCount) {
        faults.add(path, 0, "has " + std::to_string(items.size()) + " items, not 149");
        return;
    }
    const std::vector<std::string> rating = {"Rare or Never", "Sometimes", "Often", "Very Often or Always"};
    for (const auto& [id, entry] : items) {
        const auto& [text, answers] = entry;
        const std::string name = "item " + std::to_string(id);
        if (std::size_t(id) <= d.items.size() && d.items[id - 1].text != text)
            faults.add(path, 0, name + " differs from its review copy in the scoring design");
        if (id <= Section1End && answers != std::vector<std::string>{"True", "False"})
            faults.add(path, 0, name + " must have the answers True and False");
        else if (id > Section1End && id <= Section2End && answers != rating)
            faults.add(path, 0, name + " must have the four frequency ratings");
        else if (id > Section2End) {
            const std::string& second = answers.size() > 1 ? answers[1] : std::string();
            if (answers.size() != 4)
                faults.add(path, 0, name + " must have four answers");
            for (const char* prefix : {"False", "Mostl", "Often", "Somet"})
                if (second.rfind(prefix, 0) == 0)
                    faults.add(path, 0, name + ": a second answer may not begin with " + prefix);
            if (second == "No")
                faults.add(path, 0, name + ": a second answer may not be \"No\"");
        }
    }
}

// The report texts: names and range names by field reads, then one line per significant item in
// the design's order and one per answer of items 140-149, each fitting its report column.
void checkReportTexts(const std::string& path, const std::vector<int>& significant, Faults& faults) {
    const auto lines = readLines(path, faults);
    if (lines.size() < 2 + 54 + 40) {
        faults.add(path, 0, "needs 2 lines of names, 54 significant-item lines and 40 answer lines");
        return;
    }
    auto names = splitComma(lines[0]);
    if (names.size() != 7)
        faults.add(path, 1, "needs the 7 scale names");
    for (const auto& n : names)
        if (n.empty() || n.size() > 20 || n.find('"') != std::string::npos)
            faults.add(path, 1, "scale name '" + n + "' must be 1..20 characters, unquoted");
    if (splitComma(lines[1]) != std::vector<std::string>{"LOW", "MEDIUM", "PROBLEM", "MAXIMUM"})
        faults.add(path, 2, "range names must be LOW,MEDIUM,PROBLEM,MAXIMUM");
    // The report prints these lines in two columns, from column 8 and from column 44: a left line
    // of 35 characters leaves one blank before the right one, which ends in column 78.
    constexpr std::size_t columnWidth = 35;
    std::size_t j = 0;
    for (std::size_t g = 0; g < 5; ++g)
        for (int k = 0; k < SignificantSizes[g]; ++k, ++j) {
            const std::string& line = lines[2 + j];
            const std::string prefix = std::to_string(significant.size() > j ? significant[j] : 0) + ". ";
            if (line.rfind(prefix, 0) != 0)
                faults.add(path, int(3 + j),
                           "significant-item line " + std::to_string(j + 1) + " must begin with \"" + prefix +
                               "\"");
            if (line.size() > columnWidth)
                faults.add(path, int(3 + j), "line longer than its report column");
        }
    for (int k = 0; k < 40; ++k) {
        const std::string& line = lines[2 + 54 + k];
        const std::string prefix = std::to_string(140 + k / 4) + ". ";
        if (line.rfind(prefix, 0) != 0)
            faults.add(path, 2 + 54 + k + 1, "answer line must begin with \"" + prefix + "\"");
        if (line.size() > columnWidth)
            faults.add(path, 2 + 54 + k + 1, "line longer than its report column");
    }
    for (std::size_t n = 96; n < lines.size(); ++n)
        if (!TrimBlanks(lines[n]).empty())
            faults.add(path, int(n) + 1, "text after the last answer line");
}

// ---- Reference sample --------------------------------------------------------------------------

// Random numbers from std::mt19937_64 (whose output sequence the standard fixes) through our own
// transforms, so a seed gives the same sample with every standard library.
class Random {
public:
    explicit Random(std::uint64_t seed) : m_engine(seed) {}
    double uniform() { return double(m_engine() >> 11) * (1.0 / 9007199254740992.0); }
    double normal() {
        if (m_spare) {
            m_spare = false;
            return m_next;
        }
        double u = 0;
        do
            u = uniform();
        while (u <= 0);
        const double r = std::sqrt(-2 * std::log(u)), a = 6.283185307179586 * uniform();
        m_next = r * std::sin(a);
        m_spare = true;
        return r * std::cos(a);
    }
    bool chance(double p) { return uniform() < p; }
    int poisson(double mean) {
        const double limit = std::exp(-mean);
        int k = 0;
        for (double p = uniform(); p > limit && k < 99; p *= uniform())
            ++k;
        return k;
    }

private:
    std::mt19937_64 m_engine;
    bool m_spare = false;
    double m_next = 0;
};

double logistic(double x) {
    return 1 / (1 + std::exp(-x));
}
int clampInt(double v, int lo, int hi) {
    return std::clamp(int(std::lround(v)), lo, hi);
}

struct Client {
    std::array<int, ItemCount + 1> codes{};
    int age = 0, education = 0;
    std::array<int, 11> court{}; // 1..10
};

Client simulateClient(const Design& d, int gender, Random& rnd) {
    std::array<double, TraitCount> t{};
    auto shift = [&](Trait tr) {
        auto it = d.shifts.find({gender, tr});
        return it == d.shifts.end() ? 0.0 : it->second;
    };
    const double g = rnd.normal() + shift(tG), hostility = rnd.normal(), defensive = rnd.normal();
    const double alcoholOwn = rnd.normal();
    t[tG] = g;
    t[tVA] = defensive;
    t[tAL] = 0.5 * g + 0.866 * alcoholOwn + shift(tAL);
    t[tDG] = 0.5 * g + 0.3 * alcoholOwn + 0.812 * rnd.normal() + shift(tDG);
    t[tAS] = 0.65 * g + 0.76 * rnd.normal() + shift(tAS);
    t[tAG] = 0.4 * g + 0.6 * hostility + 0.69 * rnd.normal() + shift(tAG);
    t[tVI] = 0.45 * g + 0.5 * hostility + 0.74 * rnd.normal() + shift(tVI);
    t[tST] = 0.35 * g + 0.2 * hostility + 0.915 * rnd.normal() + shift(tST);
    t[tCO] = -0.3 * g - 0.3 * t[tST] + 0.87 * rnd.normal() + shift(tCO);

    // A defensive client plays down problems and plays up coping when answering.
    std::array<double, TraitCount> shown = t;
    const double guard = 0.4 * std::max(defensive, 0.0);
    for (Trait tr : {tAL, tDG, tAS, tAG, tVI, tST})
        shown[tr] -= guard;
    shown[tCO] += guard;

    Client c;
    for (const auto& item : d.items) {
        int code = 0;
        if (item.trait == tNone) {
            code = 1 + int(rnd.uniform() * 4);
        } else if (item.trait == tMP) {
            const bool alcohol = rnd.chance(logistic(1.7 * (shown[tAL] - 1.2)));
            const bool drugs = rnd.chance(logistic(1.7 * (shown[tDG] - 1.3)));
            code = alcohol && drugs ? 3 : alcohol ? 1 : drugs ? 2 : 4;
        } else if (item.id <= Section1End) {
            const bool keyed = rnd.chance(logistic(1.7 * (shown[item.trait] - item.location)));
            code = keyed ? item.keyedCode() : 3 - item.keyedCode();
        } else {
            // Graded answers: each higher code needs one more standard unit of the trait.
            code = 1;
            for (double step : {-1.0, 0.0, 1.0})
                if (rnd.chance(logistic(1.7 * (shown[item.trait] - item.location - step))))
                    ++code;
        }
        c.codes[item.id] = rnd.chance(d.omit) ? 0 : code;
    }
    c.age = clampInt(33 + 10 * rnd.normal() - 2 * g, 18, 70);
    c.education = clampInt(11.5 + 1.8 * rnd.normal() - 0.5 * g, 6, 18);
    const int arrests = std::max(1, rnd.poisson(std::exp(0.7 + 0.45 * g)));
    const int probations = std::max(1, rnd.poisson(std::exp(0.1 + 0.4 * g)));
    c.court[1] = clampInt(21 + 5 * rnd.normal() - 2.5 * g, 10, c.age);
    c.court[2] = std::min(arrests, rnd.poisson(std::exp(-0.7 + 0.5 * g + 0.2 * t[tVI])));
    c.court[3] = probations;
    c.court[4] = std::min(probations, rnd.poisson(std::exp(-1.3 + 0.5 * g)));
    c.court[5] = arrests;
    c.court[6] = rnd.poisson(std::exp(-0.3 + 0.55 * g));
    c.court[7] = rnd.poisson(std::exp(-1.8 + 0.6 * g));
    c.court[8] = std::min(arrests, rnd.poisson(std::exp(-1.0 + 0.8 * t[tAL])));
    c.court[9] = std::min(arrests, rnd.poisson(std::exp(-1.2 + 0.8 * t[tDG])));
    c.court[10] = clampInt(12 * logistic(1.0 - 0.8 * g + 0.8 * rnd.normal()), 0, 12);
    return c;
}

// ---- Scoring of a simulated client: the program's own raw scoring --------------------------------

struct Raw {
    std::array<int, 8> score{};   // 1..7
    std::array<int, 8> omitted{}; // 1..6
};

// Scores `c` with the program's ComputeRawScores on the tables in ScoringTables.
Raw scoreClient(const Client& c) {
    ClientView = ClientViewSet{};
    ClientView.ClientFields[3] = std::to_string(c.age);
    ClientView.ClientFields[6] = std::to_string(c.education);
    for (int k = 1; k <= CourtItemCount; ++k)
        ClientView.CourtItems[k] = std::to_string(c.court[k]);
    for (int i = 1; i <= ItemCount; ++i)
        ClientView.ResponseCodes[i] = int16_t(c.codes[i]);
    if (auto result = ComputeRawScores(); !result.ok())
        throw std::runtime_error(result.message());
    Raw r;
    for (int s = 1; s <= ScaleCount; ++s) {
        r.score[s] = ScoreResults.RawScore[s];
        r.omitted[s] = ScoreResults.OmittedCount[s];
    }
    return r;
}

// The point keys and item lists of `keys` and `lists` as the program's ScoringTables, ready for
// scoreClient.
void setScoringTables(const std::array<std::string, 16>& keys, const std::array<std::vector<int>, 7>& lists) {
    ScoringTables = ScoringTableSet{};
    for (std::size_t block = 1, key = 0; block <= 4; ++block)
        for (int code = 0; code <= PointKeyBlocks[block].highestCode; ++code, ++key)
            ScoringTables.PointKeys[block][code] = keys[key];
    for (int s = 1; s <= 6; ++s) {
        ScoringTables.ScaleItemCounts[s] = int16_t(lists[s].size());
        for (std::size_t k = 0; k < lists[s].size(); ++k)
            ScoringTables.ScaleItems[s][k + 1] = int16_t(lists[s][k]);
    }
}

// The most points the demographics, the court history and the antisocial answers add to each scale:
// the program's score of the riskiest such client with no listed items.
std::array<int, 8> maxExtraPoints() {
    setScoringTables({}, {});
    Client c;
    c.age = 1;
    c.education = 1;
    c.court = {0, 1, 99, 99, 99, 99, 99, 99, 99, 99, 0};
    for (int i : AntisocialOftenItems)
        c.codes[i] = 4;
    for (int i : AntisocialRareItems)
        c.codes[i] = 1;
    return scoreClient(c).score;
}

// Highest raw score scale s (1..6) can reach before the truthfulness correction.
int maxRawScore(const Design& d, const std::array<int, 8>& extra, int s) {
    int total = 0;
    for (const auto& item : d.items)
        if (std::find(item.lists.begin(), item.lists.end(), s - 1) != item.lists.end())
            total += item.riskPoints();
    return total + extra[s];
}

struct Tables {
    std::vector<int> significant;
    std::array<std::string, 16> keys;
    std::array<std::array<std::array<std::vector<int>, 7>, 4>, 3> norms; // [g][r][s]
    std::array<std::array<std::vector<int>, 4>, 3> scPercentiles;        // [g][r], 47 each
    std::vector<int> thresholds;
    std::array<std::vector<int>, 7> lists; // [s]
    std::vector<int> floors;
    std::array<std::array<int, 8>, 10> corrections{}; // [row][k]
};

int percentileFrom(double below, double equal, double total) {
    return std::clamp(int(100 * (below + equal / 2) / total), 0, 99);
}

void buildNorms(const Design& d, Tables& t, std::vector<std::pair<int, Raw>>& pooled) {
    const std::array<int, 8> extra = maxExtraPoints();
    setScoringTables(t.keys, t.lists);
    for (int g = 1; g <= 2; ++g)
        for (int r = 1; r <= 3; ++r) {
            Random rnd(d.seed * 1000003u + std::uint64_t(g * 10 + r));
            std::vector<Raw> raws;
            for (int n = 0; n < d.sample; ++n)
                raws.push_back(scoreClient(simulateClient(d, g, rnd)));
            const double total = double(raws.size());
            for (int s = 1; s <= 6; ++s) {
                const int count = std::min(MaxNormCount, maxRawScore(d, extra, s));
                auto& table = t.norms[g][r][s];
                for (int x = 1; x <= count; ++x) {
                    auto below =
                        std::count_if(raws.begin(), raws.end(), [&](const Raw& w) { return w.score[s] < x; });
                    auto equal = std::count_if(raws.begin(), raws.end(),
                                               [&](const Raw& w) { return w.score[s] == x; });
                    table.push_back(percentileFrom(double(below), double(equal), total));
                }
            }
            // Stress coping: a low ratio means poor coping, so the percentile counts the clients
            // who cope better.
            for (int i = 0; i + 1 < ThresholdCount; ++i) {
                const int lo = d.thresholds[i], hi = d.thresholds[i + 1];
                auto above =
                    std::count_if(raws.begin(), raws.end(), [&](const Raw& w) { return w.score[7] > hi; });
                auto inside = std::count_if(raws.begin(), raws.end(), [&](const Raw& w) {
                    return w.score[7] > lo && w.score[7] <= hi;
                });
                t.scPercentiles[g][r].push_back(percentileFrom(double(above), double(inside), total));
            }
            for (const auto& w : raws)
                pooled.push_back({g * 10 + r, w});
        }
}

// Truthfulness corrections: defensiveness in the sample is independent of the true problem
// levels, so the lower raw scores of clients in a high truthfulness band measure how much they
// play their problems down. Row k adds the rounded gap between the clients below the 40th
// truthfulness percentile and the clients of band k; rows never fall below the row before.
void buildCorrections(const Design& d, Tables& t, const std::vector<std::pair<int, Raw>>& pooled) {
    std::array<std::array<double, 8>, 10> sum{};
    std::array<double, 10> count{};
    std::array<double, 8> refSum{};
    double refCount = 0;
    for (const auto& [group, w] : pooled) {
        const auto& table = t.norms[group / 10][group % 10][1];
        int p = 0;
        if (w.omitted[1] >= 4 || w.score[1] > int(table.size()))
            p = 99;
        else if (w.score[1] > 0)
            p = table[w.score[1] - 1];
        const int row = p < 10 ? 0 : p < 90 ? p / 10 : p < 95 ? 9 : -1;
        if (p < 40) {
            for (int k = 2; k <= 7; ++k)
                refSum[k] += w.score[k];
            ++refCount;
        }
        if (row >= 1) {
            for (int k = 2; k <= 7; ++k)
                sum[row][k] += w.score[k];
            ++count[row];
        }
    }
    for (int k = 2; k <= 7; ++k) {
        int previous = 0;
        for (int row = 1; row <= 9; ++row) {
            int v = 0;
            if (row > d.zeroRows && count[row] >= 30 && refCount > 0)
                v = int(std::lround(refSum[k] / refCount - sum[row][k] / count[row]));
            // Risk scales correct upwards; the coping ratio, where low is poor, downwards.
            v = k == 7 ? std::min({v, previous, 0}) : std::max({v, previous, 0});
            t.corrections[row][k] = previous = v;
        }
    }
}

Tables buildTables(const Design& d) {
    Tables t;
    t.significant = significantItems(d);
    int key = 0;
    for (int block = 1; block <= 4; ++block) {
        const PointKeyBlock& b = PointKeyBlocks[std::size_t(block)];
        for (int code = 0; code <= b.highestCode; ++code, ++key)
            for (int i = b.first; i <= b.last; ++i)
                t.keys[key] += char('0' + d.items[i - 1].points[code]);
    }
    for (const auto& item : d.items)
        for (int s : item.lists)
            t.lists[s + 1].push_back(item.id);
    t.floors = floorItems(d);
    t.thresholds = d.thresholds;
    std::vector<std::pair<int, Raw>> pooled;
    buildNorms(d, t, pooled);
    buildCorrections(d, t, pooled);
    return t;
}

// ---- Output and its read-back check ------------------------------------------------------------

std::string joined(const std::vector<int>& values, std::size_t from = 0, std::size_t to = std::string::npos) {
    std::string out;
    for (std::size_t i = from; i < std::min(to, values.size()); ++i)
        out += (i > from ? "," : "") + std::to_string(values[i]);
    return out;
}

std::string render(const Tables& t) {
    std::vector<std::string> lines;
    std::size_t j = 0;
    for (int size : SignificantSizes) {
        lines.push_back(joined(t.significant, j, j + std::size_t(size)));
        j += std::size_t(size);
    }
    for (const auto& k : t.keys)
        lines.push_back("\"" + k + "\"");
    for (int g = 1; g <= 2; ++g)
        for (int r = 1; r <= 3; ++r)
            for (int s = 1; s <= 6; ++s) {
                std::vector<int> row = {int(t.norms[g][r][s].size())};
                row.insert(row.end(), t.norms[g][r][s].begin(), t.norms[g][r][s].end());
                lines.push_back(joined(row));
            }
    for (int g = 1; g <= 2; ++g)
        for (int r = 1; r <= 3; ++r)
            lines.push_back(joined(t.scPercentiles[g][r]));
    lines.push_back(joined(t.thresholds));
    for (int s = 1; s <= 6; ++s) {
        std::vector<int> row = {int(t.lists[s].size())};
        row.insert(row.end(), t.lists[s].begin(), t.lists[s].end());
        lines.push_back(joined(row));
    }
    j = 0;
    for (int size : FloorSizes) {
        lines.push_back(joined(t.floors, j, j + std::size_t(size)));
        j += std::size_t(size);
    }
    for (int row = 1; row <= 9; ++row)
        lines.push_back(joined(std::vector<int>(t.corrections[row].begin() + 2, t.corrections[row].end())));
    std::string out;
    for (const auto& l : lines)
        out += l + "\r\n";
    return out;
}

// Reads the file back with the program's own reader and compares every value with the tables, and
// checks every count and limit, so a writing fault cannot reach the program.
std::vector<std::string> verify(const std::string& text, const Tables& t) {
    std::vector<std::string> errors;
    ScoringTableSet read;
    try {
        ParseScoringTables(text, ScoringDataFileName, read);
    } catch (const ReportFailure& failure) {
        return {failure.result().message()};
    }
    auto expect = [&](bool same, const std::string& what) {
        if (!same)
            errors.push_back(what + " does not read back");
    };
    expect(t.significant.size() == SignificantItemCount && t.floors.size() == FloorItemCount &&
               t.thresholds.size() == ScThresholdCount,
           "item and threshold count");
    for (std::size_t j = 0; j < std::min<std::size_t>(t.significant.size(), SignificantItemCount); ++j)
        expect(read.SignificantItemNumbers[j + 1] == t.significant[j], "significant items");
    for (std::size_t block = 1, k = 0; block <= 4; ++block)
        for (int code = 0; code <= PointKeyBlocks[block].highestCode; ++code, ++k)
            expect(read.PointKeys[block][code] == t.keys[k] &&
                       int(t.keys[k].size()) == PointKeyBlocks[block].size(),
                   "point key " + std::to_string(k + 1));
    for (int g = 1; g <= 2; ++g)
        for (int r = 1; r <= 3; ++r)
            for (int s = 1; s <= 6; ++s) {
                const auto& table = t.norms[g][r][s];
                if (table.empty() || table.size() > MaxNormCount ||
                    !std::is_sorted(table.begin(), table.end()) || table.front() < 0 || table.back() > 99)
                    errors.push_back("norm table " + std::to_string(g) + "/" + std::to_string(r) + "/" +
                                     std::to_string(s) + " breaks its limits");
                bool same = read.NormCounts[g][r][s] == int(table.size());
                for (std::size_t x = 0; same && x < table.size(); ++x)
                    same = read.NormTables[s][x + 1][r][g] == table[x];
                expect(same, "norm table");
            }
    for (int g = 1; g <= 2; ++g)
        for (int r = 1; r <= 3; ++r) {
            const auto& sc = t.scPercentiles[g][r];
            if (sc.size() != ScThresholdCount - 1 || !std::is_sorted(sc.rbegin(), sc.rend()))
                errors.push_back("stress-coping percentiles must be 47 falling values");
            bool same = sc.size() == ScThresholdCount - 1;
            for (std::size_t i = 0; same && i < sc.size(); ++i)
                same = read.ScPercentiles[r][i + 1][g] == sc[i];
            expect(same, "stress-coping percentiles");
        }
    for (std::size_t i = 0; i < std::min<std::size_t>(t.thresholds.size(), ScThresholdCount); ++i)
        expect(read.ScThresholds[i + 1] == t.thresholds[i], "thresholds");
    for (int s = 1; s <= 6; ++s) {
        bool same = read.ScaleItemCounts[s] == int(t.lists[s].size());
        for (std::size_t k = 0; same && k < t.lists[s].size(); ++k)
            same = read.ScaleItems[s][k + 1] == t.lists[s][k];
        expect(same, "item list");
    }
    for (std::size_t j = 0; j < std::min<std::size_t>(t.floors.size(), FloorItemCount); ++j)
        expect(read.FloorItems[j + 1] == t.floors[j], "floor items");
    for (int row = 1; row <= TruthRowCount; ++row)
        for (int k = 2; k <= 7; ++k)
            expect(read.TruthCorrections[k][row] == t.corrections[row][k], "truthfulness corrections");
    // 5 significant-item lines, 16 point keys, 36 norm tables, 6 rows of percentiles, the thresholds,
    // 6 item lists, 5 floor lines and 9 rows of corrections.
    if (std::count(text.begin(), text.end(), '\n') != 5 + 16 + 36 + 6 + 1 + 6 + 5 + TruthRowCount)
        errors.push_back("text after the truthfulness corrections");
    return errors;
}

void printSummary(const Tables& t, int sample, double seconds) {
    std::cout << ScoringDataFileName << ": " << 6 * sample << " simulated clients in " << std::fixed;
    std::cout.precision(2);
    std::cout << seconds << " s; norm counts (men, group 1):";
    for (int s = 1; s <= 6; ++s)
        std::cout << ' ' << t.norms[1][1][s].size();
    std::cout << "; list sizes:";
    for (int s = 1; s <= 6; ++s)
        std::cout << ' ' << t.lists[s].size();
    std::cout << "\n  truthfulness corrections (row 9, scales 2-7):";
    for (int k = 2; k <= 7; ++k)
        std::cout << ' ' << t.corrections[9][k];
    std::cout << '\n';
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 6) {
        std::cerr << "usage: mkscoring ITEMS SCALES ENGLISH REPORT OUT\n";
        return 2;
    }
    const auto start = std::chrono::steady_clock::now();
    Design design;
    Faults faults;
    readItems(argv[1], design, faults);
    readScales(argv[2], design, faults);
    checkDesign(argv[1], design, faults);
    if (design.items.size() == ItemCount) {
        checkItemsText(argv[3], design, faults);
        checkReportTexts(argv[4], significantItems(design), faults);
    }
    if (!faults.list.empty()) {
        for (const auto& f : faults.list)
            std::cerr << "mkscoring: " << f << '\n';
        std::cerr << "mkscoring: scoring design rejected, " << argv[5] << " not written\n";
        return 1;
    }
    const Tables tables = buildTables(design);
    const std::string text = render(tables);
    if (auto errors = verify(text, tables); !errors.empty()) {
        for (const auto& e : errors)
            std::cerr << "mkscoring: " << e << '\n';
        return 1;
    }
    if (FileError err = WriteFileAtomically(argv[5], text); !err.ok()) {
        std::cerr << "mkscoring: cannot write " << argv[5] << ": " << err.description << '\n';
        return 1;
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    printSummary(tables, design.sample, seconds);
    return 0;
}
