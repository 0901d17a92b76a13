// Any file handed to the question database layer as TARVOS.MDB is refused with a message or read
// without a crash: tables listed, every table walked field by field, the language tables checked.
#include "presentation/QuestionDatabase.h"

#include <cstdint>
#include <string>
#include <string_view>

// The bytes are opened in memory, the way Open opens a file, so that a run takes microseconds.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    QuestionDatabase db;
    if (db.OpenImage("TARVOS.MDB", std::string_view(reinterpret_cast<const char*>(data), size)).ok()) {
        std::vector<std::string> tables;
        (void)db.TableNames(tables);
        for (const auto& table : tables) {
            Recordset rs;
            if (!db.OpenTable(table, rs).ok())
                continue;
            for (; !rs.IsEOF(); (void)rs.MoveNext())
                for (const auto& field : rs.FieldNames()) {
                    FieldValue value;
                    (void)rs.Field(field, value);
                }
        }
        std::vector<std::string> languages;
        (void)LanguageTables(db, languages);
        for (const auto& language : languages) {
            std::vector<ItemRecord> items;
            (void)LoadItemTable(db, language, items);
        }
    }
    (void)db.Close();
    return 0;
}
