#include "clients/ClientFile.h"
#include "clients/qt/frmClientInfo.h"
#include "clients/qt/frmCourtHistory.h"
#include "entry/qt/frmNewEntry.h"
#include "entry/qt/frmVerify.h"
#include "presentation/qt/frmSelectEntryMethod.h"
#include "scoring/qt/frmPrintSelected.h"
#include "scoring/qt/frmViewReport.h"
#include "shell/ProgramFolder.h"
#include "shell/RunState.h"
#include "shell/qt/MsgPanel.h"
#include "shell/qt/frmDriveSelect.h"
#include "shell/qt/frmMainMenu.h"
#include "shell/qt/frmMyInputBox.h"
#include "supervisor/qt/frmSupervisorOptions.h"
#include "support/RegistrationFixture.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QtTest/QTest>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <set>

namespace {
// Fails the test when `label` does not show all of its text (each line within its width, or wrapped
// within its height) or lies partly outside its window.
void ExpectShownInFull(const QLabel* label) {
    const int m = label->margin();
    const QRect room = label->contentsRect().adjusted(m, m, -m, -m);
    const QFontMetrics fm(label->font());
    bool fits =
        label->window()->rect().contains(QRect(label->mapTo(label->window(), QPoint()), label->size()));
    if (label->wordWrap())
        fits = fits && fm.boundingRect(room, Qt::TextWordWrap, label->text()).height() <= room.height();
    for (const QString& line : label->text().split('\n'))
        fits = fits && (label->wordWrap() || fm.horizontalAdvance(line) <= room.width());
    EXPECT_TRUE(fits) << label->window()->objectName().toStdString() << "/"
                      << label->objectName().toStdString() << ": \"" << label->text().toStdString()
                      << "\" in " << room.width() << "x" << room.height();
}

// Gives each control of `window` the focus in tab order, calling `check` after each.
void WalkFocus(QWidget* window, const std::function<void(QWidget*)>& check) {
    for (QWidget* w = window->nextInFocusChain(); w != window; w = w->nextInFocusChain()) {
        if (!w->isVisible() || !w->isEnabled() || !(w->focusPolicy() & Qt::TabFocus))
            continue;
        w->setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
        check(w);
    }
}

class WindowLayoutTest : public RegistrationWindowTest {
protected:
    void SetUp() override {
        RegistrationWindowTest::SetUp();
        WriteItemDatabase(program.file("TARVOS.MDB"), [](int item) {
            return item <= 30    ? "False"
                   : item <= 60  ? "Sometimes"
                   : item <= 90  ? "Mostly True"
                   : item <= 120 ? "Often"
                   : item <= 140 ? "No"
                                 : "Two";
        });
        QuestionDatabasePath = program.file("TARVOS.MDB");
        // The report viewer scores the client with the scoring data files of the program folder.
        namespace fs = std::filesystem;
        for (const auto& f :
             fs::directory_iterator(std::string(TARVOS_SOURCE_DIR) + "/tests/scoring/data/base"))
            fs::copy_file(f.path(), fs::path(program.path()) / f.path().filename());
        SetProgramFolder(program.path());
        UseClients({SampleClient("Ann Lee")});
        CurrentClient = 1;
    }
    void TearDown() override {
        SetProgramFolder("");
        RegistrationWindowTest::TearDown();
    }
    static void Show(QWidget* w) {
        w->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(w));
        QTest::qWait(20); // the activation steps run just after the window shows
    }
    TempDir program;
};
} // namespace

