#include "ShellFixture.h"
#include "platform/SingleInstance.h"
#include "shell/Settings.h"
#include "shell/qt/StartupErrors.h"
#include "shell/qt/frmMainMenu.h"
#include "support/FakeProfile.h"
#include "support/Tmpfs.h"

#include <QAction>
#include <QGroupBox>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QtTest/QTest>
#include <filesystem>
#include <memory>
#include <thread>

namespace fs = std::filesystem;

namespace {
const QString NotFound = QStringLiteral("Data disk not found!\n\nInsert data disk in drive A to continue.");

QStringList ListLines(const frmMainMenu& w) {
    QStringList lines;
    for (int i = 0; i < w.lbNameDisplay->count(); ++i)
        lines << w.lbNameDisplay->item(i)->text();
    return lines;
}

QColor Back(QWidget* w) {
    return w->palette().color(QPalette::Window);
}

class MainMenuTest : public ShellTest {
protected:
    // Runs the start-up; when it lets the program run, shows the window as the program does (so a
    // window that is not visible afterwards means the program ended).
    std::unique_ptr<frmMainMenu> Start() {
        auto w = std::make_unique<frmMainMenu>(QString::fromStdString(runtime.path()));
        if (w->Form_Load()) {
            w->show();
            EXPECT_TRUE(QTest::qWaitForWindowActive(w.get()));
        }
        return w;
    }
};
} // namespace

TEST_F(MainMenuTest, FirstStartWithoutSettingsRecordsTheWorkgroupAndAsksForDriveA) {
    auto w = Start();
    EXPECT_FALSE(w->isVisible()) << "No to the question ends the program";
    ASSERT_EQ(messages.calls.size(), 1u);
    EXPECT_EQ(messages.calls[0].text.toStdString(), Unprompted("a:"));
    EXPECT_EQ(program.read("trvtest.ini"), "[Options]\r\nSystemDB=" + program.file("mokltd.mda") + "\r\n");
    EXPECT_EQ(SoundPath, program.path());
    EXPECT_EQ(QuestionDatabasePath, program.file("TARVOS.MDB"));
}

TEST_F(MainMenuTest, ListShowsNumberedStoredNamesAndTheChoiceMakesTheClientCurrent) {
    data.write("DATA401.TRV", Records({"Avery, Jordan", "Smith-Jones, Ann-Marie", "Lee"}));
    Settings("[Settings]\r\nNumLock=False\r\nPrintDOS=Truth\r\n[Path]\r\nFilePath=" + data.path() + "\r\n");
    auto w = Start();
    EXPECT_TRUE(messages.calls.empty());
    EXPECT_EQ(ListLines(*w), QStringList({"1-Avery, Jordan            ", "2-Smith-Jones, Ann-Marie   ",
                                          "3-Lee                      "}));
    EXPECT_FALSE(w->cmdMenuChoice[0]->isEnabled());
    EXPECT_FALSE(w->mnuOptionsNumLock->isChecked() || w->NumLockAlwaysOn);
    EXPECT_TRUE(w->mnuOptionsPrintDOS->isChecked() && PrintToDosPort && w->MenuActive);
    EXPECT_EQ(GenderNames[2], "Female");
    EXPECT_FALSE(fs::exists(data.file("checkWriteTest")));
    EXPECT_EQ(QApplication::focusWidget(), w->cmdMenuChoice[1]) << "the first enabled button";

    KeyToFocus(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), w->cmdMenuChoice[2]);
    KeyToFocus(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), w->cmdMenuChoice[3]);
    KeyToFocus(Qt::Key_Tab); // from "Exit Application" into the list
    ASSERT_EQ(QApplication::focusWidget(), w->lbNameDisplay);
    EXPECT_EQ(Back(w->fraClient), QColor(0, 255, 255));
    EXPECT_TRUE(w->fraClient->font().bold());
    EXPECT_EQ(w->MsgPanel->text(), "Use up or down arrow keys or mouse to select client.");
    KeyToFocus(Qt::Key_Down);
    KeyToFocus(Qt::Key_Down);
    EXPECT_EQ(CurrentClient, 2) << "the number before the first hyphen";
    EXPECT_TRUE(w->cmdMenuChoice[0]->isEnabled());
    KeyToFocus(Qt::Key_Up);
    EXPECT_EQ(CurrentClient, 1);
    KeyToFocus(Qt::Key_Tab);
    EXPECT_EQ(Back(w->fraClient), QColor(0, 0, 255));
    EXPECT_FALSE(w->fraClient->font().bold());
    EXPECT_EQ(w->MsgPanel->text(), "Edit client's information.");
}

