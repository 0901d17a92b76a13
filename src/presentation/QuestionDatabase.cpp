#include "presentation/QuestionDatabase.h"

#include "shell/Cp1252.h"
#include "shell/TrimBlanks.h"

#include <cerrno>
#include <charconv>
#include <cstring>
#include <fstream>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

namespace qdb {
struct Connection {
    sqlite3* handle = nullptr;
    std::string path;
    ~Connection() { sqlite3_close(handle); }
};
} // namespace qdb

const std::array<const char*, 13> ItemFieldNames = {
    "ID",      "TestQuestion", "QuestionAudio", "ANSWER1",      "ANSWER2",      "ANSWER3",     "ANSWER4",
    "ANSWER5", "ChoiceAudio1", "ChoiceAudio2",  "ChoiceAudio3", "ChoiceAudio4", "ChoiceAudio5"};

namespace {
FileError DbError(int number, const std::string& path, const std::string& description) {
    return FileError{number, description, path};
}

std::string Quoted(const std::string& text) {
    return "'" + text + "'";
}

FileError CannotOpen(const std::string& path, const std::string& problem) {
    return DbError(DbCannotOpen, path, "Could not open file " + Quoted(path) + ": " + problem + ".");
}

FileError EngineFailure(const qdb::Connection& c) {
    return DbError(DbEngineFailure, c.path,
                   "File " + Quoted(c.path) + " could not be read or written: " + sqlite3_errmsg(c.handle) +
                       ".");
}

bool SameName(const std::string& a, const std::string& b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

// Checks what can be checked without opening the file: opening and closing any descriptor of a file
// drops every POSIX lock this process holds on it, among them the lock of an open database.
FileError CheckFile(const std::string& path) {
    struct stat st {};
    if (path.empty() || stat(path.c_str(), &st) != 0) {
        if (!path.empty() && errno != ENOENT && errno != ENOTDIR)
            return CannotOpen(path, std::strerror(errno));
        return DbError(DbFileNotFound, path, "Could not find file " + Quoted(path) + ".");
    }
    if (S_ISDIR(st.st_mode))
        return CannotOpen(path, "it is a folder, not a database file");
    if (access(path.c_str(), R_OK) != 0)
        return CannotOpen(path, "permission denied");
    // The engine would take an empty file for an empty database.
    if (st.st_size == 0)
        return CannotOpen(path, "the file is empty, not an SQLite 3 database");
    return {};
}

// Names what a file the engine rejected is; called only once no connection holds the file.
FileError NotADatabase(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    char header[32] = {};
    in.read(header, sizeof header);
    const std::string head(header, static_cast<std::size_t>(in.gcount()));
    if (head.find("Standard Jet DB") != std::string::npos ||
        head.find("Standard ACE DB") != std::string::npos)
        return CannotOpen(path, "it is a Microsoft Access (Jet) database, not an SQLite 3 database");
    if (head.compare(0, 16, std::string("SQLite format 3\0", 16)) == 0)
        return CannotOpen(path, "the database is damaged");
    return CannotOpen(path, "it is not an SQLite 3 database");
}

bool Exec(sqlite3* db, const char* sql) {
    return sqlite3_exec(db, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
}

std::string QuoteIdentifier(const std::string& name) {
    std::string out = "\"";
    for (char c : name) {
        out += c;
        if (c == '"')
            out += '"';
    }
    return out + "\"";
}
} // namespace

QuestionDatabase::~QuestionDatabase() {
    (void)Close();
}

bool QuestionDatabase::IsOpen() const {
    return m_connection != nullptr;
}

FileError QuestionDatabase::Close() {
    FileError result;
    if (m_connection) {
        if (!Exec(m_connection->handle, "COMMIT"))
            result = DbError(DbEngineFailure, m_connection->path,
                             "Cannot save the changes to file " + Quoted(m_connection->path) + ": " +
                                 sqlite3_errmsg(m_connection->handle) + ".");
        sqlite3_close(m_connection->handle);
        m_connection->handle = nullptr;
        m_connection.reset();
    }
    return result;
}

FileError QuestionDatabase::Open(const std::string& path) {
    Close();
    m_path = path;
    if (auto e = CheckFile(path); !e.ok())
        return e;
    auto c = std::make_shared<qdb::Connection>();
    c->path = path;
    if (sqlite3_open_v2(path.c_str(), &c->handle, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK)
        return CannotOpen(path, c->handle ? sqlite3_errmsg(c->handle) : "out of memory");
    return Adopt(std::move(c));
}

FileError QuestionDatabase::OpenImage(const std::string& name, std::string_view bytes) {
    Close();
    m_path = name;
    if (bytes.empty())
        return CannotOpen(name, "the file is empty, not an SQLite 3 database");
    auto c = std::make_shared<qdb::Connection>();
    c->path = name;
    if (sqlite3_open_v2(":memory:", &c->handle, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK)
        return CannotOpen(name, c->handle ? sqlite3_errmsg(c->handle) : "out of memory");
    auto* copy = static_cast<unsigned char*>(sqlite3_malloc64(bytes.size()));
    if (!copy)
        return CannotOpen(name, "out of memory");
    std::memcpy(copy, bytes.data(), bytes.size());
    const auto size = static_cast<sqlite3_int64>(bytes.size());
    // The engine owns (and frees) the copy from here, also when it refuses it.
    if (sqlite3_deserialize(c->handle, "main", copy, size, size,
                            SQLITE_DESERIALIZE_FREEONCLOSE | SQLITE_DESERIALIZE_RESIZEABLE) != SQLITE_OK)
        return CannotOpen(name, sqlite3_errmsg(c->handle));
    return Adopt(std::move(c));
}

FileError QuestionDatabase::Adopt(std::shared_ptr<qdb::Connection> c) {
    const std::string path = c->path;
    sqlite3_extended_result_codes(c->handle, 1);
    if (!Exec(c->handle, "PRAGMA locking_mode=EXCLUSIVE"))
        return CannotOpen(path, sqlite3_errmsg(c->handle));
    const bool locked = Exec(c->handle, "BEGIN EXCLUSIVE");
    // Reading the schema inside the lock proves the file is a usable database. The transaction stays
    // open: a transaction that writes nothing would otherwise leave only a shared lock behind.
    if (!locked || !Exec(c->handle, "SELECT count(*) FROM sqlite_master")) {
        const int code = sqlite3_errcode(c->handle) & 0xFF;
        const std::string message = sqlite3_errmsg(c->handle);
        c.reset();
        if (code == SQLITE_BUSY || code == SQLITE_LOCKED)
            return CannotOpen(path, "it is already opened exclusively by another user");
        if (code == SQLITE_NOTADB || code == SQLITE_CORRUPT)
            return NotADatabase(path);
        return CannotOpen(path, message);
    }
    m_connection = std::move(c);
    return {};
}

FileError QuestionDatabase::TableNames(std::vector<std::string>& names) const {
    names.clear();
    if (!m_connection)
        return DbError(DbCannotOpen, m_path, "The question database is not open.");
    sqlite3_stmt* st = nullptr;
    const char* sql =
        "SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite\\_%' ESCAPE '\\' "
        "ORDER BY rowid";
    if (sqlite3_prepare_v2(m_connection->handle, sql, -1, &st, nullptr) != SQLITE_OK)
        return EngineFailure(*m_connection);
    int rc;
    while ((rc = sqlite3_step(st)) == SQLITE_ROW)
        names.push_back(Cp1252FromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 0))));
    sqlite3_finalize(st);
    if (rc != SQLITE_DONE) {
        names.clear();
        return EngineFailure(*m_connection);
    }
    return {};
}

FileError QuestionDatabase::OpenQuery(const std::string& sql, Recordset& rs) const {
    return Load(Utf8FromCp1252(sql), "", false, rs);
}

FileError QuestionDatabase::OpenTable(const std::string& table, Recordset& rs) const {
    const std::string sql =
        "SELECT rowid AS tarvos_rowid_, * FROM " + QuoteIdentifier(Utf8FromCp1252(table)) + " ORDER BY rowid";
    return Load(sql, table, true, rs);
}

FileError QuestionDatabase::Load(const std::string& sql, const std::string& table, bool withRowid,
                                 Recordset& rs) const {
    rs.Close();
    if (!m_connection)
        return DbError(DbCannotOpen, m_path, "The question database is not open.");
    sqlite3* db = m_connection->handle;
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &st, nullptr) != SQLITE_OK) {
        const std::string message = sqlite3_errmsg(db);
        const std::string prefix = "no such table: ";
        if (message.rfind(prefix, 0) == 0) {
            const std::string name = table.empty() ? Cp1252FromUtf8(message.substr(prefix.size())) : table;
            return DbError(DbTableNotFound, m_path,
                           "The table " + Quoted(name) + " was not found in file " + Quoted(m_path) + ".");
        }
        return DbError(DbEngineFailure, m_path,
                       "The query " + Quoted(Cp1252FromUtf8(sql)) + " failed on file " + Quoted(m_path) +
                           ": " + message + ".");
    }
    Recordset loaded;
    const int columns = sqlite3_column_count(st);
    const int first = withRowid ? 1 : 0;
    for (int i = first; i < columns; ++i)
        loaded.m_fieldNames.push_back(Cp1252FromUtf8(sqlite3_column_name(st, i)));
    int rc;
    while ((rc = sqlite3_step(st)) == SQLITE_ROW) {
        std::vector<FieldValue> row;
        row.reserve(static_cast<std::size_t>(columns - first));
        for (int i = first; i < columns; ++i) {
            if (sqlite3_column_type(st, i) == SQLITE_NULL)
                row.emplace_back(std::nullopt);
            else
                row.emplace_back(
                    Cp1252FromUtf8(std::string(reinterpret_cast<const char*>(sqlite3_column_text(st, i)),
                                               static_cast<std::size_t>(sqlite3_column_bytes(st, i)))));
        }
        loaded.m_rows.push_back(std::move(row));
        if (withRowid)
            loaded.m_rowids.push_back(sqlite3_column_int64(st, 0));
    }
    sqlite3_finalize(st);
    if (rc != SQLITE_DONE)
        return EngineFailure(*m_connection);
    loaded.m_connection = m_connection;
    loaded.m_table = table;
    loaded.m_open = true;
    loaded.m_position = 0;
    rs = std::move(loaded);
    return {};
}

