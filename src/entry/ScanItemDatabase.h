#pragma once
// The layout table "ScanItem" of the question database file, as a recordset for the readers: walked in
// table order, with x and y of each record written back as the scan finds them.
#include "entry/ScanItemTable.h"

#include <memory>
#include <string>

class ScanItemDatabaseError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class ScanItemRecordset : public ScanItemCursor {
public:
    // Opens the database file for exclusive use and the table "ScanItem". Throws ScanItemDatabaseError
    // with a sentence naming the file when the file is missing, no database, locked or lacks the table.
    static std::unique_ptr<ScanItemRecordset> Open(const std::string& path);
    ~ScanItemRecordset() override;
    // Saves the positions written so far; throws ScanItemDatabaseError when that fails.
    void Close();

    bool MoveFirst() override;
    bool MoveNext() override;
    ScanItemRow Current() const override;
    void StorePosition(int x, int y) override;

private:
    struct Impl;
    explicit ScanItemRecordset(std::unique_ptr<Impl> impl);
    std::unique_ptr<Impl> m_impl;
};
