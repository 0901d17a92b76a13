#include "entry/SheetLayout.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <optional>
#include <set>

LocationKind FieldSequenceKind(int record) {
    if (record >= 10 && record <= 12)
        return LocationKind::ChoiceRow;
    if (record >= 23 && record <= 30)
        return LocationKind::CountRow;
    if (record >= 32 && record <= 180)
        return LocationKind::AnswerRow;
    return LocationKind::DigitColumn;
}

namespace {

constexpr std::size_t MaxLocationName = 30;

// One line of the description split into words; a quoted word may hold blanks.
std::vector<std::string> SplitWords(std::string_view line, int lineNo) {
    std::vector<std::string> words;
    std::size_t i = 0;
    while (i < line.size()) {
        if (line[i] == ' ' || line[i] == '\t' || line[i] == '\r') {
            ++i;
            continue;
        }
        if (line[i] == '#')
            break;
        std::string word;
        if (line[i] == '"') {
            const std::size_t close = line.find('"', i + 1);
            if (close == std::string_view::npos)
                throw SheetLayoutError("line " + std::to_string(lineNo) + ": unclosed quotation mark");
            word = line.substr(i + 1, close - i - 1);
            i = close + 1;
        } else {
            const std::size_t end = line.find_first_of(" \t\r", i);
            word = line.substr(i, end == std::string_view::npos ? std::string_view::npos : end - i);
            i = end == std::string_view::npos ? line.size() : end;
        }
        words.push_back(std::move(word));
    }
    return words;
}

class LineReader {
public:
    LineReader(std::vector<std::string> words, int lineNo) : m_words(std::move(words)), m_lineNo(lineNo) {}

    [[noreturn]] void fail(const std::string& problem) const {
        throw SheetLayoutError("line " + std::to_string(m_lineNo) + ": " + problem);
    }
    const std::string& keyword() const { return m_words[0]; }
    std::size_t size() const { return m_words.size(); }
    void expectAtLeast(std::size_t n) const {
        if (m_words.size() < n + 1)
            fail(keyword() + " needs " + std::to_string(n) + " values");
    }
    void expectExactly(std::size_t n) const {
        if (m_words.size() != n + 1)
            fail(keyword() + " takes " + std::to_string(n) + " values");
    }
    const std::string& word(std::size_t i) const { return m_words[i + 1]; }

