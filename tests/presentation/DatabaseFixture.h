#pragma once
// Helpers of the question database tests.
#include "presentation/QuestionDatabase.h"

#include <gtest/gtest.h>
#include <initializer_list>
#include <sqlite3.h>
#include <string>

// Runs `sql` on the SQLite file `file` (created when missing) in one transaction.
inline void Sql(const std::string& file, const std::string& sql) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(file.c_str(), &db), SQLITE_OK);
    char* error = nullptr;
    const int rc = sqlite3_exec(db, ("BEGIN;" + sql + "COMMIT;").c_str(), nullptr, nullptr, &error);
    const std::string message = error ? error : "";
    sqlite3_free(error);
    sqlite3_close(db);
    ASSERT_EQ(rc, SQLITE_OK) << message;
}

// The current record's `fields` as texts, each followed by "|"; a failed read gives "!number|".
inline std::string Joined(const Recordset& rs, std::initializer_list<const char*> fields) {
    std::string row;
    for (const char* field : fields) {
        std::string value;
        const FileError e = rs.Text(field, value);
        row += (e.ok() ? value : "!" + std::to_string(e.number)) + "|";
    }
    return row;
}
