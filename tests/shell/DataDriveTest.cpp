#include "ShellFixture.h"
#include "shell/Settings.h"
#include "shell/qt/DataDriveSetup.h"
#include "support/Tmpfs.h"

#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <QtTest/QTest>
#include <filesystem>

namespace fs = std::filesystem;

namespace {
const QString WriteProtected =
    QStringLiteral("Data disk write protected!\n\nSet the data disk to writable and replace in drive.");

class DataDriveTest : public ShellTest {
protected:
    // Establishes `folder` as the folder in use, as a successful start-up leaves it.
    void InUse(const std::string& folder) {
        ASSERT_TRUE(SetDataFolder(folder).ok());
        ASSERT_TRUE(SaveFilePathSetting(folder).ok());
    }
    int refreshes = 0;
    void SetUp() override {
        ShellTest::SetUp();
        SetNameDisplayRefresher([this] { ++refreshes; });
    }
};

#define REQUIRE_MOUNT(m)                                                                                     \
    if (!(m).mounted())                                                                                      \
    GTEST_SKIP() << (m).why()
} // namespace

TEST_F(DataDriveTest, SetDataFolderAdoptsOnlyLoadableFilesAndLeavesNoScratchFile) {
    data.write("checkWriteTest", "left over");
    InUse(data.path()); // creates the empty client file
    EXPECT_EQ(fs::file_size(data.file("DATA401.TRV")), 0u);
    EXPECT_FALSE(fs::exists(data.file("checkWriteTest")));
    TempDir other;
    for (const std::string& bytes : {ManyRecords(52), ManyRecords(51) + std::string(118, 'x')}) {
        other.write("DATA401.TRV", bytes);
        EXPECT_EQ(SetDataFolder(other.path()).number, 9);
        EXPECT_EQ(DataDrive + ClientFile, data.path() + data.file("DATA401.TRV"));
        EXPECT_EQ(other.read("DATA401.TRV"), bytes);
    }
    std::string garbage;
    for (int i = 0; i < 235 * 2 + 118; ++i)
        garbage.push_back(static_cast<char>((i * 131) % 256));
    other.write("DATA401.TRV", garbage);
    ASSERT_TRUE(SetDataFolder(other.path()).ok());
    EXPECT_EQ(ClientCount, 3);
    EXPECT_EQ(other.read("DATA401.TRV"), garbage);
    EXPECT_EQ(SetDataFolder("a:").number, 52);
    EXPECT_EQ(SetDataFolder(other.file("missing")).number, 53);
}

TEST_F(DataDriveTest, FirstStartTriesDriveAWithoutAWindowNoEndsYesAsksForADrive) {
    EXPECT_EQ(SetUpDataDrive(true), DriveSetup::EndProgram);
    ASSERT_EQ(messages.calls.size(), 1u);
    EXPECT_EQ(messages.calls[0], (MsgBoxCall{QString::fromStdString(Unprompted("a:")), vbYesNo, "Tarvos"}));
    EXPECT_TRUE(DataDrive.empty());

    data.write("DATA401.TRV", Records({"Ann", "Bob"}));
    OfferVolume("/elsewhere", "SYSTEM", false);
    OfferVolume(data.path(), "USBSTICK");
    messages.Answer(vbYes, [] { ChooseInDriveWindow(1); });
    EXPECT_EQ(SetUpDataDrive(true), DriveSetup::Established);
    ASSERT_EQ(messages.calls.size(), 2u);
    EXPECT_EQ(DataDrive, data.path());
    EXPECT_EQ(ClientCount, 2);
    EXPECT_EQ(ReadFilePathSetting(), data.path());
    EXPECT_EQ(refreshes, 0) << "at start-up the list is filled later";
}

