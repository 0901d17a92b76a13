#pragma once
// Shared set-up for the registration windows' tests: a data folder with a client file, a fixed
// today, every message box recorded and answered, the program-wide state reset.
#include "clients/ClientRecord.h"
#include "support/MessageScript.h"
#include "support/TempDir.h"

#include <QString>
#include <functional>
#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>

inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

inline void PrintTo(const ClientRecord& record, std::ostream* os) {
    *os << '"' << record.ToBytes() << '"';
}

// Writes a question database with an "English" table of 149 items whose second answer is `answer2(item)`.
void WriteItemDatabase(const std::string& file, const std::function<std::string(int)>& answer2);

// The objectName of the widget with the keyboard focus.
QString FocusName();
// Types `text` into the focused widget, then Enter.
void TypeEnter(const QString& text);

// A complete, valid client as registration stores it.
ClientRecord SampleClient(const std::string& name);
// Client file bytes: one sample record per name, or `n` numbered clients.
std::string Records(const std::vector<std::string>& names);
std::string ManyRecords(int n);

class RegistrationWindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Writes `clients` as the client file and establishes the data folder.
    void UseClients(const std::vector<ClientRecord>& clients);
    std::string FileBytes() const;
    // The texts of the messages shown so far.
    QString LastMessage() const { return messages.empty() ? QString() : messages.back().text; }

    TempDir data;
    std::vector<MsgBoxCall> messages;
};
