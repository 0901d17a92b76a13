#pragma once
// Optical mark reading on a prepared (pure black and white) page scanned at 100 dpi: registration by
// the anchor and reference boxes, and the three readers of the layout table's locations.
// Coordinates are pixels, x to the right and y downwards.
#include "entry/ScanItemTable.h"

#include <cstdint>
#include <string>
#include <vector>

// One point as the reading routines pass it.
struct ScanPoint {
    int16_t x = 0;
    int16_t y = 0;
    float r = 0;     // distance from the origin, pixels
    float theta = 0; // direction from the origin, degrees (0 = right, 90 = down)
};

// A prepared page: one byte per pixel, row after row; 255 is white, 0 is black.
struct PreparedPage {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> pixels;
};

// Pixel reads on a prepared page through a movable origin, the scan's device context.
// Pixels outside the page read as white, so the page edge never passes for a mark.
class ScanSurface {
public:
    ScanSurface() = default;
    explicit ScanSurface(const PreparedPage* page) : m_page(page) {}

    void SetOrigin(int x, int y) {
        m_originX = x;
        m_originY = y;
    }
    int originX() const { return m_originX; }
    int originY() const { return m_originY; }

    uint8_t Pixel(int x, int y) const {
        const int px = x + m_originX, py = y + m_originY;
        if (!m_page || px < 0 || py < 0 || px >= m_page->width || py >= m_page->height)
            return White;
        return m_page->pixels[static_cast<std::size_t>(py) * static_cast<std::size_t>(m_page->width) +
                              static_cast<std::size_t>(px)];
    }

    static constexpr uint8_t White = 255;
    static constexpr uint8_t Black = 0;

private:
    const PreparedPage* m_page = nullptr;
    int m_originX = 0, m_originY = 0;
};

// Registration state of the scan in progress.
extern ScanSurface ScanDC;
extern ScanPoint AnchorPoint;    // anchor box, image pixels
extern ScanPoint ReferencePoint; // reference box relative to the anchor; its theta is the skew
extern float SheetSkew;          // degrees
extern int16_t DarkCount;        // non-white pixels found by the last IsMarked
// The DarkCount of each bubble of the location read last, in bubble order.
extern std::vector<int16_t> LocationDarkCounts;
// Why a position could not be stored in the layout table during this scan ("" when every store
// worked). The readers then use the position they computed and go on.
extern std::string PositionStoreFailure;

// Clears the registration state and points ScanDC at nothing (before a scan, and in tests).
void ResetScanState();

// Fills x and y from r and theta (rounded half to even). Throws ScanReadError when a coordinate does
// not fit 16 bits.
void PolarToXY(ScanPoint& point);
// Fills r and theta from x and y; theta is 90 when x is 0 (no quadrant correction).
void XYToPolar(ScanPoint& point);

// Counts the non-white pixels of the square at `point` into DarkCount: 8 x 8 for a registration box
// (size 8, marked above 19.2), 15 x 15 for a bubble (size 14, marked above 9.8).
bool IsMarked(const ScanPoint& point, int size);

// Searches x 7..47, y 0..127 of the image for the anchor box; sets AnchorPoint to the leftmost hit x
// and the y of the first row with a hit.
bool FindAnchorBox();
// Searches x 772..min(802, 850 - anchor x), y max(-anchor y, -100)..100 from the origin (the anchor)
// for the reference box; sets ReferencePoint and SheetSkew.
bool FindReferenceBox();

enum class Registration { Registered, NoAnchorBox, NoReferenceBox };

// Points ScanDC at `page`, finds the anchor box, moves the origin to it and finds the reference box.
Registration RegisterSheet(const PreparedPage& page);

// The readers: each takes the current record of `items`, stores where its first bubble lies on this
// sheet (x, y) and extends `text`. Throw ScanReadError when the record cannot be read; `text` is then
// unchanged. A failed store is noted in PositionStoreFailure and does not stop the reading.
//   ReadDigitColumn: the digit of the darkest marked bubble, "N" when none is marked.
//   ReadBubbleRow: i + offset of the darkest marked bubble i; when none is, "N" for offset 0 and "0"
//   for offset 1.
//   ReadChoiceRow: i + 1 of the darkest marked bubble, "0" when none is.
// On equal darkness the lower bubble wins.
void ReadDigitColumn(ScanItemCursor& items, std::string& text);
void ReadBubbleRow(ScanItemCursor& items, std::string& text, int offset);
void ReadChoiceRow(ScanItemCursor& items, std::string& text);