// The drive window: "Done" without a choice says so and stays open (it used to try the folder "" and
// ask about "drive , "), Esc and the close box cancel and keep the folder in use, "Browse..." picks any
// folder. The volumes' display texts are VolumesTest's.
TEST_F(DataDriveTest, DriveWindowCancelsOnEscAndCloseBoxRefusesNoChoiceAndBrowsesAnyFolder) {
    data.write("DATA401.TRV", Records({"Kept"}));
    InUse(data.path());
    OfferVolume("/media/ann/STICK", "STICK");
    {
        frmDriveSelect w;
        EXPECT_EQ(w.drDrive->itemText(0), VolumeDisplayText(volumes->list[0]));
        WhenModal<frmDriveSelect>([](frmDriveSelect* d) {
            KeyToFocus(Qt::Key_Tab);
            EXPECT_EQ(QApplication::focusWidget(), d->cmdBrowse);
            KeyToFocus(Qt::Key_Tab);
            KeyToFocus(Qt::Key_Return); // Help
            KeyToFocus(Qt::Key_Tab);
            KeyToFocus(Qt::Key_Return); // Done, nothing chosen
            EXPECT_TRUE(d->isVisible());
            EXPECT_EQ(QApplication::focusWidget(), d->drDrive);
            KeyToFocus(Qt::Key_Escape);
        });
        w.exec();
        EXPECT_TRUE(w.Cancelled);
        ASSERT_EQ(messages.calls.size(), 2u) << "the help, then the refusal";
        EXPECT_TRUE(messages.calls[1].text.startsWith("No drive has been chosen."));
    }
    WhenModal<frmDriveSelect>([](frmDriveSelect* d) {
        KeyToFocus(Qt::Key_Down);
        d->close(); // the close box cancels, whatever was picked
    });
    EXPECT_EQ(SetUpDataDrive(false), DriveSetup::Ended);
    WhenModal<frmDriveSelect>([](frmDriveSelect*) { KeyToFocus(Qt::Key_Escape); });
    EXPECT_EQ(SetUpDataDrive(false), DriveSetup::Ended);
    EXPECT_EQ(messages.calls.size(), 2u);
    EXPECT_EQ(DataDrive, data.path());
    EXPECT_EQ(ReadFilePathSetting(), data.path());
    EXPECT_EQ(ClientCount, 1);

    TempDir home;
    home.write("DATA401.TRV", Records({"Home One", "Home Two"}));
    const QString folder = QString::fromStdString(home.path());
    WhenModal<frmDriveSelect>([folder](frmDriveSelect* d) {
        WhenModal<QFileDialog>([folder](QFileDialog* f) {
            EXPECT_EQ(f->fileMode(), QFileDialog::Directory);
            f->setDirectory(folder);
            static_cast<QDialog*>(f)->accept();
        });
        KeyToFocus(Qt::Key_Tab);
        KeyToFocus(Qt::Key_Return); // Browse...
        EXPECT_EQ(d->SelectedDrive, folder);
        EXPECT_EQ(d->drDrive->currentText().section("  ", -1), folder);
        EXPECT_TRUE(QTest::qWaitFor([d] { return QApplication::focusWidget() == d->cmdDone; }, 2000));
        KeyToFocus(Qt::Key_Return);
    });
    EXPECT_EQ(SetUpDataDrive(false), DriveSetup::Established);
    EXPECT_EQ(DataDrive, home.path());
    EXPECT_EQ(ClientCount, 2);
    EXPECT_EQ(refreshes, 1);

    RememberFolder(home.file("missing"));
    messages.Answer(vbYes,
                    [] { WhenModal<frmDriveSelect>([](frmDriveSelect*) { KeyToFocus(Qt::Key_Escape); }); });
    EXPECT_EQ(SetUpDataDrive(true), DriveSetup::EndProgram) << "at start-up there is no folder to keep";
}

TEST_F(DataDriveTest, EveryFailureFromTheMenuReturnsToThePreviousFolder) {
    data.write("DATA401.TRV", Records({"Kept"}));
    InUse(data.path());
    TempDir bad;
    bad.write("DATA401.TRV", ManyRecords(52));
    OfferVolume(bad.path());

    ChooseInDriveWindow(0); // any other error: its message, then back
    EXPECT_EQ(SetUpDataDrive(false), DriveSetup::Ended);
    ASSERT_EQ(messages.calls.size(), 1u);
    EXPECT_EQ(messages.calls[0].text.toStdString(), OverFullMessage(bad.file("DATA401.TRV")));

    volumes->list = {{QString::fromStdString(bad.file("missing")), {}, true}};
    ChooseInDriveWindow(0); // "No" to the question
    EXPECT_EQ(SetUpDataDrive(false), DriveSetup::Ended);
    ASSERT_EQ(messages.calls.size(), 2u);
    EXPECT_EQ(messages.calls[1].text.toStdString(), Unprompted(bad.file("missing")));

    EXPECT_EQ(DataDrive, data.path());
    EXPECT_EQ(ClientCount, 1);
    EXPECT_EQ(ClientTable[1].Name.trimmed(), "Kept");
    EXPECT_EQ(ReadFilePathSetting(), data.path());
    EXPECT_EQ(bad.read("DATA401.TRV"), ManyRecords(52));
    EXPECT_EQ(refreshes, 2);
}

