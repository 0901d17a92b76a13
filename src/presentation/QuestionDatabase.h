#pragma once
// The question database "TARVOS.MDB": an SQLite 3 file holding one item table per language
// ("English", "Spanish") and the answer-sheet layout table "ScanItem". Texts are stored as UTF-8 and
// handed to the program as Windows-1252 bytes; field values may be Null.
//
// Every failure is a FileError whose description names the file and the problem:
//   3024 file not found; 3051 not an SQLite database (a Jet file, say), a folder, no permission, or
//   already opened by another user; 3078 table not found; 3265 field not found; 3021 no current
//   record; 3020 update without edit; 3027 read-only; 3049 the engine failed reading or writing;
//   ItemTableInvalid an item table that is not 149 records with IDs 1..149 in order, each with at least
//   two answers; NoPresentationLanguage no "English" or "Spanish" table.
#include "clients/ClientRecord.h"
#include "shell/FileError.h"
#include "shell/FileNames.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct sqlite3;

constexpr int DbNoCurrentRecord = 3021;
constexpr int DbUpdateWithoutEdit = 3020;
constexpr int DbFileNotFound = 3024;
constexpr int DbReadOnly = 3027;
constexpr int DbEngineFailure = 3049;
constexpr int DbCannotOpen = 3051;
constexpr int DbTableNotFound = 3078;
constexpr int DbFieldNotFound = 3265;
constexpr int ItemTableInvalid = 3500;
constexpr int NoPresentationLanguage = 3501;

using FieldValue = std::optional<std::string>; // nullopt = Null

namespace qdb {
struct Connection; // the open SQLite handle, shared by the database and its recordsets
}

// The records of one table or query, read when opened and walked in the engine's order (rowid order
// for a table). A fresh recordset stands on its first record; on an empty one BOF and EOF are both true.
class Recordset {
public:
    bool IsOpen() const { return m_open; }
    bool IsBOF() const { return m_open && (m_position < 0 || m_rows.empty()); }
    bool IsEOF() const { return m_open && m_position >= static_cast<long>(m_rows.size()); }
    std::size_t RecordCount() const { return m_rows.size(); }
    const std::vector<std::string>& FieldNames() const { return m_fieldNames; }

    // Moves drop an edit in progress. MoveFirst on an empty recordset, MoveNext at EOF and
    // MovePrevious at BOF fail with 3021 and leave the position as it was.
    [[nodiscard]] FileError MoveFirst();
    [[nodiscard]] FileError MoveNext();
    [[nodiscard]] FileError MovePrevious();

    bool HasField(const std::string& name) const;
    // The current record's value of field `name` (ASCII case ignored), Null as nullopt.
    [[nodiscard]] FileError Field(const std::string& name, FieldValue& value) const;
    // The same with Null read as an empty text.
    [[nodiscard]] FileError Text(const std::string& name, std::string& text) const;

    // Edit, assign, update: changes fields of the current record of a recordset opened by table name.
    // The new values are written by Update in one statement and then read back.
    [[nodiscard]] FileError Edit();
    [[nodiscard]] FileError SetField(const std::string& name, std::int64_t value);
    [[nodiscard]] FileError Update();

    void Close();

private:
    friend class QuestionDatabase;
    FileError MoveTo(bool possible, long position);
    int FieldIndex(const std::string& name) const;
    FileError Error(int number, const std::string& problem) const;

    std::shared_ptr<qdb::Connection> m_connection;
    std::string m_table; // empty for a query
    std::vector<std::string> m_fieldNames;
    std::vector<std::vector<FieldValue>> m_rows;
    std::vector<std::int64_t> m_rowids;
    long m_position = 0;
    bool m_open = false;
    bool m_editing = false;
    std::vector<std::pair<int, std::int64_t>> m_pending;
};

class QuestionDatabase {
public:
    QuestionDatabase() = default;
    ~QuestionDatabase();
    QuestionDatabase(const QuestionDatabase&) = delete;
    QuestionDatabase& operator=(const QuestionDatabase&) = delete;

    // Opens an existing database for exclusive reading and writing; never creates a file. The lock
    // is taken at once and held in an open transaction until Close, so no other connection (here or
    // in another process) can read or write the file meanwhile: a second Open fails with 3051.
    [[nodiscard]] FileError Open(const std::string& path);
    // Opens an in-memory copy of a database file's bytes as Open opens the file; `name` stands for the
    // file in messages, and changes stay in memory.
    [[nodiscard]] FileError OpenImage(const std::string& name, std::string_view bytes);
    bool IsOpen() const;
    const std::string& path() const { return m_path; }
    // Commits the changes of Recordset::Update and closes; fails when they cannot be saved.
    FileError Close();

    // Table names in creation order, without SQLite's own tables.
    [[nodiscard]] FileError TableNames(std::vector<std::string>& names) const;
    // A recordset of a query text such as "Select * from [English]" (not updatable).
    [[nodiscard]] FileError OpenQuery(const std::string& sql, Recordset& rs) const;
    // A recordset of a whole table in rowid order (updatable).
    [[nodiscard]] FileError OpenTable(const std::string& table, Recordset& rs) const;

private:
    // Locks and checks a fresh connection and makes it this database's.
    FileError Adopt(std::shared_ptr<qdb::Connection> c);
    FileError Load(const std::string& sql, const std::string& table, bool withRowid, Recordset& rs) const;

    std::shared_ptr<qdb::Connection> m_connection;
    std::string m_path;
};

// One record of a language table.
struct ItemRecord {
    std::int16_t ID = 0;
    std::string TestQuestion;
    FieldValue QuestionAudio;
    std::array<FieldValue, 5> Answers;     // ANSWER1..ANSWER5
    std::array<FieldValue, 5> ChoiceAudio; // ChoiceAudio1..ChoiceAudio5
};

// The item fields every language table must have.
extern const std::array<const char*, 13> ItemFieldNames;

// Reads language table `table` with "Select * from [table]" and checks it: every item field present,
// exactly 149 records whose IDs are 1..149 in record order, each with ANSWER1 and ANSWER2. On failure
// `items` is left empty.
[[nodiscard]] FileError LoadItemTable(const QuestionDatabase& db, const std::string& table,
                                      std::vector<ItemRecord>& items);

// The tables named exactly "English" or "Spanish" (case included), in table order.
[[nodiscard]] FileError LanguageTables(const QuestionDatabase& db, std::vector<std::string>& languages);

// Opens the database file `path`, lists its language tables and closes it again. A database without
// a language table fails with NoPresentationLanguage.
[[nodiscard]] FileError ListPresentationLanguages(const std::string& path,
                                                  std::vector<std::string>& languages);
// Opens the database file `path`, reads and checks the item table of `language` and closes it again.
[[nodiscard]] FileError LoadPresentationItems(const std::string& path, const std::string& language,
                                              std::vector<ItemRecord>& items);

// True when an answer text counts as present (not Null, at least one character).
bool AnswerPresent(const FieldValue& answer);

// Full name of an audio file: soundPath + "/TARVOS/sound/" + table + "/" + requested, trimmed of
// surrounding blanks.
std::string AudioFileName(const std::string& soundPath, const std::string& table,
                          const std::string& requested);

// The requested name for an audio stem: the stem trimmed of blanks, Null as empty, then ".wav".
std::string AudioRequestName(const FieldValue& stem);
