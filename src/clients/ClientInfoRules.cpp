#include "clients/ClientInfoRules.h"

#include "clients/ClientFile.h"
#include "shell/Clock.h"
#include "shell/TextValue.h"
#include "shell/TrimBlanks.h"

#include <algorithm>
#include <cctype>
#include <chrono>

int16_t EditCountNow = 0;
int16_t NameDeletedNow = 0;

namespace {
constexpr std::array<std::string_view, 7> GenderEntries = {"N/A", "Male", "Female"};
constexpr std::array<std::string_view, 7> RaceEntries = {"N/A",   "Caucasian",       "Black", "Hispanic",
                                                         "Asian", "Native American", "Other"};
constexpr std::array<std::string_view, 7> MaritalEntries = {"N/A",      "Single",    "Married",
                                                            "Divorced", "Separated", "Widowed"};
constexpr std::array<std::string_view, 7> NoEntries = {};

struct FieldText {
    std::string_view label, help, message;
};

constexpr std::array<FieldText, ClientFieldCount> FieldTexts = {{
    {"Name:", "Type client's name (up to 25 characters) or N for Not Available, then press Enter.",
     "Enter client's name. Press Enter to continue."},
    {"ID Number:", "Type ID number or N for Not Available, then press Enter.",
     "Enter ID number of the client or N for Not Available. Press Enter to continue."},
    {"Age:", "Type age in years or N for Not Available, then press Enter.",
     "Enter age of client in number of years. Press Enter to continue."},
    {"Sex:", "Use up or down arrow keys to select sex or N/A for Not Available, then press Enter.",
     "Press down arrow to select sex or N/A for Not Available. Press Enter to continue."},
    {"Ethnicity (Race):",
     "Use up or down arrow keys to select ethnicity/race or N/A for Not Available, then press Enter.",
     "Press down arrow to select ethnicity. Press Enter to continue."},
    {"Education (highest grade completed):",
     "Enter years of education or N for Not Available, then press Enter.",
     "Enter education level of client in number of years. Press Enter to continue."},
    {"Marital Status:",
     "Use up or down arrow keys to select marital status or N/A for Not Available, then press Enter.",
     "Press down arrow key to select marital status. Press Enter to continue."},
    {"Date of Birth:", "Type date of birth in the form MM/DD/YYYY or N for Not Available, then press Enter.",
     "Enter date of birth month, day, year as MM/DD/YYYY or N for Not Available. Press Enter to continue."},
}};

const FieldText& TextsOf(ClientField field) {
    return FieldTexts[static_cast<std::size_t>(field)];
}

bool IsNotAvailable(std::string_view text) {
    return text == "n" || text == "N";
}

std::string Upper(std::string_view text) {
    std::string s(text);
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return s;
}

int TwoDigits(std::string_view text, std::size_t at) {
    char a = text[at], b = text[at + 1];
    if (!std::isdigit(static_cast<unsigned char>(a)) || !std::isdigit(static_cast<unsigned char>(b)))
        return -1;
    return (a - '0') * 10 + (b - '0');
}

std::string CodeText(int position) {
    return position >= 0 && position <= 9 ? std::to_string(position) : "";
}

int CodeOf(const FixedText<1>& field, ClientField list) {
    char c = field[0];
    if (c < '0' || c > '9')
        return -1;
    int code = c - '0';
    return code < ListEntryCount(list) ? code : -1;
}

// What RecordToDB stores for the date field.
std::string StoredDate(std::string_view fieldText) {
    if (!fieldText.empty() && std::toupper(static_cast<unsigned char>(fieldText[0])) == 'N')
        return "N";
    return std::string(fieldText);
}
} // namespace

bool IsListField(ClientField field) {
    return field == ClientField::Gender || field == ClientField::Race || field == ClientField::Marital;
}

const std::array<std::string_view, 7>& ListEntries(ClientField field) {
    switch (field) {
    case ClientField::Gender:
        return GenderEntries;
    case ClientField::Race:
        return RaceEntries;
    case ClientField::Marital:
        return MaritalEntries;
    default:
        return NoEntries;
    }
}

