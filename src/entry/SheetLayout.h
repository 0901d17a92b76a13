#pragma once
// The answer sheet as its description (data/sheet/answer-sheet.txt) gives it: the page, the two
// registration squares, the printed texts and the 181 read locations in reading order. The sheet
// drawing and the rows of the layout table "ScanItem" are both made from it.
// Units are hundredths of an inch, i.e. pixels of a page scanned at 100 dpi.
#include "entry/ScanItemTable.h"

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

enum class SheetInk { Black, Dropout };
enum class SheetAlign { Left, Centre, Right };
enum class SheetFontStyle { Regular, Bold, Italic };
enum class SampleKind { Good, Tick, Cross, Dot };

// How a location is read: the reader and what an empty location yields.
enum class LocationKind {
    DigitColumn, // digit i for bubble i, "N" when empty
    ChoiceRow,   // i + 1, "0" when empty
    CountRow,    // i, "N" when empty
    AnswerRow,   // i + 1, "0" when empty
};

constexpr int SheetLocationCount = 181;

// The kind of location the reading order expects at record `record` (1..181): 1-9 ID digits, 10-12
// gender, ethnicity and marital choices, 13-22 birth date, education and first-arrest digits, 23-30
// court counts, 31 months employed (first digit), 32-180 answers 1-149, 181 months employed (second).
LocationKind FieldSequenceKind(int record);

// Side of the square examined for a bubble mark, and where the printed bubble sits in it.
constexpr int BubbleSquare = 15;
constexpr int BubbleSquareCentre = 7;

struct SheetSquare {
    int x = 0, y = 0, size = 0; // top-left corner and side
};

struct SheetText {
    double x = 0, y = 0; // anchor point on the baseline
    double size = 0;     // points
    SheetFontStyle style = SheetFontStyle::Regular;
    SheetAlign align = SheetAlign::Left;
    SheetInk ink = SheetInk::Black;
    std::string words; // UTF-8
};

struct SheetRule {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    SheetInk ink = SheetInk::Black;
};

struct SheetSample {
    double x = 0, y = 0; // centre
    SampleKind kind = SampleKind::Good;
};

struct SheetLocation {
    std::string name; // the layout table's LocationName, at most 30 characters
    LocationKind kind = LocationKind::DigitColumn;
    int x = 0, y = 0;    // centre pixel of the first bubble
    int count = 0;       // bubbles
    int pitch = 0;       // distance between neighbouring bubbles: downwards in a column, rightwards in a row
    std::string caption; // printed beside the location (rows), empty for digit columns
    std::vector<std::string> labels; // one per bubble; "|" breaks a label's line
    int item = 0;                    // answer rows: the questionnaire item number

    bool vertical() const { return kind == LocationKind::DigitColumn; }
    // Centre pixel of bubble i.
    int bubbleX(int i) const { return vertical() ? x : x + pitch * i; }
    int bubbleY(int i) const { return vertical() ? y + pitch * i : y; }
};

struct SheetColour {
    int red = 0, green = 0, blue = 0;
};

// Drop-out ink must vanish from a colour scan (brightest channel) and from a grey scan or a
// photocopy (luminance) alike; this is the least luminance allowed, of 255.
constexpr int DropoutLeastGrey = 215;
// Luminance of a colour, 0..255 (ITU-R BT.601 weights, as grey scanners and copiers use).
double Luminance(const SheetColour& colour);

struct SheetLayout {
    int pageWidth = 0, pageHeight = 0;
    SheetColour dropout; // the drop-out ink of bubbles, their labels and the light rules
    SheetSquare anchor, reference;
    double bubbleDiameter = 0;
    std::vector<SheetText> texts;
    std::vector<SheetRule> rules;
    std::vector<SheetSample> samples;
    std::vector<SheetLocation> locations; // in reading order
};

class SheetLayoutError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Parses a sheet description and checks that its locations fit the order in which the sheet is read
// (the kinds of the 181 locations, answer rows numbered 1 to 149) and lie on the page. Throws
// SheetLayoutError with the line number and the problem.
SheetLayout ParseSheetLayout(std::string_view description);

// The description built into the program, parsed once.
const SheetLayout& AnswerSheetLayout();
// Its text (data/sheet/answer-sheet.txt at build time).
std::string_view AnswerSheetDescription();

// The "ScanItem" rows of a layout, in reading order: r and theta of each location's point (the
// top-left corner of the square read for its first bubble) from the anchor box's top-left corner,
// the pitch and the bubble count; x and y are 0.
std::vector<ScanItemRow> ScanItemRows(const SheetLayout& layout);

// The rows as tab-separated text: a header line "LocationName r theta dx dy dimx DimY", then one
// line per row.
std::string ScanItemRowsTsv(const std::vector<ScanItemRow>& rows);
