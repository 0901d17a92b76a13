#include "entry/GridItems.h"

#include "presentation/QuestionDatabase.h"

FileError LoadGridItems(const std::string& path, GridItemList& items) {
    items.clear();
    QuestionDatabase db;
    if (auto err = db.Open(path); !err.ok())
        return err;
    std::vector<ItemRecord> records;
    const FileError err = LoadItemTable(db, "English", records);
    (void)db.Close(); // nothing was changed
    if (!err.ok())
        return err;
    for (const auto& r : records)
        items.emplace_back(r.ID, r.Answers[1].value_or(""));
    return {};
}
