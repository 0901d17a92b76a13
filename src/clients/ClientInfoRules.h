#pragma once
// The rules of the client information window, free of any widget: what each field accepts on Enter
// and with which message it refuses, the typed selection in the list fields, the edit counting with
// its limit, and the transfer between the fields and a client record. Texts are Windows-1252 bytes.
#include "clients/ClientRecord.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The eight fields in entry order; the value is the field's lblInfo index.
enum class ClientField : int { Name, SSN, Age, Gender, Race, Education, Marital, DateOfBirth };
constexpr int ClientFieldCount = 8;
constexpr int EditLimit = 3;

// The current client's EditCount and NameDeleted as numbers while its information is open.
extern int16_t EditCountNow;
extern int16_t NameDeletedNow;

// What an empty date field and a "not available" date field show.
constexpr std::string_view EmptyDateText = "__/__/____";
constexpr std::string_view NoDateText = "N_/__/____";

// The eight fields' contents: texts as shown, list fields as their position (-1 = nothing chosen).
struct ClientInfoValues {
    std::string Name, SSN, Age;
    int Gender = -1, Race = -1;
    std::string Education;
    int Marital = -1;
    std::string DateOfBirth{EmptyDateText}; // the masked field's text, blanks shown as "_"
};

bool IsListField(ClientField field);
// The entries of a list field in list order (the position is the stored code).
const std::array<std::string_view, 7>& ListEntries(ClientField field);
int ListEntryCount(ClientField field);
// The label, help line and refusal message of a field.
std::string_view FieldLabel(ClientField field);
std::string_view FieldHelp(ClientField field);
std::string_view FieldMessage(ClientField field);

// True for a date "mm/dd/yyyy" that exists in the calendar and lies from 1 January 1890 up to and
// including today (Clock's Today()).
bool GoodDate(std::string_view text);

// Whether a character typed into a field is let through by its key filter (Enter, Tab and Backspace
// are not filtered here). A list field accepts the digits of its codes and, in either case, every
// character of the leading letters that select its entries ("N", "/", "C", "A", ... for ethnicity).
bool FieldAcceptsChar(ClientField field, char32_t c);

// The list entry that a typed text selects: a code digit, the leading letters of an entry (first
// letter for the sex list, first two for the others, compared upper-cased) or an entry's whole text.
std::optional<int> ListEntryForText(ClientField field, std::string_view text);

// What the text typed so far into a list field amounts to: an entry (as ListEntryForText); the
// beginning of an entry's leading letters, which further keys complete ("N" in the ethnicity list,
// on the way to "N/" or "NA"): nothing to select and nothing to open yet; or nothing at all, the one
// case in which the window opens the list for the user to pick from.
struct ListMatch {
    enum Kind { Entry, Partial, None };
    Kind kind = None;
    int entry = -1; // the selected entry when kind is Entry
    bool operator==(const ListMatch&) const = default;
};
ListMatch MatchListText(ClientField field, std::string_view typed);

// The Enter check of a text field: whether the text is accepted and what the field holds afterwards
// (normalised when accepted, emptied where a refused field is emptied).
struct FieldCheck {
    bool accepted = false;
    std::string text;
};
FieldCheck CheckTextField(ClientField field, std::string_view text);
// The Enter check of a list field: its text must select an entry.
bool CheckListField(ClientField field, std::string_view text);

// The value of a field in LoadedValues form: texts as they are, list positions as decimal text.
std::string ClientFieldText(const ClientInfoValues& values, ClientField field);

// The fields as loaded when an existing client's information is opened; empty for a new client.
using LoadedFieldValues = std::array<std::optional<std::string>, ClientFieldCount>;
LoadedFieldValues LoadedValuesOf(const ClientInfoValues& values);

enum class FieldChange { Unchanged, Counted, LimitReached };
// Counts a change of `field` against its loaded value: a differing value raises editCountNow by one
// and becomes the field's new loaded value while the count stays below the limit; the change that
// reaches the limit sets the count to the limit and returns LimitReached.
FieldChange RecordFieldChange(ClientField field, const std::string& current, LoadedFieldValues& loaded,
                              int16_t& editCountNow);

// The fields filled from a record: texts trimmed, list positions from the codes, the date "N" for a
// record without one.
ClientInfoValues ClientInfoFromRecord(const ClientRecord& record);
// Writes the fields into a record: texts as shown, list positions as one digit, the date "N" when
// the field begins with "N".
void ClientInfoToRecord(const ClientInfoValues& values, ClientRecord& record);
// True when the fields hold exactly what the record stores.
bool ClientInfoUnchanged(const ClientInfoValues& values, const ClientRecord& record);
// Starts a new client's record: no answers, not deleted, never edited, registered today.
void StartNewClientRecord(ClientRecord& record);

// The lock of a record: its name was deleted, or its information was changed the allowed number of times.
bool RecordLocked(int16_t nameDeleted, int16_t editCount);
// EditCount or NameDeleted of a record as a number (a blank or non-digit counts as 0).
int16_t StatusNumber(const FixedText<1>& field);
