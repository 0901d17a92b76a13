#include "entry/SheetFields.h"

#include "clients/ClientFile.h"
#include "entry/MarkReading.h"
#include "shell/Clock.h"

#include <cctype>

std::string CompleteBirthDate(const std::string& shortDate, int currentYear) {
    const std::string year = shortDate.size() >= 2 ? shortDate.substr(shortDate.size() - 2) : shortDate;
    std::string century = "19";
    if (year.size() == 2 && std::isdigit(static_cast<unsigned char>(year[0])) &&
        std::isdigit(static_cast<unsigned char>(year[1])) && 2000 + std::stoi(year) <= currentYear - 11)
        century = "20";
    return shortDate.substr(0, 6) + century + year;
}

namespace {

// Runs one reader on the current record; a location that cannot be read is skipped.
template <typename Reader> void ReadLocation(Reader reader) {
    try {
        reader();
    } catch (const ScanReadError&) {
    }
}

} // namespace

ScannedSheet ReadSheetFields(ScanItemCursor& items) {
    ScannedSheet sheet;
    int record = 0;
    auto next = [&] {
        if (record++ > 0)
            items.MoveNext();
    };
    auto digits = [&](std::string& text, int count) {
        for (int k = 0; k < count; ++k) {
            next();
            ReadLocation([&] { ReadDigitColumn(items, text); });
        }
    };
    auto choice = [&](std::string& text) {
        next();
        ReadLocation([&] { ReadChoiceRow(items, text); });
    };

    items.MoveFirst();
    digits(sheet.SSN, 3);
    sheet.SSN += "-";
    digits(sheet.SSN, 2);
    sheet.SSN += "-";
    digits(sheet.SSN, 4);
    choice(sheet.Gender);
    choice(sheet.Race);
    choice(sheet.Marital);
    std::string birth;
    digits(birth, 2);
    birth += "/";
    digits(birth, 2);
    birth += "/";
    digits(birth, 2);
    digits(sheet.Education, 2);
    digits(sheet.CourtHistory[0], 2);
    for (std::size_t k = 1; k <= 8; ++k) {
        next();
        ReadLocation([&] { ReadBubbleRow(items, sheet.CourtHistory[k], 0); });
    }
    digits(sheet.CourtHistory[9], 1);
    for (int item = 1; item <= ItemCount; ++item) {
        next();
        ReadLocation([&] { ReadBubbleRow(items, sheet.ScannedResponses, 1); });
    }
    digits(sheet.CourtHistory[9], 1);

    sheet.DateOfBirth = CompleteBirthDate(birth, static_cast<int>(Today().year()));
    sheet.Age = AgeFromBirthDate(sheet.DateOfBirth);
    return sheet;
}
