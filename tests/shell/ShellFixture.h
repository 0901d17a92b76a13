#pragma once
// Common ground of the shell's window tests: a private program folder, data folder and runtime
// folder, reset program-wide state, a short splash, scripted message boxes, a recorded end, and fakes
// for the volume list, the Num Lock key and the running-copy check.
#include "clients/ClientFile.h"
#include "clients/DataDrive.h"
#include "shell/ProgramFolder.h"
#include "shell/RunState.h"
#include "shell/qt/EndProgram.h"
#include "shell/qt/frmAbout.h"
#include "shell/qt/frmDriveSelect.h"
#include "support/FakeNumLock.h"
#include "support/FakeSingleInstance.h"
#include "support/FakeVolumes.h"
#include "support/MessageScript.h"
#include "support/ModalHelper.h"
#include "support/ProgramState.h"
#include "support/RegistrationFixture.h"
#include "support/TempDir.h"

#include <QPointer>

#include <QComboBox>
#include <gtest/gtest.h>

class ShellTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetProgramState();
        SetProgramFolder(program.path());
        frmAbout::SetSplashDuration(1);
        SetEndProgramHandler([](int) {});
        volumes = Install(SetProgramVolumes, std::make_unique<FakeVolumes>());
        numLock = Install(SetProgramNumLock, std::make_unique<FakeNumLock>());
        SetSingleInstanceFactory([this](const QString&, QObject* parent) {
            instance = new FakeSingleInstance(anotherCopyRuns, parent);
            return instance.data();
        });
    }
    void TearDown() override {
        CloseAllModals();
        ResetProgramState();
    }

    void Settings(const std::string& text) const { program.write("trvtest.ini", text); }
    void RememberFolder(const std::string& folder) const {
        Settings("[Path]\r\nFilePath=" + folder + "\r\n");
    }
    void OfferVolume(const std::string& folder, const QString& label = {}, bool removable = true) {
        volumes->list.push_back({QString::fromStdString(folder), label, removable});
    }
    // Arms the drive window: picks the volume at `index` with the arrow keys (nothing for -1), then
    // tabs to "Done" and presses Enter.
    static void ChooseInDriveWindow(int index) {
        WhenModal<frmDriveSelect>([index](frmDriveSelect* w) {
            EXPECT_EQ(QApplication::focusWidget(), w->drDrive);
            for (int i = 0; i <= index; ++i)
                KeyToFocus(Qt::Key_Down);
            KeyToFocus(Qt::Key_Tab);
            KeyToFocus(Qt::Key_Tab);
            EXPECT_EQ(QApplication::focusWidget(), w->cmdDone);
            KeyToFocus(Qt::Key_Return);
        });
    }

    TempDir program, data, runtime;
    MessageScript messages;
    FakeVolumes* volumes = nullptr;
    FakeNumLock* numLock = nullptr;
    bool anotherCopyRuns = false;          // what the next running-copy check finds
    QPointer<FakeSingleInstance> instance; // the last running-copy check the program made
};

inline std::string Unprompted(const std::string& folder) {
    return "No test information found on drive " + folder + ", would you like to try another drive?";
}

// The message of a client file of 52 records (ManyRecords(52)) at `file`: its number and text, then
// in words what it holds and what to do.
inline std::string OverFullMessage(const std::string& file) {
    return "Error 9:Subscript out of range\n\n" + file +
           " holds 52 client records (12220 bytes), but one data disk holds at most 51: keep the first 51 "
           "(its "
           "first 11985 bytes) there and move the other records to the client file of another disk folder.";
}
