// The demo folder's clients must be editable as they are: every field of every record passes the
// checks of the client information and court history windows, typed key by key.
#include "clients/ClientFile.h"
#include "clients/ClientInfoRules.h"
#include "clients/CourtHistoryRules.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {
const ClientField TextFields[] = {ClientField::Name, ClientField::SSN, ClientField::Age,
                                  ClientField::Education, ClientField::DateOfBirth};
} // namespace

TEST(DemoDataTest, EveryRecordPassesEveryFieldCheck) {
    TempDir dir;
    const std::string command = std::string("'") + TARVOS_BUILD_DIR + "/tools/mkdemo' '" + dir.file("demo") +
                                "' '" + dir.file("trvtest.ini") + "' '" + TARVOS_SOURCE_DIR +
                                "/data/scoring/items.txt'";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    ClientSlots table{};
    int16_t count = 0;
    ASSERT_TRUE(ReadClientFile(dir.file("demo/" + std::string(ClientFileName)), table, count).ok());
    ASSERT_GT(count, 0);

    for (int i = 1; i <= count; ++i) {
        const ClientRecord& record = table[static_cast<std::size_t>(i)];
        SCOPED_TRACE("demo client " + std::to_string(i) + " " + record.Name.str());
        EXPECT_FALSE(RecordLocked(StatusNumber(record.NameDeleted), StatusNumber(record.EditCount)));

        const ClientInfoValues values = ClientInfoFromRecord(record);
        for (ClientField field : TextFields) {
            const std::string text = FieldValue(values, field);
            for (char c : text)
                EXPECT_TRUE(FieldAcceptsChar(field, static_cast<unsigned char>(c)))
                    << FieldLabel(field) << " refuses '" << c << "' of " << text;
            const FieldCheck check = CheckTextField(field, text);
            EXPECT_TRUE(check.accepted) << FieldLabel(field) << " refuses " << text;
            EXPECT_EQ(check.text, text) << FieldLabel(field);
        }
        for (ClientField field : {ClientField::Gender, ClientField::Race, ClientField::Marital}) {
            const std::string code = FieldValue(values, field);
            EXPECT_TRUE(code.size() == 1 && FieldAcceptsChar(field, static_cast<unsigned char>(code[0])) &&
                        CheckListField(field, code))
                << FieldLabel(field) << " code " << code;
        }
        // The stored record is what the window writes back unchanged.
        EXPECT_TRUE(ClientInfoUnchanged(values, record));

        const CourtFields court = GetCourtData(record);
        for (int k = 1; k <= CourtItemCount; ++k) {
            const std::string& text = court[static_cast<std::size_t>(k - 1)];
            const CourtCheck check = CheckCourtItem(k, text);
            EXPECT_TRUE(check.accepted) << CourtItemLabel(k) << " refuses " << text;
            EXPECT_EQ(check.text, text) << CourtItemLabel(k);
        }
    }
}
