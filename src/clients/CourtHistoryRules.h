#pragma once
// The rules of the court history window: the ten items' labels, help lines, Enter checks and
// messages, and the transfer between the fields and a client record.
#include "clients/ClientRecord.h"

#include <array>
#include <string>
#include <string_view>

using CourtFields = std::array<std::string, CourtItemCount>;

// The result of a check: whether the text is accepted and what the field holds afterwards ("n"
// becomes "N"; a refused copy is emptied).
struct CourtCheck {
    bool accepted = false;
    std::string text;
};

// True for "N" (a single "n" or "N"), for the exact text "0", and for a text whose leading value v
// satisfies low < v <= high.
CourtCheck CheckCourtValue(std::string_view text, double low, double high);
// True for "N" and for a leading value from 5 to 99.
CourtCheck CheckFirstArrestAge(std::string_view text);

// The Enter check of item k (1..10) on the field's trimmed, upper-cased text: item 1 the age at
// first arrest, items 2 to 9 counts up to 100, item 10 months up to 12. The returned text is what
// the field shows afterwards (the trimmed, upper-cased text, also when refused).
CourtCheck CheckCourtItem(int item, std::string_view text);

std::string_view CourtItemLabel(int item);
std::string_view CourtItemHelp(int item);
std::string_view CourtItemMessage(int item);
// The names of the ten fields in entry order.
std::string_view CourtItemControl(int item);

// The fields of a record's court history (trimmed), and the fields written back into it.
CourtFields GetCourtData(const ClientRecord& record);
void SaveCourtData(const CourtFields& fields, ClientRecord& record);
