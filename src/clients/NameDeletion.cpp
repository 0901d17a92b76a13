#include "clients/NameDeletion.h"

#include "clients/ClientFile.h"
#include "clients/ClientInfoRules.h"

void ScrambleName(std::string& text) {
    for (char& c : text) {
        const int code = static_cast<unsigned char>(c);
        if (c == ' ')
            continue;
        const int scrambled = code + (code % 2 == 0 ? 7 : 3);
        if (scrambled <= 255)
            c = static_cast<char>(scrambled);
    }
}

NameDeletionResult DeleteClientNames(const std::function<void(int slot)>& saved) {
    NameDeletionResult result;
    for (int i = 1; i <= ClientCount; ++i) {
        ClientRecord& record = ClientTable[static_cast<std::size_t>(i)];
        if (record.NameDeleted.view() != "0")
            continue;
        const ClientRecord before = record;
        std::string name = record.Name.str();
        ScrambleName(name);
        record.Name = name;
        record.NameDeleted = "1";
        if (auto err = SaveClientRecord(i); !err.ok()) {
            record = before;
            result.failedSlot = i;
            result.saveError = err;
            break;
        }
        NameDeletedNow = 1;
        ++result.deleted;
        if (saved)
            saved(i);
    }
    return result;
}
