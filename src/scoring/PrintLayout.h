#pragma once
// How a report's form-feed pages go onto sheets of paper: the font size and line spacing that fit the
// printable area, and which lines go onto which sheet. No line and no column is ever cut: the font
// shrinks below its normal size only when the widest line would not fit across the sheet, and a page
// longer than a sheet continues on the next sheet.
#include <string>
#include <vector>

constexpr double ReportFontPoints = 11.5;
// Lines are never closer than the font's size; tighter spacing would let descenders touch ascenders.
constexpr double MinLineSpacingFactor = 1.0;

struct PrintArea {
    double width = 0;  // printable width in points
    double height = 0; // printable height in points
};

// A monospaced font's shape, per point of font size.
struct FontShape {
    double advance = 0.6;      // width of one character
    double lineSpacing = 1.13; // the font's natural distance between lines
};

struct SheetLines {
    int page = 0;      // index of the form-feed page
    int firstLine = 0; // index of its first line on this sheet
    int lineCount = 0;
};

struct ReportLayout {
    double fontPoints = ReportFontPoints;
    double lineSpacing = 0; // points from one baseline to the next
    std::vector<SheetLines> sheets;
};

// Lays out `pages` (each a list of lines, as SplitReportPages gives them): every page starts a new
// sheet; an empty page still takes one sheet.
ReportLayout LayOutReport(const std::vector<std::vector<std::string>>& pages, PrintArea area,
                          FontShape shape);
