#include "DatabaseFixture.h"
#include "support/TempDir.h"

#include <QProcess>
#include <QStandardPaths>
#include <filesystem>
#include <gtest/gtest.h>
#include <numeric>
#include <tuple>

namespace {
const char* ItemColumns = "(ID INTEGER, TestQuestion TEXT, QuestionAudio TEXT, ANSWER1 TEXT, ANSWER2 TEXT, "
                          "ANSWER3 TEXT, ANSWER4 TEXT, ANSWER5 TEXT, ChoiceAudio1 TEXT, ChoiceAudio2 TEXT, "
                          "ChoiceAudio3 TEXT, ChoiceAudio4 TEXT, ChoiceAudio5 TEXT)";

// SQL filling `table` with one row per ID.
std::string ItemRows(const std::string& table, const std::vector<int>& ids) {
    std::string sql = "CREATE TABLE " + table + " " + ItemColumns + ";";
    for (int id : ids)
        sql += "INSERT INTO " + table + " VALUES (" + std::to_string(id) + ", 'Item " + std::to_string(id) +
               "', 'Q', 'True', 'False', NULL, '', NULL, 'A1', 'A2', NULL, NULL, NULL);";
    return sql;
}

std::vector<int> Ids(int from, int to) {
    std::vector<int> ids(static_cast<std::size_t>(to - from + 1));
    std::iota(ids.begin(), ids.end(), from);
    return ids;
}

class QuestionDatabaseTest : public ::testing::Test {
protected:
    TempDir dir;
    std::string file = dir.file("TARVOS.MDB");
};
} // namespace

TEST_F(QuestionDatabaseTest, OpenRefusesMissingFilesAndNonDatabasesWithoutCreatingAnything) {
    QuestionDatabase db;
    FileError e = db.Open(file);
    EXPECT_EQ(e.number, DbFileNotFound);
    EXPECT_NE(e.description.find(file), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(file));
    EXPECT_FALSE(db.IsOpen());

    const std::string jet = std::string("\x00\x01\x00\x00Standard Jet DB\x00\x01\x00\x00\x00", 24);
    for (auto [bytes, problem] :
         {std::pair{jet + std::string(2000, '\x5a'), "Jet"},
          {std::string(), "not an SQLite 3 database"},
          {std::string("just some text, not a database\n"), "not an SQLite 3 database"}}) {
        dir.write("TARVOS.MDB", bytes);
        e = db.Open(file);
        EXPECT_EQ(e.number, DbCannotOpen);
        EXPECT_NE(e.description.find(problem), std::string::npos) << e.description;
        EXPECT_NE(e.description.find(file), std::string::npos);
        EXPECT_EQ(dir.read("TARVOS.MDB"), bytes) << "the file must be left as it was";
    }

    // A damaged database: a valid header over garbage.
    std::filesystem::remove(file);
    Sql(file, "CREATE TABLE t (a); INSERT INTO t VALUES (1);");
    std::string bytes = dir.read("TARVOS.MDB");
    std::fill(bytes.begin() + 100, bytes.end(), '\xff');
    dir.write("TARVOS.MDB", bytes);
    EXPECT_EQ(db.Open(file).number, DbCannotOpen);

    EXPECT_EQ(db.Open(dir.path()).number, DbCannotOpen);
}

TEST_F(QuestionDatabaseTest, OpenIsExclusiveUntilClosed) {
    Sql(file, "CREATE TABLE English (ID INTEGER);");
    QuestionDatabase first, second;
    ASSERT_TRUE(first.Open(file).ok());

    FileError e = second.Open(file);
    EXPECT_EQ(e.number, DbCannotOpen);
    EXPECT_NE(e.description.find("exclusively"), std::string::npos) << e.description;

    // Another process is kept out too.
    const QString cli = QStandardPaths::findExecutable("sqlite3");
    if (!cli.isEmpty()) {
        QProcess p;
        p.start(cli, {QString::fromStdString(file), "SELECT count(*) FROM English;"});
        ASSERT_TRUE(p.waitForFinished(10000));
        EXPECT_NE(p.exitCode(), 0) << "a second process read the database while it was held";
    }

    first.Close();
    EXPECT_TRUE(second.Open(file).ok());
}