// With the focus on each control in turn (on each tab), every label and every help text box the user
// cannot scroll by keyboard shows its text in full; the grid gets one grid of each answer type.
TEST_F(WindowLayoutTest, EveryHelpAndStatusTextShowsInFullAt1024x768) {
    auto input = std::make_unique<frmMyInputBox>();
    input->HelpMessage =
        "Enter the Secret Code to continue.  For security, asterisks (*) will show as you type.";
    std::vector<std::unique_ptr<QWidget>> windows;
    windows.push_back(std::move(input));
    windows.push_back(std::make_unique<frmDriveSelect>());
    windows.push_back(std::make_unique<frmSelectEntryMethod>());
    windows.push_back(std::make_unique<frmClientInfo>());
    windows.push_back(std::make_unique<frmCourtHistory>());
    windows.push_back(std::make_unique<frmNewEntry>());
    windows.push_back(std::make_unique<frmMainMenu>(QString::fromStdString(program.path())));
    windows.push_back(std::make_unique<frmSupervisorOptions>());
    windows.push_back(std::make_unique<frmViewReport>());
    windows.push_back(std::make_unique<frmPrintSelected>());
    windows.push_back(std::make_unique<frmVerify>());
    std::map<QString, std::set<QString>> helpLines;
    for (auto& window : windows) {
        Show(window.get());
        EXPECT_LE(window->frameGeometry().width(), 1024) << window->objectName().toStdString();
        EXPECT_LE(window->frameGeometry().height(), 768) << window->objectName().toStdString();
        auto* tabs = window->findChild<QTabWidget*>();
        for (int tab = 0; tab < (tabs ? tabs->count() : 1); ++tab) {
            if (tabs)
                tabs->setCurrentIndex(tab);
            WalkFocus(window.get(), [&](QWidget*) {
                for (const QLabel* label : window->findChildren<QLabel*>())
                    if (label->isVisible() && !label->text().isEmpty())
                        ExpectShownInFull(label);
                if (auto* panel = window->findChild<MsgPanel*>())
                    helpLines[window->objectName()].insert(panel->text());
            });
        }
        for (const QPlainTextEdit* box : window->findChildren<QPlainTextEdit*>()) {
            if (box->isReadOnly() && box->focusPolicy() == Qt::NoFocus) {
                EXPECT_EQ(box->verticalScrollBar()->maximum(), 0)
                    << window->objectName().toStdString() << "/" << box->objectName().toStdString();
            }
        }
        window->hide();
    }
    EXPECT_TRUE(messages.empty()) << messages.front().text.toStdString();
    // The distinct help lines the focus walk met: each control's own line, not one left over from another
    // (the supervisor's three tabs, the options, the check box and two buttons; the grid's six legends).
    const std::pair<const char*, std::size_t> distinct[] = {
        {"frmClientInfo", 10}, {"frmCourtHistory", 5},      {"frmMainMenu", 4},          {"frmNewEntry", 8},
        {"frmPrintSelected", 4}, {"frmSelectEntryMethod", 4}, {"frmSupervisorOptions", 7}, {"frmVerify", 2}};
    for (const auto& [window, count] : distinct)
        EXPECT_EQ(helpLines[window].size(), count) << window;
}

// Focus moving through a window moves nothing: labels and buttons turning bold keep their room, and
// no label stays bold once its field is left. The response grid's captions stay on their grids when
// the window grows, and the main window does not shrink below its menu.
TEST_F(WindowLayoutTest, FocusMovesNothingCaptionsStayOnTheirGridsAndTheMainWindowKeepsItsMenu) {
    frmClientInfo info;
    frmCourtHistory history;
    frmMainMenu menu(QString::fromStdString(program.path()));
    frmSupervisorOptions options;
    for (QWidget* window : {static_cast<QWidget*>(&info), static_cast<QWidget*>(&history),
                            static_cast<QWidget*>(&menu), static_cast<QWidget*>(&options)}) {
        SCOPED_TRACE(window->objectName().toStdString());
        Show(window);
        std::map<QWidget*, QRect> before;
        for (QWidget* w : window->findChildren<QWidget*>())
            before[w] = w->geometry();
        WalkFocus(window, [&](QWidget* focus) {
            for (const auto& [w, rect] : before)
                EXPECT_EQ(w->geometry(), rect)
                    << w->objectName().toStdString() << ", focus on " << focus->objectName().toStdString();
        });
        // The walk ends on a button: no field label is left bold.
        for (int i = 0; QLabel* label = window->findChild<QLabel*>(QStringLiteral("lblInfo_%1").arg(i)); ++i)
            EXPECT_FALSE(label->font().bold()) << i;
    }

    frmNewEntry grid;
    Show(&grid);
    // From the caption's text, centred in its label, to the top of its grid.
    auto gap = [&grid](std::size_t g) {
        return grid.grdResponses[g]->geometry().top() - grid.lblSection[g]->geometry().center().y();
    };
    const int gap0 = gap(0);
    grid.resize(grid.size() + QSize(200, 300));
    QApplication::processEvents();
    for (std::size_t g = 0; g < grid.grdResponses.size(); ++g)
        EXPECT_EQ(gap(g), gap0) << "grid " << g;

    menu.resize(200, 150);
    QApplication::processEvents();
    EXPECT_TRUE(menu.centralWidget()->rect().contains(menu.frMainMenu->geometry()));
}
