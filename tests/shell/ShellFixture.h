#pragma once
// Common ground of the shell's window tests: a private program folder, data folder and runtime
// folder, reset program-wide state, a short splash, scripted message boxes and a recorded end.
#include "clients/ClientFile.h"
#include "clients/DataDrive.h"
#include "shell/ProgramFolder.h"
#include "shell/RunState.h"
#include "shell/qt/EndProgram.h"
#include "shell/qt/frmAbout.h"
#include "shell/qt/frmDriveSelect.h"
#include "support/MessageScript.h"
#include "support/ModalHelper.h"
#include "support/RegistrationFixture.h"
#include "support/TempDir.h"

#include <QComboBox>
#include <gtest/gtest.h>

class ShellTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetProgramFolder(program.path());
        ResetClientFileState();
        ResetDataDrive();
        ClearRunState();
        frmAbout::SetSplashDuration(1);
        ResetProgramEnded();
        SetEndProgramHandler([](int) {});
        frmDriveSelect::SetVolumeSource([this] { return volumes; });
    }
    void TearDown() override {
        CloseAllModals();
        frmDriveSelect::SetVolumeSource({});
        SetEndProgramHandler({});
        SetProgramFolder("");
        ResetClientFileState();
        ResetDataDrive();
    }

    void Settings(const std::string& text) const { program.write("trvtest.ini", text); }
    void RememberFolder(const std::string& folder) const {
        Settings("[Path]\r\nFilePath=" + folder + "\r\n");
    }
    void OfferVolume(const std::string& folder, const QString& label = {}, bool removable = true) {
        volumes.push_back({QString::fromStdString(folder), label, removable});
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
    std::vector<DataVolume> volumes;
    MessageScript messages;
};

inline std::string Unprompted(const std::string& folder) {
    return "No test information found on drive " + folder + ", would you like to try another drive?";
}