FileError Recordset::Error(int number, const std::string& problem) const {
    const std::string path = m_connection ? m_connection->path : "";
    return DbError(number, path, problem);
}

FileError Recordset::MoveTo(bool possible, long position) {
    m_editing = false;
    m_pending.clear();
    if (!m_open || !possible)
        return Error(DbNoCurrentRecord, "No current record.");
    m_position = position;
    return {};
}

FileError Recordset::MoveFirst() {
    return MoveTo(!m_rows.empty(), 0);
}
FileError Recordset::MoveNext() {
    return MoveTo(!IsEOF(), m_position + 1);
}
FileError Recordset::MovePrevious() {
    return MoveTo(!IsBOF(), m_position - 1);
}

int Recordset::FieldIndex(const std::string& name) const {
    for (std::size_t i = 0; i < m_fieldNames.size(); ++i)
        if (SameName(m_fieldNames[i], name))
            return static_cast<int>(i);
    return -1;
}

bool Recordset::HasField(const std::string& name) const {
    return FieldIndex(name) >= 0;
}

FileError Recordset::Field(const std::string& name, FieldValue& value) const {
    value.reset();
    const int index = FieldIndex(name);
    if (index < 0) {
        const std::string path = m_connection ? m_connection->path : "";
        const std::string where = m_table.empty() ? "the recordset" : "table " + Quoted(m_table);
        return Error(DbFieldNotFound, "The field " + Quoted(name) + " was not found in " + where +
                                          " of file " + Quoted(path) + ".");
    }
    if (IsBOF() || IsEOF() || !m_open)
        return Error(DbNoCurrentRecord, "No current record.");
    value = m_rows[static_cast<std::size_t>(m_position)][static_cast<std::size_t>(index)];
    return {};
}