TEST_F(QuestionDatabaseTest, TablesListInCreationOrderAndLanguagesMatchExactly) {
    Sql(file,
        "CREATE TABLE Zeta (ID INTEGER); CREATE TABLE Spanish (ID INTEGER);"
        "CREATE TABLE Counter (n INTEGER PRIMARY KEY AUTOINCREMENT); INSERT INTO Counter DEFAULT VALUES;"
        "CREATE TABLE English (ID INTEGER); CREATE TABLE ScanItem (x);");
    Sql(dir.file("other.mdb"), "CREATE TABLE SPANISH (ID INTEGER); CREATE TABLE english (ID INTEGER);");
    using Names = std::vector<std::string>;
    for (const auto& [path, tables, languages] :
         {std::tuple{file, Names{"Zeta", "Spanish", "Counter", "English", "ScanItem"},
                     Names{"Spanish", "English"}},
          {dir.file("other.mdb"), Names{"SPANISH", "english"}, Names{}}}) {
        QuestionDatabase db;
        ASSERT_TRUE(db.Open(path).ok());
        Names names, offered;
        ASSERT_TRUE(db.TableNames(names).ok());
        EXPECT_EQ(names, tables);
        ASSERT_TRUE(LanguageTables(db, offered).ok());
        EXPECT_EQ(offered, languages);
        db.Close();
        // The language window's listing opens and closes the file itself; none is a failure naming it.
        const FileError listed = ListPresentationLanguages(path, offered);
        EXPECT_EQ(offered, languages);
        EXPECT_EQ(listed.number, languages.empty() ? NoPresentationLanguage : 0);
        EXPECT_EQ(listed.ok() || listed.description.find(path) != std::string::npos, true)
            << listed.description;
    }
}

TEST_F(QuestionDatabaseTest, RecordsetWalksWithBofAndEof) {
    Sql(file, "CREATE TABLE T (n INTEGER); INSERT INTO T VALUES (1), (2), (3); CREATE TABLE Empty (n);");
    QuestionDatabase db;
    ASSERT_TRUE(db.Open(file).ok());
    Recordset rs;
    ASSERT_TRUE(db.OpenQuery("Select * from [T]", rs).ok());
    // Each step: the move's error number, then where the recordset stands.
    auto step = [&](FileError (Recordset::*move)()) {
        const int number = (rs.*move)().number;
        std::string n;
        const int read = rs.Text("N", n).number;
        return std::to_string(number) +
               (rs.IsBOF()   ? "B"
                : rs.IsEOF() ? "E"
                             : "") +
               n + (read ? "!" + std::to_string(read) : "") + " ";
    };
    std::string trail;
    for (auto move : {&Recordset::MoveNext, &Recordset::MoveNext, &Recordset::MoveNext, &Recordset::MoveNext,
                      &Recordset::MovePrevious, &Recordset::MovePrevious, &Recordset::MovePrevious,
                      &Recordset::MovePrevious, &Recordset::MovePrevious, &Recordset::MoveFirst})
        trail += step(move);
    EXPECT_EQ(trail, "02 03 0E!3021 3021E!3021 03 02 01 0B!3021 3021B!3021 01 ");

    ASSERT_TRUE(db.OpenTable("Empty", rs).ok());
    EXPECT_TRUE(rs.IsBOF() && rs.IsEOF());
    EXPECT_EQ(step(&Recordset::MoveFirst), "3021B!3021 ");
}

