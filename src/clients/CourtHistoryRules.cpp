#include "clients/CourtHistoryRules.h"

#include "shell/TextValue.h"
#include "shell/TrimBlanks.h"

#include <algorithm>
#include <cctype>

namespace {
struct CourtItemText {
    std::string_view control, label;
};

constexpr std::array<CourtItemText, CourtItemCount> Items = {{
    {"txtAgeAtFirstArrest", "1. Age at first arrest:"},
    {"txtFelonyArrests", "2. Number of felony arrests:"},
    {"txtTimesOnProbation", "3. Number of times on probation:"},
    {"txtProbationRevocations", "4. Number of probation revocations:"},
    {"txtTimesArrested", "5. Total number of times arrested:"},
    {"txtTimesJail", "6. Number of times sentenced to jail:"},
    {"txtTimesPrison", "7. Number of times sentenced to prison:"},
    {"txtAlcoholArrests", "8. Number of alcohol-related arrests:"},
    {"txtDrugArrests", "9. Number of drug-related arrests:"},
    {"txtPercentageTimeEmployed", "10. Number of months employed in last 12 months:"},
}};

const CourtItemText& ItemText(int item) {
    return Items[static_cast<std::size_t>(std::clamp(item, 1, 10) - 1)];
}

bool IsNotAvailable(std::string_view text) {
    return text == "n" || text == "N";
}
} // namespace

CourtCheck CheckCourtValue(std::string_view text, double low, double high) {
    if (IsNotAvailable(text))
        return {true, "N"};
    if (text == "0")
        return {true, "0"};
    const double v = TextValue(text);
    if (low < v && v <= high)
        return {true, std::string(text)};
    return {false, ""};
}

CourtCheck CheckFirstArrestAge(std::string_view text) {
    if (IsNotAvailable(text))
        return {true, "N"};
    const double v = TextValue(text);
    if (v >= 5 && v <= 99)
        return {true, std::string(text)};
    return {false, ""};
}

CourtCheck CheckCourtItem(int item, std::string_view text) {
    std::string shown(TrimBlanks(text));
    std::transform(shown.begin(), shown.end(), shown.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    const CourtCheck check = item == 1    ? CheckFirstArrestAge(shown)
                             : item == 10 ? CheckCourtValue(shown, 0, 12)
                                          : CheckCourtValue(shown, 0, 100);
    return {check.accepted, shown};
}

std::string_view CourtItemLabel(int item) {
    return ItemText(item).label;
}
std::string_view CourtItemControl(int item) {
    return ItemText(item).control;
}

std::string_view CourtItemHelp(int item) {
    if (item == 1)
        return "Type a value 5 to 99 or N for Not Available, then press Enter.";
    if (item == 10)
        return "Type a value 0 to 12 or N for Not Available, then press Enter.";
    return "Type a value 0 to 99 or N for Not Available, then press Enter.";
}

std::string_view CourtItemMessage(int item) {
    if (item == 1)
        return "Enter a number from 5 to 99 or N for Not Available. Press Enter to continue.";
    if (item == 10)
        return "Enter a number from 0 to 12 or N for Not Available. Press Enter to continue.";
    return "Enter a number from 0 to 100 or N for Not Available. Press Enter to continue.";
}

CourtFields GetCourtData(const ClientRecord& record) {
    CourtFields fields;
    for (std::size_t k = 0; k < fields.size(); ++k)
        fields[k] = record.CourtHistory[k].trimmed();
    return fields;
}

void SaveCourtData(const CourtFields& fields, ClientRecord& record) {
    for (std::size_t k = 0; k < fields.size(); ++k)
        record.CourtHistory[k] = fields[k];
}