TEST_F(MainMenuTest, WithNoClientsTheListIsPassedOverAndButtonsHighlightAndExplain) {
    RememberFolder(data.path());
    auto w = Start();
    EXPECT_EQ(w->lbNameDisplay->count(), 0);
    EXPECT_EQ(CurrentClient, 0);
    w->SetMenuChoiceAvailable(1, true);
    w->lbNameDisplay->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(QApplication::focusWidget(), w->cmdMenuChoice[1]);
    EXPECT_FALSE(w->cmdMenuChoice[0]->isEnabled());

    const char* help[] = {"Enter a new client. Test client on computer or enter data from answer sheet.",
                          "Print client report, verify data entry or delete client names.",
                          "Quit the program."};
    for (std::size_t i = 1; i <= 3; ++i) {
        w->SetMenuChoiceAvailable(static_cast<int>(i), true);
        w->cmdMenuChoice[i]->setFocus();
        EXPECT_EQ(w->MsgPanel->text(), help[i - 1]);
        for (std::size_t j = 0; j <= 3; ++j)
            EXPECT_EQ(Back(w->sspMenuChoice[j]), i == j ? QColor(0, 255, 255) : QColor(0, 0, 255));
        EXPECT_TRUE(w->cmdMenuChoice[i]->font().bold());
    }
    for (Qt::Key k : {Qt::Key_X, Qt::Key_Escape, Qt::Key_Q})
        KeyToFocus(k);
    EXPECT_FALSE(ProgramEnded());
    KeyToFocus(Qt::Key_Return); // "Exit Application"
    EXPECT_TRUE(ProgramEnded());
    EXPECT_FALSE(w->isVisible());
}

TEST_F(MainMenuTest, OptionsMenuChangesTheDataDrive) {
    RememberFolder(data.path());
    TempDir other;
    other.write("DATA401.TRV", Records({"New"}));
    OfferVolume(other.path());
    auto w = Start();
    // The Num Lock and DOS-port options are saved by the end-to-end keyboard test.
    // The status line tells which data folder is in use, before and after the switch.
    EXPECT_EQ(w->lblDataFolder->text().toStdString(), "Data folder: " + data.path());
    ChooseInDriveWindow(0);
    w->mnuDrive->trigger();
    EXPECT_EQ(ListLines(*w), QStringList({"1-New                      "}));
    EXPECT_EQ(ReadFilePathSetting(), other.path());
    EXPECT_EQ(w->lblDataFolder->text().toStdString(), "Data folder: " + other.path());
    EXPECT_FALSE(ProgramEnded());
}

TEST_F(MainMenuTest, ActivationRefreshesTheListAndClosesWindowsLeftOpen) {
    data.write("DATA401.TRV", Records({"Before"}));
    RememberFolder(data.path());
    auto w = Start();
    QDialog modal(w.get());
    WhenModal<QDialog>([](QDialog* d) {
        ClientTable[1].Name = "After";
        d->accept();
    });
    modal.exec();
    ASSERT_TRUE(QTest::qWaitFor([&w] { return w->isActiveWindow(); }, 2000));
    EXPECT_EQ(ListLines(*w), QStringList({"1-After                    "}));
    EXPECT_FALSE(w->cmdMenuChoice[0]->isEnabled());

    QDialog leftOver;
    leftOver.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&leftOver));
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([&w] { return w->isActiveWindow(); }, 2000));
    EXPECT_FALSE(leftOver.isVisible());
}

TEST_F(MainMenuTest, UnloadableClientFileIsReportedWithItsNameAndEndsTheProgram) {
    data.write("DATA401.TRV", ManyRecords(52));
    RememberFolder(data.path());
    auto w = Start();
    EXPECT_FALSE(w->isVisible());
    ASSERT_EQ(messages.calls.size(), 1u) << "one message for one fault";
    EXPECT_EQ(messages.calls[0].text.toStdString(), OverFullMessage(data.file("DATA401.TRV")));
    EXPECT_EQ(messages.calls[0].title, "Tarvos");
    EXPECT_EQ(data.read("DATA401.TRV"), ManyRecords(52));
    EXPECT_TRUE(ClientFile.empty());
}

TEST_F(MainMenuTest, MediumRemovedDuringTheSplashIsAskedForAndStartUpContinues) {
    Tmpfs medium;
    if (!medium.mounted())
        GTEST_SKIP() << medium.why();
    const std::string bytes = Records({"On Medium"});
    medium.write("DATA401.TRV", bytes);
    RememberFolder(medium.path());
    frmAbout::SetSplashDuration(400);
    QTimer::singleShot(50, [&medium] { medium.Unmount(); });
    messages.Answer(vbOK); // still out
    messages.Answer(vbOK, [&] {
        medium.Mount();
        medium.write("DATA401.TRV", bytes);
    });
    auto w = Start();
    EXPECT_TRUE(w->isVisible());
    ASSERT_EQ(messages.calls.size(), 2u);
    EXPECT_EQ(messages.calls[0], (MsgBoxCall{NotFound, vbOKCancel | vbCritical, "Data Disk Error"}));
    EXPECT_EQ(ListLines(*w), QStringList({"1-On Medium                "}));

    // Cancel ends the program.
    w.reset();
    ResetClientFileState();
    ResetDataDrive();
    QTimer::singleShot(50, [&medium] { medium.Unmount(); });
    EXPECT_FALSE(Start()->isVisible());
    EXPECT_EQ(messages.calls.back().text, NotFound);
    EXPECT_FALSE(fs::exists(medium.file("DATA401.TRV"))) << "no client file on the bare mount point";
}

