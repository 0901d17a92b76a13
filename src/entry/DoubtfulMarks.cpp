#include "entry/DoubtfulMarks.h"

#include <algorithm>

namespace {
constexpr int MarkedFrom = 10; // IsMarked: more than 9.8 of 225 pixels
}

Doubt JudgeMarks(const std::vector<int16_t>& darkCounts) {
    int darkest = 0, second = 0;
    for (const int16_t c : darkCounts) {
        if (c >= darkest) {
            second = darkest;
            darkest = c;
        } else if (c > second) {
            second = c;
        }
    }
    if (darkest < MarkedFrom)
        return Doubt::None;
    if (second >= MarkedFrom && 3 * second >= 2 * darkest)
        return Doubt::TwoMarks;
    if (darkest < FaintMarkLimit)
        return Doubt::FaintMark;
    return Doubt::None;
}

std::string DescribeDoubts(const std::vector<DoubtfulLocation>& doubts) {
    std::string text;
    for (const DoubtfulLocation& d : doubts) {
        if (d.doubt == Doubt::None)
            continue;
        text += text.empty() ? "Check against the sheet: " : ", ";
        text += d.item > 0 ? "item " + std::to_string(d.item) : d.name;
        text += d.doubt == Doubt::TwoMarks ? " (two marks)" : " (faint mark)";
    }
    if (!text.empty())
        text += ".";
    return text;
}
