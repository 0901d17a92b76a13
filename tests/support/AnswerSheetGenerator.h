#pragma once
// Test pages of the answer sheet as a scanner at 100 dpi gives them: the blank sheet with pencil marks
// (grey, not quite round, not quite full), turned by a small skew, shifted, and speckled.
#include "entry/SheetLayout.h"

#include <QImage>
#include <random>
#include <string>
#include <vector>

struct PencilMark {
    std::size_t location = 0; // index into the layout's locations
    int bubble = 0;
    int grey = 90;         // 0 black .. 255 white
    double coverage = 0.9; // share of the blob the pencil really covers
    double radius = 5.8;   // pixels
};

struct ScanConditions {
    double skewDegrees = 0; // positive turns the sheet clockwise on the image
    double shiftX = 0, shiftY = 0;
    int speckles = 0;  // dark specks of one to four pixels, kept out of the registration corners
    bool blur = false; // a 3 x 3 box blur, as a soft scanner lens gives
    bool grey = false; // a grey scan: luminance in every channel
};

// The blank sheet at 100 dpi (rendered once).
const QImage& BlankSheetImage();

// Draws a pencil mark into `page` (an unturned sheet image) on the given bubble.
void DrawPencilMark(QImage& page, const PencilMark& mark, std::mt19937& rng);

// The page as scanned: turned about its centre, shifted, speckled, blurred, turned grey; white where no
// paper is.
QImage ScanPage(const QImage& page, const ScanConditions& conditions, std::mt19937& rng);

// A sheet with a random mark (or none, one location in five) in every location, as drawn: the page
// and the bubble marked per location (-1 = none).
struct FilledSheet {
    QImage page;
    std::vector<int> marked;
};
FilledSheet RandomFilledSheet(std::mt19937& rng);

// What a reader gives for a location with `bubble` marked (-1 = none).
std::string ExpectedText(const SheetLocation& loc, int bubble);

// Reads every location of a registered page with its own reader, one text per location.
std::vector<std::string> ReadEachLocation(ScanItemCursor& items);
