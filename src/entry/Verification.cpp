#include "entry/Verification.h"

#include "clients/ClientFile.h"

#include <numeric>

namespace {
// The highest key of the fixed section ranges.
int SectionKeyLimit(int item) {
    if (item >= 1 && item <= 108)
        return 2;
    if (item >= 140 && item <= 149)
        return 5;
    return 4;
}
} // namespace

ItemAnswerLimits SectionAnswerLimits() {
    ItemAnswerLimits limits{};
    for (int item = 1; item <= ItemCount; ++item)
        limits[static_cast<std::size_t>(item)] = item <= 108   ? SectionMaxCode[0]
                                                 : item <= 139 ? SectionMaxCode[1]
                                                               : SectionMaxCode[2];
    return limits;
}

bool VerifyAcceptsDigit(int item, char digit, const ItemAnswerLimits& limits) {
    if (digit < '0' || digit > '9')
        return false;
    const int value = digit - '0';
    if (value > SectionKeyLimit(item))
        return false;
    return item < 1 || item > ItemCount || value <= limits[static_cast<std::size_t>(item)];
}

Verification::Verification(const std::string& storedResponses, const ItemAnswerLimits& limits)
    : m_entry(ItemCount, '0'), m_stored(storedResponses), m_list(ItemCount), m_limits(limits) {
    // Item q is compared with stored position q: the stored answers keep their place, blanks included.
    m_stored.resize(ItemCount, ' ');
    std::iota(m_list.begin(), m_list.end(), 1);
}

Verification::KeyResult Verification::Key(char key) {
    if (key == '\b') {
        if (m_pos < 2)
            return KeyResult::Bell;
        --m_pos;
        return KeyResult::BackedUp;
    }
    const int item = CurrentItem();
    if (!VerifyAcceptsDigit(item, key, m_limits))
        return KeyResult::Bell;
    m_entry[static_cast<std::size_t>(item - 1)] = key;
    if (++m_pos > m_count)
        return KeyResult::PassEnded;
    return KeyResult::Stored;
}

Verification::PassResult Verification::EndPass() {
    if (m_correcting)
        return PassResult::Corrected;
    std::vector<int> differing;
    for (int i = 1; i <= m_count; ++i)
        if (m_stored[static_cast<std::size_t>(i - 1)] != m_entry[static_cast<std::size_t>(i - 1)])
            differing.push_back(i);
    if (differing.empty())
        return PassResult::NoDifferences;
    m_list = std::move(differing);
    m_count = static_cast<int>(m_list.size());
    m_pos = 1;
    m_correcting = true;
    return PassResult::CorrectionNeeded;
}