FileError Recordset::Text(const std::string& name, std::string& text) const {
    FieldValue value;
    auto e = Field(name, value);
    text = value.value_or("");
    return e;
}

FileError Recordset::Edit() {
    if (!m_open || IsBOF() || IsEOF())
        return Error(DbNoCurrentRecord, "No current record.");
    if (m_table.empty())
        return Error(DbReadOnly, "Cannot update: the recordset of a query is read-only.");
    m_editing = true;
    m_pending.clear();
    return {};
}

FileError Recordset::SetField(const std::string& name, std::int64_t value) {
    if (!m_editing)
        return Error(DbUpdateWithoutEdit, "Field " + Quoted(name) + " assigned without Edit.");
    FieldValue current;
    if (auto e = Field(name, current); !e.ok())
        return e;
    m_pending.emplace_back(FieldIndex(name), value);
    return {};
}

FileError Recordset::Update() {
    if (!m_editing)
        return Error(DbUpdateWithoutEdit, "Update without Edit.");
    m_editing = false;
    auto pending = std::move(m_pending);
    m_pending.clear();
    if (!m_connection || !m_connection->handle)
        return Error(DbCannotOpen, "The question database is not open.");
    if (pending.empty())
        return {};
    sqlite3* db = m_connection->handle;
    std::string sql = "UPDATE " + QuoteIdentifier(Utf8FromCp1252(m_table)) + " SET ";
    for (std::size_t i = 0; i < pending.size(); ++i)
        sql += (i ? ", " : "") +
               QuoteIdentifier(Utf8FromCp1252(m_fieldNames[static_cast<std::size_t>(pending[i].first)])) +
               " = ?";
    sql += " WHERE rowid = ?";
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &st, nullptr) != SQLITE_OK)
        return EngineFailure(*m_connection);
    for (std::size_t i = 0; i < pending.size(); ++i)
        sqlite3_bind_int64(st, static_cast<int>(i + 1), pending[i].second);
    sqlite3_bind_int64(st, static_cast<int>(pending.size() + 1),
                       m_rowids[static_cast<std::size_t>(m_position)]);
    // The change joins the transaction that holds the lock; closing the database commits it, so a
    // scan's 181 updates cost one write to the medium instead of one each.
    int rc = sqlite3_step(st);
    sqlite3_finalize(st);
    if (rc != SQLITE_DONE) {
        if ((rc & 0xFF) == SQLITE_READONLY)
            return Error(DbReadOnly, "Cannot update: file " + Quoted(m_connection->path) + " is read-only.");
        return EngineFailure(*m_connection);
    }
    auto& row = m_rows[static_cast<std::size_t>(m_position)];
    for (const auto& [index, value] : pending)
        row[static_cast<std::size_t>(index)] = std::to_string(value);
    return {};
}

