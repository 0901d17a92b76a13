#include "entry/MarkReading.h"

#include <algorithm>
#include <cmath>

ScanSurface ScanDC;
ScanPoint AnchorPoint;
ScanPoint ReferencePoint;
float SheetSkew = 0;
int16_t DarkCount = 0;
std::vector<int16_t> LocationDarkCounts;
std::string PositionStoreFailure;

namespace {

constexpr double Pi = 3.14159265358979;
constexpr int BoxSize = 8;
constexpr int BubbleSize = 14;

int16_t ToInt16(double value) {
    if (!(value >= -32768.0 && value <= 32767.0))
        throw ScanReadError("a position is out of range");
    return static_cast<int16_t>(value);
}

// Rounds half to even, as every conversion of this module does.
int16_t Round16(double value) {
    return ToInt16(std::nearbyint(value));
}

// Where the current record's first bubble lies on this sheet: stored in the record, then returned.
struct FirstBubble {
    ScanItemRow row;
    ScanPoint base;
};

FirstBubble LocateFirstBubble(ScanItemCursor& items) {
    FirstBubble first{items.Current(), {}};
    ScanPoint p;
    p.r = static_cast<float>(first.row.r);
    p.theta = static_cast<float>(first.row.theta + static_cast<double>(SheetSkew));
    PolarToXY(p);
    try {
        items.StorePosition(p.x, p.y);
    } catch (const ScanReadError& e) {
        if (PositionStoreFailure.empty())
            PositionStoreFailure = e.what();
    }
    LocationDarkCounts.clear();
    first.base.x = p.x;
    first.base.y = p.y;
    return first;
}

int BubbleCount(int count) {
    if (count > 32767)
        throw ScanReadError("a bubble count is out of range");
    return count;
}

// The step from the first bubble to bubble i, `pitch` apart in `direction` (degrees, skew included).
ScanPoint Step(double pitch, int i, double direction) {
    ScanPoint q;
    q.r = static_cast<float>(pitch * i);
    q.theta = static_cast<float>(direction);
    PolarToXY(q);
    return q;
}

// Index of the darkest marked bubble (the lower one on equal darkness), or -1 when none is marked.
template <typename BubbleAt> int DarkestMarked(int count, BubbleAt bubbleAt) {
    int best = -1;
    int bestCount = -1;
    for (int i = 0; i < count; ++i) {
        const bool marked = IsMarked(bubbleAt(i), BubbleSize);
        LocationDarkCounts.push_back(DarkCount);
        if (marked && DarkCount > bestCount) {
            best = i;
            bestCount = DarkCount;
        }
    }
    return best;
}

// Darkest marked bubble of a horizontal row; the vertical part of each step is not applied.
int DarkestInRow(ScanItemCursor& items) {
    const FirstBubble first = LocateFirstBubble(items);
    return DarkestMarked(BubbleCount(first.row.dimx), [&](int i) {
        ScanPoint b = first.base;
        b.x = ToInt16(first.base.x + Step(first.row.dx, i, SheetSkew).x);
        return b;
    });
}

} // namespace

void ResetScanState() {
    ScanDC = ScanSurface();
    AnchorPoint = ScanPoint();
    ReferencePoint = ScanPoint();
    SheetSkew = 0;
    DarkCount = 0;
    LocationDarkCounts.clear();
    PositionStoreFailure.clear();
}

void PolarToXY(ScanPoint& point) {
    const float angle = static_cast<float>(static_cast<double>(point.theta) * (Pi / 180));
    point.x = Round16(static_cast<double>(point.r) * std::cos(static_cast<double>(angle)));
    point.y = Round16(static_cast<double>(point.r) * std::sin(static_cast<double>(angle)));
}

void XYToPolar(ScanPoint& point) {
    const double x = point.x, y = point.y;
    point.r = static_cast<float>(std::sqrt(x * x + y * y));
    const double theta = x != 0 ? std::atan(y / x) : Pi / 2;
    point.theta = static_cast<float>(theta * 180 / Pi);
}

bool IsMarked(const ScanPoint& point, int size) {
    const double limit = size * size * (size == BoxSize ? 0.3 : 0.05);
    const int span = size == BoxSize ? size : size + 1;
    int count = 0;
    for (int i = 0; i < span; ++i)
        for (int j = 0; j < span; ++j)
            if (ScanDC.Pixel(point.x + i, point.y + j) != ScanSurface::White)
                ++count;
    DarkCount = static_cast<int16_t>(count);
    return DarkCount > limit;
}

bool FindAnchorBox() {
    bool whiteSeen = false, found = false;
    for (int y = 0; y <= 127; ++y) {
        for (int x = 7; x <= 47; ++x) {
            if (ScanDC.Pixel(x, y) == ScanSurface::White) {
                whiteSeen = true;
                continue;
            }
            if (!whiteSeen)
                continue;
            ScanPoint candidate;
            candidate.x = static_cast<int16_t>(x);
            candidate.y = static_cast<int16_t>(y);
            if (!IsMarked(candidate, BoxSize))
                continue;
            if (!found) {
                AnchorPoint.x = candidate.x;
                AnchorPoint.y = candidate.y;
                found = true;
            } else if (candidate.x < AnchorPoint.x) {
                AnchorPoint.x = candidate.x;
            }
            XYToPolar(AnchorPoint);
        }
    }
    return found;
}

bool FindReferenceBox() {
    const int xEnd = std::min(802, 850 - AnchorPoint.x);
    const int yStart = std::max(-static_cast<int>(AnchorPoint.y), -100);
    bool whiteSeen = false, found = false;
    for (int y = yStart; y <= 100 && !found; ++y) {
        for (int x = 772; x <= xEnd; ++x) {
            const uint8_t pixel = ScanDC.Pixel(x, y);
            if (pixel == ScanSurface::White) {
                whiteSeen = true;
                continue;
            }
            ScanPoint candidate;
            candidate.x = static_cast<int16_t>(x);
            candidate.y = static_cast<int16_t>(y);
            if (!whiteSeen || pixel != ScanSurface::Black || !IsMarked(candidate, BoxSize))
                continue;
            ReferencePoint = candidate;
            XYToPolar(ReferencePoint);
            found = true;
        }
    }
    if (found)
        SheetSkew = ReferencePoint.theta;
    return found;
}

Registration RegisterSheet(const PreparedPage& page) {
    ResetScanState();
    ScanDC = ScanSurface(&page);
    if (!FindAnchorBox())
        return Registration::NoAnchorBox;
    ScanDC.SetOrigin(AnchorPoint.x, AnchorPoint.y);
    if (!FindReferenceBox())
        return Registration::NoReferenceBox;
    return Registration::Registered;
}

void ReadDigitColumn(ScanItemCursor& items, std::string& text) {
    const FirstBubble first = LocateFirstBubble(items);
    const int best = DarkestMarked(BubbleCount(first.row.DimY), [&](int i) {
        ScanPoint b = first.base;
        b.y = ToInt16(first.base.y + Step(first.row.dy, i, static_cast<double>(SheetSkew) + 90).y);
        return b;
    });
    text += best < 0 ? std::string("N") : std::to_string(best);
}

void ReadBubbleRow(ScanItemCursor& items, std::string& text, int offset) {
    const int best = DarkestInRow(items);
    if (best >= 0)
        text += std::to_string(best + offset);
    else
        text += offset == 1 ? "0" : "N";
}

void ReadChoiceRow(ScanItemCursor& items, std::string& text) {
    const int best = DarkestInRow(items);
    text = std::to_string(best + 1);
}
