#pragma once
// The printed answer sheet, drawn from its description: black registration squares, black headings,
// instructions and item numbers, bubbles and their letters in a drop-out red that page preparation
// turns white. One drawing serves the PDF for printing and the 100 dpi image for tests.
#include "entry/SheetLayout.h"

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QString>

class QPainter;

// The drop-out ink of the layout: white to page preparation in colour and in grey.
QColor DropoutInk(const SheetLayout& layout);

// Draws the sheet with `painter` scaled so that one unit is a hundredth of an inch.
void DrawAnswerSheet(QPainter& painter, const SheetLayout& layout);

// The sheet as a white RGB image at `dpi` dots per inch (100 for a page as the scanner gives it).
QImage RenderAnswerSheet(const SheetLayout& layout, int dpi = 100);

// The sheet as a one-page PDF of 8.5 x 14 inches at exact scale, composed in memory so that the
// caller can check every byte of its write; empty when drawing fails.
QByteArray AnswerSheetPdf(const SheetLayout& layout);