void Recordset::Close() {
    *this = Recordset{};
}

FileError LoadItemTable(const QuestionDatabase& db, const std::string& table,
                        std::vector<ItemRecord>& items) {
    items.clear();
    Recordset rs;
    if (auto e = db.OpenQuery("Select * from [" + table + "]", rs); !e.ok())
        return e;
    for (const char* name : ItemFieldNames) {
        if (!rs.HasField(name))
            return DbError(DbFieldNotFound, db.path(),
                           "The field " + Quoted(name) + " was not found in table " + Quoted(table) +
                               " of file " + Quoted(db.path()) + ".");
    }
    const std::string where = "Table " + Quoted(table) + " of file " + Quoted(db.path()) + " ";
    std::vector<ItemRecord> loaded;
    for (; !rs.IsEOF(); (void)rs.MoveNext()) {
        const long record = static_cast<long>(loaded.size()) + 1;
        if (record > ItemCount)
            return DbError(ItemTableInvalid, db.path(),
                           where + "holds more than " + std::to_string(ItemCount) + " records.");
        ItemRecord item;
        std::string id;
        (void)rs.Text("ID", id);
        id = std::string(TrimBlanks(id));
        long value = 0;
        const auto [end, ec] = std::from_chars(id.data(), id.data() + id.size(), value);
        if (ec != std::errc{} || end != id.data() + id.size() || value < 1 || value > ItemCount)
            return DbError(ItemTableInvalid, db.path(),
                           where + "has an ID outside 1.." + std::to_string(ItemCount) + " in record " +
                               std::to_string(record) + ": " + Quoted(id) + ".");
        if (value != record)
            return DbError(ItemTableInvalid, db.path(),
                           where + "is out of item order: record " + std::to_string(record) + " has ID " +
                               std::to_string(value) + ".");
        item.ID = static_cast<std::int16_t>(value);
        (void)rs.Text("TestQuestion", item.TestQuestion);
        (void)rs.Field("QuestionAudio", item.QuestionAudio);
        for (std::size_t i = 0; i < 5; ++i) {
            (void)rs.Field("ANSWER" + std::to_string(i + 1), item.Answers[i]);
            (void)rs.Field("ChoiceAudio" + std::to_string(i + 1), item.ChoiceAudio[i]);
        }
        if (!AnswerPresent(item.Answers[0]) || !AnswerPresent(item.Answers[1]))
            return DbError(ItemTableInvalid, db.path(),
                           where + "has no answers for item " + std::to_string(value) +
                               " (each item needs at least ANSWER1 and ANSWER2).");
        loaded.push_back(std::move(item));
    }
    if (loaded.size() < static_cast<std::size_t>(ItemCount))
        return DbError(ItemTableInvalid, db.path(),
                       where + "holds " + std::to_string(loaded.size()) + " records, fewer than " +
                           std::to_string(ItemCount) + ".");
    items = std::move(loaded);
    return {};
}

