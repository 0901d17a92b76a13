// The question database as the windows use it: the presentation opens the database and reads one
// item table; a scan rewrites x and y of every answer-sheet location.
#include "presentation/QuestionDatabase.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <sqlite3.h>
#include <string>
#include <unistd.h>

namespace {
// A database of 149 items and 181 sheet locations in a fresh temporary folder.
std::string MakeDatabase() {
    static int serial = 0;
    const auto folder = std::filesystem::temp_directory_path() /
                        ("tarvos-bench-" + std::to_string(getpid()) + "-" + std::to_string(++serial));
    std::filesystem::create_directories(folder);
    const std::string file = (folder / QuestionDatabaseName).string();
    std::string sql =
        "BEGIN; CREATE TABLE English (ID INTEGER, TestQuestion TEXT, QuestionAudio TEXT, ANSWER1 TEXT,"
        " ANSWER2 TEXT, ANSWER3 TEXT, ANSWER4 TEXT, ANSWER5 TEXT, ChoiceAudio1 TEXT, ChoiceAudio2 TEXT,"
        " ChoiceAudio3 TEXT, ChoiceAudio4 TEXT, ChoiceAudio5 TEXT);"
        "CREATE TABLE ScanItem (LocationName TEXT, x INTEGER, y INTEGER, r REAL, theta REAL, dx REAL,"
        " dy REAL, dimx INTEGER, DimY INTEGER);";
    for (int id = 1; id <= ItemCount; ++id)
        sql += "INSERT INTO English VALUES (" + std::to_string(id) +
               ", 'I have at times said something unkind about a person behind their back.', 'Q001', 'True',"
               " 'False', NULL, '', NULL, 'A001', 'A002', NULL, NULL, NULL);";
    for (int k = 0; k < 181; ++k)
        sql += "INSERT INTO ScanItem VALUES ('Item', 0, 0, 250.5, 12.5, 17, 0, 2, 1);";
    sql += "COMMIT;";
    sqlite3* db = nullptr;
    if (sqlite3_open(file.c_str(), &db) != SQLITE_OK ||
        sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr))
        std::abort();
    sqlite3_close(db);
    return file;
}

void OpenAndLoadItemTable(benchmark::State& state) {
    const std::string file = MakeDatabase();
    for (auto _ : state) {
        QuestionDatabase db;
        std::vector<ItemRecord> items;
        if (!db.Open(file).ok() || !LoadItemTable(db, "English", items).ok())
            state.SkipWithError("the database did not load");
        benchmark::DoNotOptimize(items);
    }
    std::filesystem::remove_all(std::filesystem::path(file).parent_path());
}
BENCHMARK(OpenAndLoadItemTable)->Unit(benchmark::kMillisecond);

void RewriteSheetPositions(benchmark::State& state) {
    const std::string file = MakeDatabase();
    for (auto _ : state) {
        QuestionDatabase db;
        Recordset rs;
        if (!db.Open(file).ok() || !db.OpenTable("ScanItem", rs).ok())
            state.SkipWithError("the database did not open");
        for (int k = 0; !rs.IsEOF(); ++k, (void)rs.MoveNext())
            if (!rs.Edit().ok() || !rs.SetField("x", k).ok() || !rs.SetField("y", -k).ok() ||
                !rs.Update().ok())
                state.SkipWithError("an update failed");
    }
    std::filesystem::remove_all(std::filesystem::path(file).parent_path());
}
BENCHMARK(RewriteSheetPositions)->Unit(benchmark::kMillisecond);
} // namespace

BENCHMARK_MAIN();
