#pragma once
// Test pages of the answer sheet as a scanner at 100 dpi gives them: the blank sheet with pencil marks
// (grey, not quite round, not quite full), turned by a small skew, shifted, and speckled.
#include "entry/SheetLayout.h"

#include <QImage>
#include <random>

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
    int speckles = 0; // dark specks of one to four pixels, kept out of the registration corners
};

// The blank sheet at 100 dpi (rendered once).
const QImage& BlankSheetImage();

// Draws a pencil mark into `page` (an unturned sheet image) on the given bubble.
void DrawPencilMark(QImage& page, const PencilMark& mark, std::mt19937& rng);

// The page as scanned: turned about its centre, shifted, speckled; white where no paper is.
QImage ScanPage(const QImage& page, const ScanConditions& conditions, std::mt19937& rng);
