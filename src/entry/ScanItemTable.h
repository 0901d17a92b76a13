#pragma once
// The layout table "ScanItem": one record per read location of the answer sheet, walked in table
// order. The readers read the current record and write back where they found its first bubble.
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

struct ScanItemRow {
    std::string LocationName;
    double r = 0;     // distance from the anchor box to the first bubble on an unskewed sheet, pixels
    double theta = 0; // direction of the first bubble from the anchor box, degrees (90 = downwards)
    double dx = 0;    // horizontal bubble pitch of a row, pixels
    double dy = 0;    // vertical bubble pitch of a column, pixels
    int dimx = 0;     // bubbles in a row
    int DimY = 0;     // bubbles in a column
    int x = 0;        // first bubble as found by the last scan, relative to the anchor box
    int y = 0;
    bool operator==(const ScanItemRow&) const = default;
};

// A failure to read or update one location (no current record, a missing value, a position out of
// range). The sheet reading skips that location and goes on.
class ScanReadError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A recordset on "ScanItem": a current record that moves forwards only.
class ScanItemCursor {
public:
    virtual ~ScanItemCursor() = default;
    // Moves to the first record; false when the table is empty.
    virtual bool MoveFirst() = 0;
    // Moves to the next record; false (and no current record) past the last one.
    virtual bool MoveNext() = 0;
    // The current record; throws ScanReadError when there is none or a value is missing.
    virtual ScanItemRow Current() const = 0;
    // Stores x and y of the current record; throws ScanReadError when that fails.
    virtual void StorePosition(int x, int y) = 0;
};

// The layout table held in memory (tests, benchmarks, and the table a database yields).
class ScanItemList : public ScanItemCursor {
public:
    ScanItemList() = default;
    explicit ScanItemList(std::vector<ScanItemRow> rows) : m_rows(std::move(rows)) {}

    bool MoveFirst() override;
    bool MoveNext() override;
    ScanItemRow Current() const override;
    void StorePosition(int x, int y) override;

    const std::vector<ScanItemRow>& rows() const { return m_rows; }

private:
    std::vector<ScanItemRow> m_rows;
    std::size_t m_pos = 0;
};
