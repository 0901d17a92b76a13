#include "clients/Registration.h"

#include "clients/ClientFile.h"
#include "shell/RunState.h"

#include <algorithm>

ClientRecord* CurrentSlot() {
    if (CurrentClient < 1 || CurrentClient > MaxClients)
        return nullptr;
    return &ClientTable[static_cast<std::size_t>(CurrentClient)];
}

bool DataDiskFull() {
    return ClientCount >= MaxClients;
}

FileError RestoreClientFromFile(int index) {
    if (index < 1 || index > MaxClients)
        return FileError{63, "Bad record number", ClientFile};
    if (auto err = CheckDataFolderPresent(); !err.ok())
        return err;
    ClientSlots stored{};
    int16_t count = 0;
    if (auto err = ReadClientFile(ClientFile, stored, count); !err.ok())
        return err;
    if (index > count)
        return FileError{63, "Bad record number", ClientFile};
    ClientTable[static_cast<std::size_t>(index)] = stored[static_cast<std::size_t>(index)];
    return {};
}

FileError StoreClientAnswers(const std::string& responses, bool newClient) {
    if (CurrentClient < 1 || CurrentClient > MaxClients)
        return FileError{63, "Bad record number", ClientFile};
    ClientTable[static_cast<std::size_t>(CurrentClient)].Responses = responses;
    if (auto err = SaveClientRecord(CurrentClient); !err.ok())
        return err;
    if (newClient && CurrentClient == ClientCount + 1)
        ++ClientCount;
    return {};
}

void AbandonNewClient(int16_t previousClient) {
    if (ClientCount < MaxClients)
        ClientTable[static_cast<std::size_t>(ClientCount + 1)] = ClientRecord{};
    CurrentClient = ClientCount > 0 && previousClient >= 1 && previousClient <= ClientCount ? previousClient
                    : ClientCount > 0                                                       ? int16_t{1}
                                                                                            : int16_t{0};
}

void DiscardSlotChanges(const ClientRecord& slotAtLoad) {
    if (!EditExisting)
        ClearCurrentRecord();
    else if (ClientRecord* slot = CurrentSlot(); slot && !RestoreClientFromFile(CurrentClient).ok())
        *slot = slotAtLoad;
}

ClientInfoStore StoreClientInformation(const ClientInfoValues& values, int16_t storedEditCount,
                                       int16_t editCountNow) {
    if (EditExisting && (CurrentClient < 1 || CurrentClient > ClientCount))
        return {ClientInfoOutcome::Cancel, {}};
    if (!EditExisting) {
        if (DataDiskFull())
            return {ClientInfoOutcome::Stay, {}};
        CurrentClient = static_cast<int16_t>(ClientCount + 1);
    }
    ClientRecord& record = ClientTable[static_cast<std::size_t>(CurrentClient)];
    if (EditExisting && (storedEditCount >= EditLimit || ClientInfoUnchanged(values, record)))
        return {ClientInfoOutcome::Continue, {}};
    const ClientRecord before = record;
    if (!EditExisting)
        StartNewClientRecord(record);
    ClientInfoToRecord(values, record);
    if (EditExisting) {
        record.EditCount = std::to_string(std::min<int>(editCountNow, 9));
        if (auto err = SaveClientRecord(CurrentClient); !err.ok()) {
            record = before;
            return {ClientInfoOutcome::WriteFailed, err};
        }
    }
    return {ClientInfoOutcome::Continue, {}};
}
