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
    EXPECT_TRUE(GoodDate("01/01/1890"));
    EXPECT_FALSE(GoodDate("12/31/1889"));
    EXPECT_TRUE(GoodDate("01/01/2001")) << "adults born since 2001 must be registrable";
    EXPECT_TRUE(GoodDate("12/06/2026"));
    EXPECT_FALSE(GoodDate("12/07/2026"));
    EXPECT_FALSE(GoodDate("02/30/1990"));
    EXPECT_FALSE(GoodDate("02/29/1999"));
    EXPECT_TRUE(GoodDate("02/29/2000"));
    EXPECT_FALSE(GoodDate("04/31/1990"));
    EXPECT_FALSE(GoodDate("13/01/1990"));
    EXPECT_FALSE(GoodDate("00/10/1990"));
    EXPECT_FALSE(GoodDate("4/17/1990"));
    EXPECT_FALSE(GoodDate("04-17-1990"));
}

TEST_F(ClientInfoRulesTest, TextFieldChecksOnBothSidesOfTheirLimits) {
    EXPECT_FALSE(Accepts(ClientField::Name, ""));
    EXPECT_FALSE(Accepts(ClientField::Name, "   "));
    EXPECT_EQ(CheckTextField(ClientField::Name, "n").text, "N");
    EXPECT_EQ(CheckTextField(ClientField::Name, "Ann Lee").text, "Ann Lee");

    EXPECT_TRUE(Accepts(ClientField::SSN, "123-45-6789"));
    EXPECT_FALSE(Accepts(ClientField::SSN, "123456789"));
    EXPECT_EQ(CheckTextField(ClientField::SSN, "123456789").text, "") << "a refused ID is emptied";
    EXPECT_EQ(CheckTextField(ClientField::SSN, "n").text, "N");

    EXPECT_FALSE(Accepts(ClientField::Age, "10"));
    EXPECT_TRUE(Accepts(ClientField::Age, "11"));
    EXPECT_TRUE(Accepts(ClientField::Age, "99"));
    EXPECT_FALSE(Accepts(ClientField::Age, "ab"));
    EXPECT_EQ(CheckTextField(ClientField::Age, " n").text, "N");
    EXPECT_EQ(CheckTextField(ClientField::Age, "5").text, "");

    EXPECT_TRUE(Accepts(ClientField::Education, "0"));
    EXPECT_TRUE(Accepts(ClientField::Education, "99"));
    EXPECT_TRUE(Accepts(ClientField::Education, "ab"));
    EXPECT_FALSE(Accepts(ClientField::Education, "-1"));
    EXPECT_EQ(CheckTextField(ClientField::Education, "N").text, "N");
}

TEST_F(ClientInfoRulesTest, DateFieldRefusesWhatGoodDateRefuses) {
    EXPECT_EQ(CheckTextField(ClientField::DateOfBirth, "n_/__/____").text, "N_/__/____");
    EXPECT_TRUE(Accepts(ClientField::DateOfBirth, "04/17/1990"));
    EXPECT_TRUE(Accepts(ClientField::DateOfBirth, "01/01/2001"));
    for (const char* bad :
         {"02/30/1999", "02/29/1999", "01/01/1889", "12/07/2026", "04/17/19__", "N1/__/____"}) {
        auto check = CheckTextField(ClientField::DateOfBirth, bad);
        EXPECT_FALSE(check.accepted) << bad;
        EXPECT_EQ(check.text, "__/__/____") << bad;
    }
}