int ListEntryCount(ClientField field) {
    const auto& entries = ListEntries(field);
    return static_cast<int>(std::count_if(entries.begin(), entries.end(), [](auto e) { return !e.empty(); }));
}

std::string_view FieldLabel(ClientField field) {
    return TextsOf(field).label;
}
std::string_view FieldHelp(ClientField field) {
    return TextsOf(field).help;
}
std::string_view FieldMessage(ClientField field) {
    return TextsOf(field).message;
}

bool GoodDate(std::string_view text) {
    if (text.size() != 10 || text[2] != '/' || text[5] != '/')
        return false;
    const int month = TwoDigits(text, 0);
    const int day = TwoDigits(text, 3);
    const int high = TwoDigits(text, 6), low = TwoDigits(text, 8);
    if (month < 0 || day < 0 || high < 0 || low < 0)
        return false;
    using namespace std::chrono;
    const year_month_day date{year{high * 100 + low}, std::chrono::month{static_cast<unsigned>(month)},
                              std::chrono::day{static_cast<unsigned>(day)}};
    return date.ok() && date >= year_month_day{year{1890}, January, std::chrono::day{1}} && date <= Today();
}

bool FieldAcceptsChar(ClientField field, char32_t c) {
    const bool digit = c >= U'0' && c <= U'9';
    const bool notAvailable = c == U'N' || c == U'n';
    switch (field) {
    case ClientField::SSN:
        return digit || c == U'-' || notAvailable;
    case ClientField::DateOfBirth:
        return digit || c == U'/' || notAvailable;
    case ClientField::Gender:
    case ClientField::Race:
    case ClientField::Marital:
        return notAvailable || (digit && static_cast<int>(c - U'0') < ListEntryCount(field));
    default:
        return true;
    }
}

std::optional<int> ListEntryForText(ClientField field, std::string_view text) {
    if (!IsListField(field) || text.empty())
        return std::nullopt;
    const int count = ListEntryCount(field);
    const auto& entries = ListEntries(field);
    if (text.size() == 1 && text[0] >= '0' && text[0] < '0' + count)
        return text[0] - '0';
    const std::string typed = Upper(text);
    for (int i = 0; i < count; ++i)
        if (typed == Upper(entries[static_cast<std::size_t>(i)]))
            return i;
    const std::size_t letters = field == ClientField::Gender ? 1 : 2;
    if (typed.size() < letters)
        return std::nullopt;
    for (int i = 0; i < count; ++i)
        if (typed.compare(0, letters, Upper(entries[static_cast<std::size_t>(i)].substr(0, letters))) == 0)
            return i;
    return std::nullopt;
}

FieldCheck CheckTextField(ClientField field, std::string_view text) {
    const std::string_view trimmed = TrimBlanks(text);
    switch (field) {
    case ClientField::Name:
        if (trimmed.empty())
            return {false, std::string(text)};
        return {true, IsNotAvailable(text) ? std::string("N") : std::string(text)};
    case ClientField::SSN:
        if (IsNotAvailable(trimmed))
            return {true, "N"};
        if (trimmed.size() == 11)
            return {true, std::string(trimmed)};
        return {false, ""};
    case ClientField::Age:
    case ClientField::Education: {
        if (IsNotAvailable(trimmed))
            return {true, "N"};
        const double v = TextValue(trimmed);
        const bool ok = field == ClientField::Age ? v > 10 && v < 100 : v >= 0 && v < 100;
        return ok ? FieldCheck{true, std::string(trimmed)} : FieldCheck{false, ""};
    }
    case ClientField::DateOfBirth: {
        const std::string upper = Upper(TrimBlanks(text));
        if (upper == NoDateText)
            return {true, upper};
        if (upper.find('_') == std::string::npos && GoodDate(upper))
            return {true, upper};
        return {false, std::string(EmptyDateText)};
    }
    default:
        return {false, std::string(text)};
    }
}