TEST_F(MainMenuTest, StartupHandlerPicksTheMessageByNumber) {
    for (int n : {52, 53, 57, 71, 3024, 3044, 3051}) {
        messages.Answer(vbOK);
        EXPECT_TRUE(StartupErrorRetry(MakeFileError(n, "/m/DATA401.TRV"))) << n;
        EXPECT_EQ(messages.calls.back().text, NotFound);
        EXPECT_FALSE(StartupErrorRetry(MakeFileError(n, "/m/DATA401.TRV"))) << "Cancel ends";
    }
    messages.Answer(vbOK);
    EXPECT_TRUE(StartupErrorRetry(MakeFileError(70, "/m/DATA401.TRV")));
    EXPECT_TRUE(messages.calls.back().text.startsWith("Data disk write protected!"));
    messages.Answer(vbOK);
    EXPECT_FALSE(StartupErrorRetry(FileError{10005, "Input/output error", "/m/DATA401.TRV"}));
    EXPECT_EQ(messages.calls.back().text,
              "Error 10005:Input/output error\n\n/m/DATA401.TRV: Input/output error. "
              "Check the disk and the file, then try again.");
    EXPECT_EQ(messages.calls.back().buttonsAndIcon, vbOKOnly);
}

TEST_F(MainMenuTest, AboutOpensBesideTheMenuAndARaiseRequestRestoresTheWindow) {
    SetSingleInstanceFactory({}); // the real lock and socket, in the private runtime folder
    RememberFolder(data.path());
    frmAbout::SetSplashDuration(300);
    bool shownDuringSplash = true;
    // A second copy's raise, from a thread of its own as from another process.
    std::thread secondCopy;
    QTimer::singleShot(100, [this, &secondCopy] {
        secondCopy = std::thread(
            [folder = QString::fromStdString(runtime.path())] { LocalSingleInstance(folder).SendRaise(); });
    });
    QTimer::singleShot(200, [&shownDuringSplash] {
        for (QWidget* t : QApplication::topLevelWidgets())
            if (qobject_cast<frmMainMenu*>(t))
                shownDuringSplash = t->isVisible();
    });
    auto w = Start();
    if (secondCopy.joinable())
        secondCopy.join();
    EXPECT_FALSE(shownDuringSplash) << "a raise request during the start-up must not show the menu early";
    w->mnuHelpAbout->trigger();
    auto* about = w->findChild<frmAbout*>();
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(about->isVisible());
    EXPECT_FALSE(about->isModal());
    EXPECT_TRUE(about->cmdMenuChoice[0]->isVisible());
    about->cmdMenuChoice[0]->click();
    EXPECT_TRUE(QTest::qWaitFor([w = w.get()] { return w->findChild<frmAbout*>() == nullptr; }, 2000));

    w->showMinimized();
    ASSERT_TRUE(QTest::qWaitFor([&w] { return w->isMinimized(); }, 2000));
    LocalSingleInstance second(QString::fromStdString(runtime.path()));
    ASSERT_FALSE(second.TryBecomeFirst());
    ASSERT_TRUE(second.SendRaise());
    EXPECT_TRUE(QTest::qWaitFor([&w] { return !w->isMinimized() && w->isVisible(); }, 3000));
}

TEST_F(MainMenuTest, SettingsThatCannotBeWrittenAreReportedAndTheProgramStillRuns) {
    auto* profile = Install(SetProgramProfile, std::make_unique<FakeProfile>());
    profile->values[{"path", "filepath"}] = data.path();
    profile->writeError = MakeFileError(70, "/ro/trvtest.ini");
    auto w = Start();
    EXPECT_TRUE(w->isVisible());
    w->mnuOptionsNumLock->trigger();
    w->mnuOptionsPrintDOS->trigger();
    ASSERT_EQ(messages.calls.size(), 3u) << "the start-up's write and each option's";
    for (const MsgBoxCall& call : messages.calls) {
        EXPECT_TRUE(call.text.startsWith("The settings file could not be written.\n\nError 70:"));
        EXPECT_TRUE(call.text.endsWith("\n/ro/trvtest.ini"));
    }
    EXPECT_FALSE(w->NumLockAlwaysOn) << "the option still changes for this run";
    EXPECT_TRUE(ReadNumLockSetting()) << "the settings are unchanged";
}
