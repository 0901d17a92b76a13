#pragma once
// Double-entry verification, free of any widget: the first keying of all items against the stored
// answers, then a correction pass over the items that differ.
#include "clients/ClientRecord.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// The highest digit each item (1..149) takes: its number of answers. Index 0 is unused.
using ItemAnswerLimits = std::array<int, ItemCount + 1>;
// Limits from the answer codes scoring accepts in each section (2, 4, 4).
ItemAnswerLimits SectionAnswerLimits();

// Whether `digit` may be keyed for item `item`: within the section's keys ("0".."2" for items 1..108,
// "0".."4" for 109..139, "0".."5" for 140..149; any other item number as section 2) and not above the
// item's number of answers.
bool VerifyAcceptsDigit(int item, char digit, const ItemAnswerLimits& limits);

class Verification {
public:
    enum class KeyResult { Bell, Stored, BackedUp, PassEnded };
    enum class PassResult { CorrectionNeeded, NoDifferences, Corrected };

    // Starts the first pass over items 1..149 against the client's stored answers.
    Verification(const std::string& storedResponses, const ItemAnswerLimits& limits);

    // A key typed in the entry box: a digit, or '\b' for Backspace. Anything else rings the bell.
    KeyResult Key(char key);
    // After KeyResult::PassEnded: compares (first pass) or finishes (correction pass). A first pass
    // with differences starts the correction pass over the differing items, in ascending order.
    PassResult EndPass();

    int VerifyPos() const { return m_pos; }
    int VerifyCount() const { return m_count; }
    bool Correcting() const { return m_correcting; }
    // The item at position p (1..VerifyCount).
    int ItemAt(int p) const { return m_list[static_cast<std::size_t>(p - 1)]; }
    int CurrentItem() const { return ItemAt(m_pos); }
    // The digit keyed for `item` so far ('0' until keyed).
    char EntryOf(int item) const { return m_entry[static_cast<std::size_t>(item - 1)]; }
    // The second keying with the corrections: the answers to store.
    const std::string& VerifyEntry() const { return m_entry; }

private:
    std::string m_entry;
    std::string m_stored;
    std::vector<int> m_list;
    int m_pos = 1;
    int m_count = ItemCount;
    bool m_correcting = false;
    ItemAnswerLimits m_limits;
};
