#include "entry/ScanItemDatabase.h"

#include <optional>
#include <sqlite3.h>
#include <vector>

namespace {
bool Exec(sqlite3* db, const char* sql) {
    return sqlite3_exec(db, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
}
} // namespace

struct ScanItemRecordset::Impl {
    struct Record {
        sqlite3_int64 rowid = 0;
        std::optional<ScanItemRow> row; // empty when a value the readers need is missing
    };
    sqlite3* db = nullptr;
    std::vector<Record> records;
    std::size_t pos = 0;

    ~Impl() {
        if (db && !sqlite3_get_autocommit(db))
            Exec(db, "COMMIT");
        sqlite3_close(db);
    }
};

namespace {

[[noreturn]] void Fail(const std::string& path, const std::string& problem) {
    throw ScanItemDatabaseError("The question database " + path + " " + problem + ".");
}

std::optional<ScanItemRow> ReadRecord(sqlite3_stmt* st) {
    for (int c = 1; c <= 6; ++c) // x and y are only written
        if (sqlite3_column_type(st, c) == SQLITE_NULL)
            return std::nullopt;
    ScanItemRow row;
    if (const unsigned char* name = sqlite3_column_text(st, 0))
        row.LocationName = reinterpret_cast<const char*>(name);
    row.r = sqlite3_column_double(st, 1);
    row.theta = sqlite3_column_double(st, 2);
    row.dx = sqlite3_column_double(st, 3);
    row.dy = sqlite3_column_double(st, 4);
    row.dimx = sqlite3_column_int(st, 5);
    row.DimY = sqlite3_column_int(st, 6);
    row.x = sqlite3_column_int(st, 7);
    row.y = sqlite3_column_int(st, 8);
    return row;
}

} // namespace

ScanItemRecordset::ScanItemRecordset(std::unique_ptr<Impl> impl) : m_impl(std::move(impl)) {}
ScanItemRecordset::~ScanItemRecordset() = default;

std::unique_ptr<ScanItemRecordset> ScanItemRecordset::Open(const std::string& path) {
    auto impl = std::make_unique<Impl>();
    if (sqlite3_open_v2(path.c_str(), &impl->db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK)
        Fail(path, "cannot be opened");
    sqlite3_busy_timeout(impl->db, 0);
    if (!Exec(impl->db, "PRAGMA locking_mode=EXCLUSIVE") || !Exec(impl->db, "BEGIN EXCLUSIVE") ||
        !Exec(impl->db, "COMMIT")) {
        const int code = sqlite3_errcode(impl->db);
        Fail(path, code == SQLITE_NOTADB ? "is not a database" : "is in use or cannot be written");
    }
    sqlite3_stmt* st = nullptr;
    const char* sql =
        "SELECT LocationName, r, theta, dx, dy, dimx, DimY, x, y, rowid FROM ScanItem ORDER BY rowid";
    if (sqlite3_prepare_v2(impl->db, sql, -1, &st, nullptr) != SQLITE_OK)
        Fail(path, "has no usable table ScanItem");
    int rc;
    while ((rc = sqlite3_step(st)) == SQLITE_ROW)
        impl->records.push_back({sqlite3_column_int64(st, 9), ReadRecord(st)});
    sqlite3_finalize(st);
    if (rc != SQLITE_DONE)
        Fail(path, "cannot be read");
    // The positions of one scan are written together when the recordset closes.
    if (!Exec(impl->db, "BEGIN"))
        Fail(path, "cannot be written");
    return std::unique_ptr<ScanItemRecordset>(new ScanItemRecordset(std::move(impl)));
}

void ScanItemRecordset::Close() {
    if (m_impl->db && !sqlite3_get_autocommit(m_impl->db) && !Exec(m_impl->db, "COMMIT"))
        throw ScanItemDatabaseError(std::string("The layout positions could not be saved: ") +
                                    sqlite3_errmsg(m_impl->db) + ".");
}

bool ScanItemRecordset::MoveFirst() {
    m_impl->pos = 0;
    return !m_impl->records.empty();
}

bool ScanItemRecordset::MoveNext() {
    if (m_impl->pos < m_impl->records.size())
        ++m_impl->pos;
    return m_impl->pos < m_impl->records.size();
}

ScanItemRow ScanItemRecordset::Current() const {
    if (m_impl->pos >= m_impl->records.size())
        throw ScanReadError("no current record");
    const auto& record = m_impl->records[m_impl->pos];
    if (!record.row)
        throw ScanReadError("a layout value is missing");
    return *record.row;
}

void ScanItemRecordset::StorePosition(int x, int y) {
    if (m_impl->pos >= m_impl->records.size())
        throw ScanReadError("no current record");
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(m_impl->db, "UPDATE ScanItem SET x = ?, y = ? WHERE rowid = ?", -1, &st,
                           nullptr) != SQLITE_OK)
        throw ScanReadError(sqlite3_errmsg(m_impl->db));
    sqlite3_bind_int(st, 1, x);
    sqlite3_bind_int(st, 2, y);
    sqlite3_bind_int64(st, 3, m_impl->records[m_impl->pos].rowid);
    const int rc = sqlite3_step(st);
    sqlite3_finalize(st);
    if (rc != SQLITE_DONE)
        throw ScanReadError(sqlite3_errmsg(m_impl->db));
}