TEST_F(DataDriveTest, WriteProtectedMediumAsksAndRepeatsTheWriteTest) {
    Tmpfs medium;
    REQUIRE_MOUNT(medium);
    const std::string bytes = Records({"Ro One", "Ro Two"});
    medium.write("DATA401.TRV", bytes);
    ASSERT_TRUE(medium.SetReadOnly(true));
    RememberFolder(medium.path());

    messages.Answer(vbOK);                                                        // still protected
    messages.Answer(vbOK, [&medium] { ASSERT_TRUE(medium.SetReadOnly(false)); }); // protection removed
    EXPECT_EQ(SetUpDataDrive(true), DriveSetup::Established);
    ASSERT_EQ(messages.calls.size(), 2u);
    EXPECT_EQ(messages.calls[0], (MsgBoxCall{WriteProtected, vbOKCancel | vbCritical, "Data Disk Error"}));
    EXPECT_EQ(ClientCount, 2);
    EXPECT_FALSE(fs::exists(medium.file("checkWriteTest")));

    // From the menu, Cancel returns to the folder in use before.
    InUse(data.path());
    ASSERT_TRUE(medium.SetReadOnly(true));
    OfferVolume(medium.path());
    ChooseInDriveWindow(0);
    EXPECT_EQ(SetUpDataDrive(false), DriveSetup::Ended);
    EXPECT_EQ(messages.calls.back().text, WriteProtected);
    EXPECT_EQ(DataDrive, data.path());
    EXPECT_EQ(ClientCount, 0);
}

TEST_F(DataDriveTest, FullMediumReportsDiskFullAndKeepsThePreviousFolder) {
    Tmpfs medium(64);
    REQUIRE_MOUNT(medium);
    data.write("DATA401.TRV", Records({"Kept"}));
    InUse(data.path());
    medium.write("DATA401.TRV", Records({"Old"}));
    medium.Fill();
    OfferVolume(medium.path());
    ChooseInDriveWindow(0);
    EXPECT_EQ(SetUpDataDrive(false), DriveSetup::Ended);
    ASSERT_EQ(messages.calls.size(), 1u);
    EXPECT_EQ(messages.calls[0].text.toStdString(),
              "Error 61:Disk full\n\nThe disk holding " + medium.file("checkWriteTest") +
                  " is full: free some space on it, or use another disk.");
    EXPECT_EQ(DataDrive, data.path());
    EXPECT_FALSE(fs::exists(medium.file("checkWriteTest")));

    // A save there fails and leaves the file whole.
    ASSERT_TRUE(EstablishClientFile(medium.path()).ok());
    ClientTable[2] = ClientTable[1];
    EXPECT_EQ(SaveClientRecord(2).number, 61);
    EXPECT_EQ(medium.read("DATA401.TRV"), Records({"Old"}));
}

TEST_F(DataDriveTest, RemovedMediumIsNotReadyAndAFailedReturnEndsTheProgram) {
    Tmpfs medium;
    REQUIRE_MOUNT(medium);
    InUse(medium.path());
    ClientTable[1] = ClientRecord::FromBytes(Records({"Never written"}));
    ASSERT_TRUE(medium.Unmount());
    EXPECT_EQ(LoadClientFile().number, 71);
    EXPECT_EQ(SaveClientRecord(1).number, 71);
    EXPECT_FALSE(fs::exists(medium.file("DATA401.TRV"))) << "nothing written to the bare mount point";

    OfferVolume(data.file("missing"));
    ChooseInDriveWindow(0);
    EXPECT_EQ(SetUpDataDrive(false), DriveSetup::EndProgram);
    ASSERT_EQ(messages.calls.size(), 2u);
    EXPECT_EQ(messages.calls[1].text, "Reload of original data disk failed, aborting Program");
    EXPECT_EQ(messages.calls[1].buttonsAndIcon, vbOKOnly);

    // Inserted again (a tmpfs comes back empty: put the file back): a load takes the medium over.
    ASSERT_TRUE(medium.Mount());
    EXPECT_EQ(LoadClientFile().number, 71) << "loading never creates the file";
    medium.write("DATA401.TRV", Records({"Back"}));
    ASSERT_TRUE(LoadClientFile().ok());
    EXPECT_EQ(ClientCount, 1);
}