FileError LanguageTables(const QuestionDatabase& db, std::vector<std::string>& languages) {
    languages.clear();
    std::vector<std::string> names;
    if (auto e = db.TableNames(names); !e.ok())
        return e;
    for (const auto& name : names)
        if (name == "English" || name == "Spanish")
            languages.push_back(name);
    return {};
}

bool AnswerPresent(const FieldValue& answer) {
    return answer && !answer->empty();
}

std::string AudioFileName(const std::string& soundPath, const std::string& table,
                          const std::string& requested) {
    return std::string(TrimBlanks(soundPath + "/" + SoundFolderName + "/" + table + "/" + requested));
}

std::string AudioRequestName(const FieldValue& stem) {
    return std::string(TrimBlanks(stem.value_or(""))) + ".wav";
}

FileError ListPresentationLanguages(const std::string& path, std::vector<std::string>& languages) {
    languages.clear();
    QuestionDatabase db;
    FileError err = db.Open(path);
    if (err.ok())
        err = LanguageTables(db, languages);
    (void)db.Close();
    if (err.ok() && languages.empty())
        return DbError(NoPresentationLanguage, path,
                       "No presentation language is installed: the question database " + Quoted(path) +
                           " holds no \"English\" or \"Spanish\" item table. Install Tarvos again.");
    return err;
}

FileError LoadPresentationItems(const std::string& path, const std::string& language,
                                std::vector<ItemRecord>& items) {
    items.clear();
    QuestionDatabase db;
    FileError err = db.Open(path);
    if (err.ok())
        err = LoadItemTable(db, language, items);
    (void)db.Close();
    if (!err.ok())
        items.clear();
    return err;
}
