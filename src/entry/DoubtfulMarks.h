#pragma once
// Marks the operator should check against the paper: the reading keeps the darkest marked bubble,
// which may not be what the client meant when a second mark is nearly as dark (an answer changed
// without erasing) or when the only mark is barely above the reading threshold.
#include <cstdint>
#include <string>
#include <vector>

enum class Doubt { None, TwoMarks, FaintMark };

// Dark pixels of a bubble below which a mark counts as faint (the threshold is 10 of 225).
constexpr int FaintMarkLimit = 30;

// Judges one location from the dark-pixel counts of its bubbles: TwoMarks when two marked bubbles
// (more than 9.8 dark pixels) exist and the second darkest has at least two thirds of the darkest's
// count; else FaintMark when the darkest marked bubble has fewer than FaintMarkLimit.
Doubt JudgeMarks(const std::vector<int16_t>& darkCounts);

struct DoubtfulLocation {
    int record = 0;   // 1..181 in reading order
    int item = 0;     // answer number 1..149, 0 for the fields of the sheet's upper part
    std::string name; // the location's name in the layout table
    Doubt doubt = Doubt::None;
};

// One line naming the doubtful locations, e.g. "Check against the sheet: item 12 (two marks),
// item 40 (faint mark)."; "" when there are none.
std::string DescribeDoubts(const std::vector<DoubtfulLocation>& doubts);