TEST_F(QuestionDatabaseTest, FieldsReadNullEmptyAndWindows1252ByCaseInsensitiveName) {
    Sql(file, std::string("CREATE TABLE English ") + ItemColumns +
                  ";INSERT INTO English (ID, TestQuestion, ANSWER1, ANSWER3, ANSWER4) VALUES "
                  "(1, 'Opci\xC3\xB3n \xE2\x82\xAC \xE4\xB8\xAD', 'True', NULL, '');");
    QuestionDatabase db;
    ASSERT_TRUE(db.Open(file).ok());
    Recordset rs;
    ASSERT_TRUE(db.OpenQuery("Select * from [English]", rs).ok());
    EXPECT_EQ(Joined(rs, {"testquestion", "answer1", "ANSWER4", "Answer6"}), "Opci\xF3n \x80 ?|True||!3265|");
    FieldValue null, empty;
    ASSERT_TRUE(rs.Field("Answer3", null).ok() && rs.Field("answer4", empty).ok());
    EXPECT_EQ(null, std::nullopt);
    EXPECT_EQ(empty, std::optional<std::string>(""));
    EXPECT_FALSE(AnswerPresent(null) || AnswerPresent(empty));
    const FileError e = rs.Field("Answer6", null);
    EXPECT_NE(e.description.find("'Answer6'"), std::string::npos);
    EXPECT_NE(e.description.find(file), std::string::npos);

    for (FileError missing : {db.OpenQuery("Select * from [French]", rs), db.OpenTable("French", rs)}) {
        EXPECT_EQ(missing.number, DbTableNotFound);
        EXPECT_NE(missing.description.find("'French'"), std::string::npos) << missing.description;
        EXPECT_NE(missing.description.find(file), std::string::npos);
    }
}

TEST_F(QuestionDatabaseTest, ScanItemPositionsAreUpdatedAndPersist) {
    Sql(file, "CREATE TABLE ScanItem (LocationName TEXT, x INTEGER, y INTEGER, r REAL, dimx INTEGER);"
              "INSERT INTO ScanItem VALUES ('Name', 0, 0, 120.5, 26), ('ID', 0, 0, 300, 1);");
    QuestionDatabase db;
    ASSERT_TRUE(db.Open(file).ok());
    Recordset rs;
    ASSERT_TRUE(db.OpenTable("ScanItem", rs).ok());
    EXPECT_EQ(rs.SetField("x", 1).number, DbUpdateWithoutEdit);
    ASSERT_TRUE(rs.MoveNext().ok());
    ASSERT_TRUE(rs.Edit().ok());
    EXPECT_EQ(rs.SetField("z", 1).number, DbFieldNotFound);
    ASSERT_TRUE(rs.SetField("X", 123).ok() && rs.SetField("y", -45).ok() && rs.Update().ok());
    EXPECT_EQ(Joined(rs, {"x", "y"}), "123|-45|");
    // An edit dropped by a move is not written.
    ASSERT_TRUE(rs.MoveFirst().ok() && rs.Edit().ok() && rs.SetField("x", 999).ok() && rs.MoveNext().ok());
    EXPECT_EQ(rs.Update().number, DbUpdateWithoutEdit);
    Recordset query;
    ASSERT_TRUE(db.OpenQuery("Select * from [ScanItem]", query).ok());
    EXPECT_EQ(query.Edit().number, DbReadOnly);

    query.Close();
    rs.Close();
    db.Close(); // reopened: the update persisted, nothing else changed
    ASSERT_TRUE(db.Open(file).ok());
    ASSERT_TRUE(db.OpenTable("ScanItem", rs).ok());
    EXPECT_EQ(Joined(rs, {"LocationName", "x", "y", "r"}), "Name|0|0|120.5|");
    ASSERT_TRUE(rs.MoveNext().ok());
    EXPECT_EQ(Joined(rs, {"LocationName", "x", "y", "dimx"}), "ID|123|-45|1|");
}