    double number(std::size_t i) const {
        const std::string& w = word(i);
        double value = 0;
        auto [end, ec] = std::from_chars(w.data(), w.data() + w.size(), value);
        if (ec != std::errc() || end != w.data() + w.size() || !std::isfinite(value))
            fail("'" + w + "' is not a number");
        return value;
    }
    int integer(std::size_t i, int least = 0) const {
        const std::string& w = word(i);
        int value = 0;
        auto [end, ec] = std::from_chars(w.data(), w.data() + w.size(), value);
        if (ec != std::errc() || end != w.data() + w.size())
            fail("'" + w + "' is not a whole number");
        if (value < least)
            fail("'" + w + "' is less than " + std::to_string(least));
        return value;
    }
    template <typename E, std::size_t N>
    E choose(std::size_t i, const std::pair<const char*, E> (&names)[N]) const {
        for (const auto& [name, value] : names)
            if (word(i) == name)
                return value;
        fail("unknown value '" + word(i) + "'");
    }
    std::vector<std::string> rest(std::size_t from) const {
        return {m_words.begin() + static_cast<std::ptrdiff_t>(from + 1), m_words.end()};
    }

private:
    std::vector<std::string> m_words;
    int m_lineNo;
};

constexpr std::pair<const char*, SheetInk> Inks[] = {{"black", SheetInk::Black},
                                                     {"dropout", SheetInk::Dropout}};
constexpr std::pair<const char*, SheetAlign> Aligns[] = {
    {"left", SheetAlign::Left}, {"centre", SheetAlign::Centre}, {"right", SheetAlign::Right}};
constexpr std::pair<const char*, SheetFontStyle> Styles[] = {
    {"regular", SheetFontStyle::Regular}, {"bold", SheetFontStyle::Bold}, {"italic", SheetFontStyle::Italic}};
constexpr std::pair<const char*, SampleKind> Samples[] = {{"good", SampleKind::Good},
                                                          {"tick", SampleKind::Tick},
                                                          {"cross", SampleKind::Cross},
                                                          {"dot", SampleKind::Dot}};

SheetSquare ReadSquare(const LineReader& in) {
    in.expectExactly(3);
    return {in.integer(0), in.integer(1), in.integer(2, 8)};
}

// name X Y COUNT PITCH: the part every location line starts with.
SheetLocation ReadLocationHead(const LineReader& in, LocationKind kind) {
    SheetLocation loc;
    loc.kind = kind;
    loc.name = in.word(0);
    if (loc.name.empty() || loc.name.size() > MaxLocationName)
        in.fail("a location name has 1 to 30 characters");
    loc.x = in.integer(1);
    loc.y = in.integer(2);
    loc.count = in.integer(3, 1);
    loc.pitch = in.integer(4, 1);
    return loc;
}

void ReadLine(const LineReader& in, SheetLayout& layout, std::vector<int>& locationLines, int lineNo,
              std::set<std::string>& seen) {
    const std::string& key = in.keyword();
    auto addLocation = [&](SheetLocation loc) {
        if (!seen.insert(loc.name).second)
            in.fail("location '" + loc.name + "' appears twice");
        layout.locations.push_back(std::move(loc));
        locationLines.push_back(lineNo);
    };
    if (key == "page") {
        in.expectExactly(2);
        layout.pageWidth = in.integer(0, 1);
        layout.pageHeight = in.integer(1, 1);
    } else if (key == "dropout") {
        in.expectExactly(3);
        layout.dropout = {in.integer(0), in.integer(1), in.integer(2)};
        if (layout.dropout.red > 255 || layout.dropout.green > 255 || layout.dropout.blue > 255)
            in.fail("colour values run from 0 to 255");
        if (Luminance(layout.dropout) < DropoutLeastGrey)
            in.fail("the drop-out ink is too dark to vanish from a grey scan (grey " +
                    std::to_string(static_cast<int>(Luminance(layout.dropout))) + ", at least " +
                    std::to_string(DropoutLeastGrey) + " needed)");
    } else if (key == "anchor") {
        layout.anchor = ReadSquare(in);
    } else if (key == "reference") {
        layout.reference = ReadSquare(in);
    } else if (key == "bubble") {
        in.expectExactly(1);
        layout.bubbleDiameter = in.number(0);
        if (layout.bubbleDiameter <= 0 || layout.bubbleDiameter > BubbleSquare)
            in.fail("a bubble fits the 15 x 15 square that is read");
    } else if (key == "text") {
        in.expectExactly(7);
        layout.texts.push_back({in.number(0), in.number(1), in.number(2), in.choose(3, Styles),
                                in.choose(4, Aligns), in.choose(5, Inks), in.word(6)});
    } else if (key == "rule") {
        in.expectExactly(5);
        layout.rules.push_back({in.number(0), in.number(1), in.number(2), in.number(3), in.choose(4, Inks)});
    } else if (key == "sample") {
        in.expectExactly(3);
        layout.samples.push_back({in.number(0), in.number(1), in.choose(2, Samples)});
    } else if (key == "column") {
        in.expectExactly(5);
        SheetLocation loc = ReadLocationHead(in, LocationKind::DigitColumn);
        for (int i = 0; i < loc.count; ++i)
            loc.labels.push_back(std::to_string(i));
        addLocation(std::move(loc));
    } else if (key == "choice" || key == "count") {
        in.expectAtLeast(6);
        SheetLocation loc =
            ReadLocationHead(in, key == "choice" ? LocationKind::ChoiceRow : LocationKind::CountRow);
        loc.caption = in.word(5);
        loc.labels = in.rest(6);
        if (loc.labels.size() != static_cast<std::size_t>(loc.count))
            in.fail("a row of " + std::to_string(loc.count) + " bubbles needs as many labels");
        addLocation(std::move(loc));
    } else if (key == "answers") {
        in.expectAtLeast(7);
        const int first = in.integer(0, 1);
        const int last = in.integer(1, first);
        const int x = in.integer(2), y = in.integer(3), rowPitch = in.integer(4, 1);
        const int count = in.integer(5, 1), pitch = in.integer(6, 1);
        std::vector<std::string> labels = in.rest(7);
        if (labels.size() != static_cast<std::size_t>(count))
            in.fail("answer rows of " + std::to_string(count) + " bubbles need as many labels");
        for (int item = first; item <= last; ++item) {
            SheetLocation loc;
            loc.kind = LocationKind::AnswerRow;
            loc.name = "Item " + std::to_string(item);
            loc.x = x;
            loc.y = y + rowPitch * (item - first);
            loc.count = count;
            loc.pitch = pitch;
            loc.caption = std::to_string(item);
            loc.labels = labels;
            loc.item = item;
            addLocation(std::move(loc));
        }
    } else {
        in.fail("unknown keyword '" + key + "'");
    }
}

bool SquareOnPage(const SheetLayout& layout, int x, int y, int size) {
    return x >= 0 && y >= 0 && x + size <= layout.pageWidth && y + size <= layout.pageHeight;
}

void CheckLayout(const SheetLayout& layout, const std::vector<int>& locationLines) {
    if (layout.pageWidth == 0)
        throw SheetLayoutError("the page size is missing");
    if (layout.anchor.size == 0 || layout.reference.size == 0)
        throw SheetLayoutError("the anchor and the reference square are both needed");
    if (layout.bubbleDiameter == 0)
        throw SheetLayoutError("the bubble diameter is missing");
    if (Luminance(layout.dropout) == 0)
        throw SheetLayoutError("the drop-out ink is missing");
    for (const SheetSquare* s : {&layout.anchor, &layout.reference})
        if (!SquareOnPage(layout, s->x, s->y, s->size))
            throw SheetLayoutError("a registration square lies off the page");
    if (layout.locations.size() != static_cast<std::size_t>(SheetLocationCount))
        throw SheetLayoutError("the sheet has " + std::to_string(layout.locations.size()) +
                               " locations, not " + std::to_string(SheetLocationCount));
    int nextItem = 1;
    for (std::size_t k = 0; k < layout.locations.size(); ++k) {
        const SheetLocation& loc = layout.locations[k];
        const std::string where =
            "line " + std::to_string(locationLines[k]) + ": location " + std::to_string(k + 1);
        if (loc.kind != FieldSequenceKind(static_cast<int>(k) + 1))
            throw SheetLayoutError(where + " is not of the kind the reading order expects there");
        if (loc.kind == LocationKind::AnswerRow && loc.item != nextItem++)
            throw SheetLayoutError(where + " is not the next answer item");
        for (int i = 0; i < loc.count; ++i)
            if (!SquareOnPage(layout, loc.bubbleX(i) - BubbleSquareCentre,
                              loc.bubbleY(i) - BubbleSquareCentre, BubbleSquare))
                throw SheetLayoutError(where + " has a bubble off the page");
    }
}

} // namespace

