#include "entry/ScanItemDatabase.h"

#include "presentation/QuestionDatabase.h"

#include <charconv>
#include <cmath>

struct ScanItemRecordset::Impl {
    QuestionDatabase db;
    Recordset rs;
};

namespace {

constexpr const char* ScanItemTable = "ScanItem";

double Number(const Recordset& rs, const char* name) {
    FieldValue value;
    if (const FileError e = rs.Field(name, value); !e.ok())
        throw ScanReadError(e.description);
    double number = 0;
    if (!value || std::from_chars(value->data(), value->data() + value->size(), number).ec != std::errc() ||
        !std::isfinite(number))
        throw ScanReadError(std::string("the field ") + name + " holds no number");
    return number;
}

int Whole(const Recordset& rs, const char* name) {
    const double number = std::nearbyint(Number(rs, name));
    if (number < -32768 || number > 32767)
        throw ScanReadError(std::string("the field ") + name + " is out of range");
    return static_cast<int>(number);
}

} // namespace

ScanItemRecordset::ScanItemRecordset(std::unique_ptr<Impl> impl) : m_impl(std::move(impl)) {}
ScanItemRecordset::~ScanItemRecordset() {
    m_impl->rs.Close();
    (void)m_impl->db.Close();
}

std::unique_ptr<ScanItemRecordset> ScanItemRecordset::Open(const std::string& path) {
    auto impl = std::make_unique<Impl>();
    if (const FileError e = impl->db.Open(path); !e.ok())
        throw ScanItemDatabaseError(e.description);
    if (const FileError e = impl->db.OpenTable(ScanItemTable, impl->rs); !e.ok())
        throw ScanItemDatabaseError(e.description);
    return std::unique_ptr<ScanItemRecordset>(new ScanItemRecordset(std::move(impl)));
}

void ScanItemRecordset::Close() {
    m_impl->rs.Close();
    if (const FileError e = m_impl->db.Close(); !e.ok())
        throw ScanItemDatabaseError(e.description);
}

bool ScanItemRecordset::MoveFirst() {
    return m_impl->rs.MoveFirst().ok();
}

bool ScanItemRecordset::MoveNext() {
    return m_impl->rs.MoveNext().ok() && !m_impl->rs.IsEOF();
}

ScanItemRow ScanItemRecordset::Current() const {
    const Recordset& rs = m_impl->rs;
    if (!rs.IsOpen() || rs.IsEOF() || rs.IsBOF())
        throw ScanReadError("no current record");
    ScanItemRow row;
    if (const FileError e = rs.Text("LocationName", row.LocationName); !e.ok())
        throw ScanReadError(e.description);
    row.r = Number(rs, "r");
    row.theta = Number(rs, "theta");
    row.dx = Number(rs, "dx");
    row.dy = Number(rs, "dy");
    row.dimx = Whole(rs, "dimx");
    row.DimY = Whole(rs, "DimY");
    return row;
}

void ScanItemRecordset::StorePosition(int x, int y) {
    Recordset& rs = m_impl->rs;
    FileError e = rs.Edit();
    if (e.ok())
        e = rs.SetField("x", x);
    if (e.ok())
        e = rs.SetField("y", y);
    if (e.ok())
        e = rs.Update();
    if (!e.ok())
        throw ScanReadError(e.description);
}