TEST_F(QuestionDatabaseTest, ItemTablesAreCheckedForCountRangeOrderAndFields) {
    std::vector<int> swapped = Ids(1, 149);
    std::swap(swapped[4], swapped[5]);
    std::vector<int> outside = Ids(1, 149);
    outside[9] = 150;
    Sql(file, ItemRows("English", Ids(1, 149)) + ItemRows("Short", Ids(1, 148)) +
                  ItemRows("Swapped", swapped) + ItemRows("Outside", outside) + ItemRows("Zero", {0}) +
                  ItemRows("Long", Ids(1, 150)) + ItemRows("NoAnswers", Ids(1, 149)) +
                  "UPDATE NoAnswers SET ANSWER2 = '' WHERE ID = 7;" +
                  "CREATE TABLE NoAudio5 (ID, TestQuestion, QuestionAudio, ANSWER1, ANSWER2, ANSWER3, "
                  "ANSWER4, ANSWER5,"
                  " ChoiceAudio1, ChoiceAudio2, ChoiceAudio3, ChoiceAudio4);");
    QuestionDatabase db;
    ASSERT_TRUE(db.Open(file).ok());
    std::vector<ItemRecord> items;
    ASSERT_TRUE(LoadItemTable(db, "English", items).ok());
    ASSERT_EQ(items.size(), 149u);
    EXPECT_EQ(items[148].ID, 149);
    EXPECT_EQ(items[0].TestQuestion, "Item 1");
    EXPECT_FALSE(items[0].Answers[2].has_value());
    EXPECT_EQ(items[0].Answers[3], std::optional<std::string>(""));
    EXPECT_EQ(items[0].ChoiceAudio[1], std::optional<std::string>("A2"));

    const std::vector<std::pair<std::string, std::string>> faults = {
        {"Short", "148 records, fewer than 149"},   {"Swapped", "record 5 has ID 6"},
        {"Outside", "outside 1..149 in record 10"}, {"Zero", "outside 1..149 in record 1"},
        {"Long", "more than 149 records"},          {"NoAnswers", "no answers for item 7"}};
    for (const auto& [table, problem] : faults) {
        FileError e = LoadItemTable(db, table, items);
        EXPECT_EQ(e.number, ItemTableInvalid) << table;
        EXPECT_NE(e.description.find(problem), std::string::npos) << e.description;
        EXPECT_NE(e.description.find(file), std::string::npos) << e.description;
        EXPECT_TRUE(items.empty());
    }
    FileError e = LoadItemTable(db, "NoAudio5", items);
    EXPECT_EQ(e.number, DbFieldNotFound);
    EXPECT_NE(e.description.find("ChoiceAudio5"), std::string::npos);
    EXPECT_EQ(LoadItemTable(db, "Spanish", items).number, DbTableNotFound);
}

TEST_F(QuestionDatabaseTest, AnImageInMemoryReadsAsTheFileAndNeverWritesIt) {
    Sql(file,
        "CREATE TABLE ScanItem (LocationName TEXT, x INTEGER); INSERT INTO ScanItem VALUES ('Name', 7);");
    const std::string bytes = dir.read("TARVOS.MDB");
    QuestionDatabase db;
    ASSERT_TRUE(db.OpenImage("image", bytes).ok());
    Recordset rs;
    ASSERT_TRUE(db.OpenTable("ScanItem", rs).ok());
    EXPECT_EQ(Joined(rs, {"LocationName", "x"}), "Name|7|");
    ASSERT_TRUE(rs.Edit().ok() && rs.SetField("x", 9).ok() && rs.Update().ok());
    rs.Close();
    EXPECT_TRUE(db.Close().ok());
    EXPECT_EQ(dir.read("TARVOS.MDB"), bytes);

    for (const std::string& refused : {std::string(), std::string("just some text, not a database\n"),
                                       bytes.substr(0, 100) + std::string(bytes.size() - 100, '\xff')}) {
        const FileError e = db.OpenImage("image", refused);
        EXPECT_EQ(e.number, DbCannotOpen);
        EXPECT_NE(e.description.find("image"), std::string::npos) << e.description;
        EXPECT_FALSE(db.IsOpen());
    }
}
