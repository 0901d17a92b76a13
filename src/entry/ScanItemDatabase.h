#pragma once
// The layout table "ScanItem" of the question database, as a recordset for the readers: walked in
// table order, with x and y of each record written back (edit, assign, update) as the scan finds them.
#include "entry/ScanItemTable.h"

#include <memory>
#include <string>

class ScanItemDatabaseError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class ScanItemRecordset : public ScanItemCursor {
public:
    // Opens the question database file for exclusive use and its table "ScanItem". Throws
    // ScanItemDatabaseError with the database's sentence naming the file and the problem.
    static std::unique_ptr<ScanItemRecordset> Open(const std::string& path);
    ~ScanItemRecordset() override;

    // Closes the table and the database, saving the positions stored; throws ScanItemDatabaseError
    // when they cannot be saved.
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
