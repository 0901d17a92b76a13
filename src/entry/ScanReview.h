#pragma once
// What the response grid points out about the sheet scanned last: the doubtful marks to check against
// the paper, and answers whose reading step failed (they hold "0"). Set when a scan hands its values
// on; read by the grid while ScannedAnswers is set.
#include "entry/DoubtfulMarks.h"

#include <vector>

struct ScanReview {
    std::vector<DoubtfulLocation> doubts;
    int unreadAnswers = 0;
};

extern ScanReview LastScanReview;

// The answer items (1..149) among the doubtful locations, in order.
std::vector<int> DoubtfulItems(const ScanReview& review);
