#pragma once
// One client: demographics, ten court-history answers, the 149 test responses and two status
// characters, stored as a 235-byte fixed-width record in the client file.
#include "clients/FixedText.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

constexpr int ItemCount = 149;
// The sections of the items: 1..108 answered True or False, 109..139 with a frequency rating,
// 140..149 with one of four answers; the highest answer code of each (0 = no answer).
constexpr int LastTrueFalseItem = 108;
constexpr int LastRatingItem = 139;
constexpr std::array<int16_t, 3> SectionMaxCode = {2, 4, 4};
constexpr int CourtItemCount = 10;
constexpr std::size_t ClientRecordSize = 235;

struct ClientRecord {
    FixedText<25> Name;                                    // offset 0; "N" = not available
    FixedText<11> SSN;                                     // 25; shown as "ID Number:"
    FixedText<3> Age;                                      // 36
    FixedText<1> Gender;                                   // 39; index into GenderNames
    FixedText<1> Race;                                     // 40; index into RaceNames
    FixedText<2> Education;                                // 41
    FixedText<1> Marital;                                  // 43; index into MaritalNames
    FixedText<10> DateOfBirth;                             // 44; "mm/dd/yyyy" or "N"
    FixedText<10> TestDate;                                // 54; "mm/dd/yyyy"
    std::array<FixedText<2>, CourtItemCount> CourtHistory; // 64 + 2*(k-1), item k = index k-1
    FixedText<ItemCount> Responses;                        // 84; item i at index i-1, codes "0".."5"
    FixedText<1> EditCount;                                // 233; "0".."3"
    FixedText<1> NameDeleted;                              // 234; "0" or "1"

    // The 235 bytes as stored on disk.
    std::string ToBytes() const;
    // Fills every field from `bytes`; a shorter input is padded with blanks.
    static ClientRecord FromBytes(std::string_view bytes);
    bool operator==(const ClientRecord&) const = default;
};

// The response code of item i (1..149) in a record.
inline char ResponseOf(const ClientRecord& r, int item) {
    return r.Responses[static_cast<std::size_t>(item - 1)];
}
