#include "entry/ScanReview.h"

ScanReview LastScanReview;

std::vector<int> DoubtfulItems(const ScanReview& review) {
    std::vector<int> items;
    for (const DoubtfulLocation& d : review.doubts)
        if (d.item > 0)
            items.push_back(d.item);
    return items;
}