double Luminance(const SheetColour& c) {
    return 0.299 * c.red + 0.587 * c.green + 0.114 * c.blue;
}

SheetLayout ParseSheetLayout(std::string_view description) {
    SheetLayout layout;
    std::vector<int> locationLines;
    std::set<std::string> seen;
    int lineNo = 0;
    std::size_t start = 0;
    while (start <= description.size()) {
        std::size_t end = description.find('\n', start);
        if (end == std::string_view::npos)
            end = description.size();
        ++lineNo;
        std::vector<std::string> words = SplitWords(description.substr(start, end - start), lineNo);
        if (!words.empty())
            ReadLine(LineReader(std::move(words), lineNo), layout, locationLines, lineNo, seen);
        start = end + 1;
    }
    CheckLayout(layout, locationLines);
    return layout;
}

const SheetLayout& AnswerSheetLayout() {
    static const SheetLayout layout = ParseSheetLayout(AnswerSheetDescription());
    return layout;
}

std::vector<ScanItemRow> ScanItemRows(const SheetLayout& layout) {
    constexpr double Degrees = 180.0 / 3.14159265358979323846;
    std::vector<ScanItemRow> rows;
    for (const SheetLocation& loc : layout.locations) {
        const int vx = loc.x - BubbleSquareCentre - layout.anchor.x;
        const int vy = loc.y - BubbleSquareCentre - layout.anchor.y;
        ScanItemRow row;
        row.LocationName = loc.name;
        row.r = std::hypot(vx, vy);
        row.theta = std::atan2(vy, vx) * Degrees;
        if (loc.vertical()) {
            row.dy = loc.pitch;
            row.DimY = loc.count;
            row.dimx = 1;
        } else {
            row.dx = loc.pitch;
            row.dimx = loc.count;
            row.DimY = 1;
        }
        rows.push_back(row);
    }
    return rows;
}

std::string ScanItemRowsTsv(const std::vector<ScanItemRow>& rows) {
    std::string out = "LocationName\tr\ttheta\tdx\tdy\tdimx\tDimY\n";
    char buf[160];
    for (const ScanItemRow& row : rows) {
        std::snprintf(buf, sizeof buf, "\t%.6f\t%.6f\t%g\t%g\t%d\t%d\n", row.r, row.theta, row.dx, row.dy,
                      row.dimx, row.DimY);
        out += row.LocationName;
        out += buf;
    }
    return out;
}