bool CheckListField(ClientField field, std::string_view text) {
    return ListEntryForText(field, TrimBlanks(text)).has_value();
}

std::string FieldValue(const ClientInfoValues& v, ClientField field) {
    switch (field) {
    case ClientField::Name:
        return v.Name;
    case ClientField::SSN:
        return v.SSN;
    case ClientField::Age:
        return v.Age;
    case ClientField::Gender:
        return CodeText(v.Gender);
    case ClientField::Race:
        return CodeText(v.Race);
    case ClientField::Education:
        return v.Education;
    case ClientField::Marital:
        return CodeText(v.Marital);
    case ClientField::DateOfBirth:
        return v.DateOfBirth;
    }
    return {};
}

LoadedFieldValues LoadedValuesOf(const ClientInfoValues& values) {
    LoadedFieldValues loaded;
    for (int i = 0; i < ClientFieldCount; ++i)
        loaded[static_cast<std::size_t>(i)] = FieldValue(values, static_cast<ClientField>(i));
    return loaded;
}

FieldChange RecordFieldChange(ClientField field, const std::string& current, LoadedFieldValues& loaded,
                              int16_t& editCountNow) {
    auto& entry = loaded[static_cast<std::size_t>(field)];
    if (!entry || *entry == current)
        return FieldChange::Unchanged;
    ++editCountNow;
    if (editCountNow < EditLimit) {
        entry = current;
        return FieldChange::Counted;
    }
    editCountNow = EditLimit;
    return FieldChange::LimitReached;
}

ClientInfoValues ClientInfoFromRecord(const ClientRecord& r) {
    ClientInfoValues v;
    v.Name = r.Name.trimmed();
    v.SSN = r.SSN.trimmed();
    v.Age = r.Age.trimmed();
    v.Gender = CodeOf(r.Gender, ClientField::Gender);
    v.Race = CodeOf(r.Race, ClientField::Race);
    v.Education = r.Education.trimmed();
    v.Marital = CodeOf(r.Marital, ClientField::Marital);
    const std::string date = r.DateOfBirth.trimmed();
    if (!date.empty() && date[0] == 'N')
        v.DateOfBirth = NoDateText;
    else if (date.size() == 10)
        v.DateOfBirth = date;
    return v;
}

void ClientInfoToRecord(const ClientInfoValues& v, ClientRecord& r) {
    r.Name = v.Name;
    r.SSN = v.SSN;
    r.Age = v.Age;
    r.Gender = CodeText(v.Gender);
    r.Race = CodeText(v.Race);
    r.Education = v.Education;
    r.Marital = CodeText(v.Marital);
    r.DateOfBirth = StoredDate(v.DateOfBirth);
}

bool ClientInfoUnchanged(const ClientInfoValues& values, const ClientRecord& record) {
    ClientRecord written = record;
    ClientInfoToRecord(values, written);
    auto same = [](const auto& a, const auto& b) { return a.trimmed() == b.trimmed(); };
    return same(written.Name, record.Name) && same(written.SSN, record.SSN) &&
           same(written.Age, record.Age) && same(written.Gender, record.Gender) &&
           same(written.Race, record.Race) && same(written.Education, record.Education) &&
           same(written.Marital, record.Marital) && same(written.DateOfBirth, record.DateOfBirth);
}

void StartNewClientRecord(ClientRecord& record) {
    record.Responses = std::string(ItemCount, '0');
    record.NameDeleted = "0";
    record.EditCount = "0";
    record.TestDate = FormatDate(Today());
}

bool RecordLocked(int16_t nameDeleted, int16_t editCount) {
    return nameDeleted == 1 || editCount >= EditLimit;
}

int16_t StatusNumber(const FixedText<1>& field) {
    char c = field[0];
    return c >= '0' && c <= '9' ? static_cast<int16_t>(c - '0') : 0;
}
