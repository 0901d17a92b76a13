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

ScannedSheet ReadSheetFields(ScanItemCursor& items) {
    ScannedSheet sheet;
    int record = 0;
    auto next = [&] {
        if (record++ > 0)
            items.MoveNext();
    };
    // Runs one reader on the current record; an unreadable location gives its blank code.
    auto read = [&](auto reader, std::string& text, const char* blank) {
        try {
            reader();
        } catch (const ScanReadError& e) {
            if (sheet.unreadLocations++ == 0)
                sheet.firstUnreadReason = "record " + std::to_string(record) + ": " + e.what();
            if (FieldSequenceKind(record) == LocationKind::AnswerRow)
                ++sheet.unreadAnswers;
            if (FieldSequenceKind(record) == LocationKind::ChoiceRow)
                text = blank;
            else
                text += blank;
            return;
        }
        if (const Doubt doubt = JudgeMarks(LocationDarkCounts); doubt != Doubt::None) {
            DoubtfulLocation d;
            d.record = record;
            d.item = FieldSequenceKind(record) == LocationKind::AnswerRow ? record - 31 : 0;
            d.doubt = doubt;
            try {
                d.name = items.Current().LocationName;
            } catch (const ScanReadError&) {
                d.name = "location " + std::to_string(record);
            }
            sheet.doubts.push_back(d);
        }
    };
    auto digits = [&](std::string& text, int count) {
        for (int k = 0; k < count; ++k) {
            next();
            read([&] { ReadDigitColumn(items, text); }, text, "N");
        }
    };
    auto choice = [&](std::string& text) {
        next();
        read([&] { ReadChoiceRow(items, text); }, text, "0");
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
        read([&] { ReadBubbleRow(items, sheet.CourtHistory[k], 0); }, sheet.CourtHistory[k], "N");
    }
    digits(sheet.CourtHistory[9], 1);
    for (int item = 1; item <= ItemCount; ++item) {
        next();
        read([&] { ReadBubbleRow(items, sheet.ScannedResponses, 1); }, sheet.ScannedResponses, "0");
    }
    digits(sheet.CourtHistory[9], 1);

    sheet.DateOfBirth = CompleteBirthDate(birth, static_cast<int>(Today().year()));
    sheet.Age = AgeFromBirthDate(sheet.DateOfBirth);
    return sheet;
}
