// Any file handed to the question database layer as TARVOS.MDB is refused with a message or read
// without a crash: tables listed, every table walked field by field, the language tables checked.
#include "presentation/QuestionDatabase.h"

#include <cstdint>
#include <fstream>
#include <string>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string path = "/tmp/fuzz-qdb-" + std::to_string(getpid()) + ".mdb";
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    QuestionDatabase db;
    if (db.Open(path).ok()) {
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
    db.Close();
    unlink(path.c_str());
    return 0;
}