TEST_F(ClientInfoRulesTest, KeyFiltersAndTypedListSelection) {
    EXPECT_TRUE(FieldAcceptsChar(ClientField::SSN, U'-'));
    EXPECT_FALSE(FieldAcceptsChar(ClientField::SSN, U'/'));
    EXPECT_TRUE(FieldAcceptsChar(ClientField::DateOfBirth, U'/'));
    EXPECT_FALSE(FieldAcceptsChar(ClientField::DateOfBirth, U'a'));
    EXPECT_TRUE(FieldAcceptsChar(ClientField::Gender, U'2'));
    EXPECT_FALSE(FieldAcceptsChar(ClientField::Gender, U'3'));
    EXPECT_TRUE(FieldAcceptsChar(ClientField::Race, U'6'));
    EXPECT_FALSE(FieldAcceptsChar(ClientField::Marital, U'6'));
    EXPECT_FALSE(FieldAcceptsChar(ClientField::Marital, U'M'));
    EXPECT_TRUE(FieldAcceptsChar(ClientField::Name, U'é'));

    EXPECT_EQ(ListEntryForText(ClientField::Gender, "2"), 2);
    EXPECT_EQ(ListEntryForText(ClientField::Gender, "n"), 0);
    EXPECT_EQ(ListEntryForText(ClientField::Gender, "Male"), 1);
    EXPECT_EQ(ListEntryForText(ClientField::Race, "NA"), 5);
    EXPECT_EQ(ListEntryForText(ClientField::Race, "N/"), 0);
    EXPECT_EQ(ListEntryForText(ClientField::Race, "N"), std::nullopt) << "one letter opens the list";
    EXPECT_EQ(ListEntryForText(ClientField::Marital, "se"), 4);
    EXPECT_EQ(ListEntryForText(ClientField::Marital, "6"), std::nullopt);
    EXPECT_FALSE(CheckListField(ClientField::Race, "N")) << "a text naming no entry is not a choice";
    EXPECT_TRUE(CheckListField(ClientField::Race, "Other"));
}

TEST_F(ClientInfoRulesTest, EditCountingLocksAtTheThirdChange) {
    ClientInfoValues v;
    v.Name = "Ann";
    v.Age = "30";
    v.Gender = 2;
    auto loaded = LoadedValuesOf(v);
    int16_t count = 0;
    EXPECT_EQ(RecordFieldChange(ClientField::Name, "Ann", loaded, count), FieldChange::Unchanged);
    EXPECT_EQ(RecordFieldChange(ClientField::Name, "Anne", loaded, count), FieldChange::Counted);
    EXPECT_EQ(RecordFieldChange(ClientField::Name, "Anne", loaded, count), FieldChange::Unchanged);
    EXPECT_EQ(RecordFieldChange(ClientField::Gender, "1", loaded, count), FieldChange::Counted);
    EXPECT_EQ(count, 2);
    EXPECT_EQ(RecordFieldChange(ClientField::Name, "Ann", loaded, count), FieldChange::LimitReached);
    EXPECT_EQ(count, 3);

    int16_t carried = 2; // two changes stored by an earlier session
    auto again = LoadedValuesOf(v);
    EXPECT_EQ(RecordFieldChange(ClientField::Age, "31", again, carried), FieldChange::LimitReached);
}

TEST_F(ClientInfoRulesTest, RecordTransferRoundTripsAndDetectsChanges) {
    ClientRecord r;
    r.Name = "Ann Lee";
    r.SSN = "N";
    r.Age = "34";
    r.Gender = "2";
    r.Race = "5";
    r.Education = "12";
    r.Marital = "0";
    r.DateOfBirth = "N";
    auto v = ClientInfoFromRecord(r);
    EXPECT_EQ(v.DateOfBirth, "N_/__/____");
    EXPECT_EQ(v.Race, 5);
    EXPECT_TRUE(ClientInfoUnchanged(v, r)) << "an unavailable date is no change";

    ClientRecord out = r;
    ClientInfoToRecord(v, out);
    EXPECT_EQ(out, r);

    v.Age = "35";
    EXPECT_FALSE(ClientInfoUnchanged(v, r));
    v.Age = "34";
    v.DateOfBirth = "04/17/1990";
    ClientInfoToRecord(v, out);
    EXPECT_EQ(out.DateOfBirth.str(), "04/17/1990");

    ClientRecord fresh;
    StartNewClientRecord(fresh);
    EXPECT_EQ(fresh.Responses.str(), std::string(149, '0'));
    EXPECT_EQ(fresh.TestDate.str(), "12/06/2026");
    EXPECT_EQ(fresh.EditCount.str() + fresh.NameDeleted.str(), "00");
}
