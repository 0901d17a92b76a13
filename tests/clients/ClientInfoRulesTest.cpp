#include "clients/ClientInfoRules.h"
#include "shell/Clock.h"

#include <gtest/gtest.h>

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

TEST_F(ClientInfoRulesTest, TypedListSelection) {
    EXPECT_EQ(ListEntryForText(ClientField::Gender, "2"), 2);
    EXPECT_EQ(ListEntryForText(ClientField::Gender, "n"), 0);
    EXPECT_EQ(ListEntryForText(ClientField::Race, "NA"), 5);
    EXPECT_EQ(ListEntryForText(ClientField::Race, "N/"), 0);
    EXPECT_EQ(ListEntryForText(ClientField::Race, "N"), std::nullopt) << "one letter opens the list";
    EXPECT_EQ(ListEntryForText(ClientField::Marital, "se"), 4);
    EXPECT_EQ(ListEntryForText(ClientField::Marital, "6"), std::nullopt);
    EXPECT_FALSE(CheckListField(ClientField::Race, "N")) << "a text naming no entry is not a choice";
    EXPECT_FALSE(FieldAcceptsChar(ClientField::Marital, U'6'));
    EXPECT_TRUE(FieldAcceptsChar(ClientField::Race, U'6'));
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
