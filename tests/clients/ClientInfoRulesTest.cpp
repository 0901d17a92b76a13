#include "clients/ClientInfoRules.h"
#include "shell/Clock.h"

#include <cctype>
#include <gtest/gtest.h>
#include <vector>

using namespace std::chrono;

namespace {
class ClientInfoRulesTest : public ::testing::Test {
protected:
    void SetUp() override { SetToday(year_month_day{year{2026}, December, day{6}}); }
    void TearDown() override { SetToday(std::nullopt); }
};

bool Accepts(ClientField f, const char* text) {
    return CheckTextField(f, text).accepted;
}
} // namespace

TEST_F(ClientInfoRulesTest, GoodDateRunsFrom1890UpToToday) {
    const std::pair<const char*, bool> dates[] = {
        {"01/01/1890", true},  {"12/31/1889", false}, {"01/01/2001", true}, {"12/06/2026", true},
        {"12/07/2026", false}, {"02/29/1999", false}, {"02/29/2000", true}, {"04/31/1990", false},
        {"13/01/1990", false}, {"4/17/1990", false}};
    for (const auto& [date, good] : dates)
        EXPECT_EQ(GoodDate(date), good) << date;
}

TEST_F(ClientInfoRulesTest, TextFieldChecksOnBothSidesOfTheirLimits) {
    const std::tuple<ClientField, const char*, bool> cases[] = {
        {ClientField::Name, "   ", false},      {ClientField::SSN, "123-45-6789", true},
        {ClientField::SSN, "123456789", false}, {ClientField::Age, "10", false},
        {ClientField::Age, "11", true},         {ClientField::Age, "99", true},
        {ClientField::Education, "0", true},    {ClientField::Education, "99", true},
        {ClientField::Education, "ab", true},   {ClientField::Education, "-1", false}};
    for (const auto& [field, text, accepted] : cases)
        EXPECT_EQ(Accepts(field, text), accepted) << text;
    EXPECT_EQ(CheckTextField(ClientField::Name, "n").text, "N");
    EXPECT_EQ(CheckTextField(ClientField::Age, " n").text, "N");
    EXPECT_EQ(CheckTextField(ClientField::DateOfBirth, "n_/__/____").text, "N_/__/____");
    for (const char* bad : {"02/30/1999", "01/01/1889", "12/07/2026", "04/17/19__", "N1/__/____"}) {
        EXPECT_FALSE(Accepts(ClientField::DateOfBirth, bad)) << bad;
        EXPECT_EQ(CheckTextField(ClientField::DateOfBirth, bad).text, "__/__/____") << bad;
    }
}

// Each key is let through; every key before the last leaves the text pending, the last selects the entry.
TEST_F(ClientInfoRulesTest, EveryListEntryIsSelectedByItsCodeAndItsLeadingLettersTypedKeyByKey) {
    const std::pair<ClientField, std::vector<std::string>> lists[] = {
        {ClientField::Gender, {"N", "M", "F"}},
        {ClientField::Race, {"N/", "CA", "BL", "HI", "AS", "NA", "OT"}},
        {ClientField::Marital, {"N/", "SI", "MA", "DI", "SE", "WI"}}};
    for (const auto& [field, letters] : lists) {
        ASSERT_EQ(static_cast<int>(letters.size()), ListEntryCount(field));
        for (int entry = 0; entry < ListEntryCount(field); ++entry) {
            const std::string code(1, static_cast<char>('0' + entry));
            std::string lower = letters[static_cast<std::size_t>(entry)];
            for (char& c : lower)
                c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            for (const std::string& keys : {code, letters[static_cast<std::size_t>(entry)], lower}) {
                std::string typed;
                for (char key : keys) {
                    EXPECT_TRUE(FieldAcceptsChar(field, static_cast<unsigned char>(key))) << keys;
                    typed += key;
                    const ListMatch want =
                        typed == keys ? ListMatch{ListMatch::Entry, entry} : ListMatch{ListMatch::Partial};
                    EXPECT_EQ(MatchListText(field, typed), want) << keys << " at " << typed;
                }
            }
            const std::string whole(ListEntries(field)[static_cast<std::size_t>(entry)]);
            EXPECT_EQ(MatchListText(field, whole), (ListMatch{ListMatch::Entry, entry})) << whole;
        }
    }
    for (auto [field, text] : {std::pair{ClientField::Race, "NB"},
                               {ClientField::Race, "/"},
                               {ClientField::Marital, "6"},
                               {ClientField::Gender, "A"},
                               {ClientField::Race, ""}})
        EXPECT_EQ(MatchListText(field, text).kind, ListMatch::None) << text;
    EXPECT_FALSE(CheckListField(ClientField::Race, "N")) << "a text naming no entry is not a choice";
    for (auto [field, c] : {std::pair{ClientField::Marital, U'6'},
                            {ClientField::Gender, U'A'},
                            {ClientField::Race, U'X'},
                            {ClientField::Race, U'\u00e9'}})
        EXPECT_FALSE(FieldAcceptsChar(field, c));
}

TEST_F(ClientInfoRulesTest, AnUnavailableDateIsNoChange) {
    ClientRecord r;
    r.Name = "Ann Lee";
    r.Race = "5";
    r.DateOfBirth = "N";
    auto v = ClientInfoFromRecord(r);
    EXPECT_EQ(v.DateOfBirth, "N_/__/____");
    EXPECT_TRUE(ClientInfoUnchanged(v, r));
    ClientRecord out = r;
    ClientInfoToRecord(v, out);
    EXPECT_EQ(out, r);
    v.Race = 4;
    EXPECT_FALSE(ClientInfoUnchanged(v, r));
}
