#include "clients/ClientFile.h"
#include "clients/qt/frmClientInfo.h"
#include "clients/qt/frmCourtHistory.h"
#include "entry/qt/frmNewEntry.h"
#include "presentation/qt/frmSelectEntryMethod.h"
#include "shell/RunState.h"
#include "shell/qt/MsgPanel.h"
#include "shell/qt/frmDriveSelect.h"
#include "shell/qt/frmMainMenu.h"
#include "shell/qt/frmMyInputBox.h"
#include "support/RegistrationFixture.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest/QTest>
#include <map>
#include <memory>
#include <set>

namespace {
// Whether a label shows all of its text: each line within its width, or, wrapped, within its height;
// and the label itself inside its window.
bool ShowsInFull(const QLabel* label, QString* why) {
    const QString text = label->text();
    const int m = label->margin();
    const QRect room = label->contentsRect().adjusted(m, m, -m, -m);
    const QFontMetrics fm(label->font());
    bool fits = true;
    if (label->wordWrap()) {
        fits =
            fm.boundingRect(room, Qt::TextWordWrap | int(label->alignment()), text).height() <= room.height();
    } else {
        for (const QString& line : text.split('\n'))
            fits = fits && fm.horizontalAdvance(line) <= room.width();
    }
    const QRect inWindow(label->mapTo(label->window(), QPoint(0, 0)), label->size());
    fits = fits && label->window()->rect().contains(inWindow);
    if (!fits)
        *why = label->window()->objectName() + "/" + label->objectName() + ": \"" + text + "\" in " +
               QString::number(room.width()) + "x" + QString::number(room.height());
    return fits;
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
        UseClients({SampleClient("Ann Lee")});
        CurrentClient = 1;
    }
    static void Show(QWidget* w) {
        w->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(w));
        QTest::qWait(20); // the activation steps run just after the window shows
    }
    // The window's focusable controls in tab order, starting from the first.
    static std::vector<QWidget*> TabChain(QWidget* window) {
        std::vector<QWidget*> chain;
        QWidget* w = window;
        for (int guard = 0; guard < 300; ++guard) {
            w = w->nextInFocusChain();
            if (w == window)
                break;
            if (w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus))
                chain.push_back(w);
        }
        return chain;
    }
    TempDir program;
};
} // namespace

// At 1024 x 768 with the default font, every window fits the screen and, with the focus on each of
// its controls in turn, every label (the status panel's help line, prompts, captions) shows its text
// in full. The response grid gets one grid of each answer type, so every legend is shown.
TEST_F(WindowLayoutTest, EveryHelpAndStatusTextShowsInFullAt1024x768) {
    std::vector<std::pair<std::unique_ptr<QWidget>, int>> windows; // and how many help lines it showed
    auto input = std::make_unique<frmMyInputBox>();
    input->HelpMessage =
        "Enter the Secret Code to continue.  For security, asterisks (*) will show as you type.";
    windows.emplace_back(std::move(input), 0);
    windows.emplace_back(std::make_unique<frmDriveSelect>(), 0);
    windows.emplace_back(std::make_unique<frmSelectEntryMethod>(), 0);
    windows.emplace_back(std::make_unique<frmClientInfo>(), 0);
    windows.emplace_back(std::make_unique<frmCourtHistory>(), 0);
    windows.emplace_back(std::make_unique<frmNewEntry>(), 0);
    windows.emplace_back(std::make_unique<frmMainMenu>(QString::fromStdString(program.path())), 0);
    for (auto& [window, helpLines] : windows) {
        SCOPED_TRACE(window->objectName().toStdString());
        Show(window.get());
        EXPECT_LE(window->frameGeometry().width(), 1024);
        EXPECT_LE(window->frameGeometry().height(), 768);
        std::set<QString> shown;
        for (QWidget* control : TabChain(window.get())) {
            control->setFocus(Qt::TabFocusReason);
            QApplication::processEvents();
            for (const QLabel* label : window->findChildren<QLabel*>()) {
                QString why;
                if (label->isVisible() && !label->text().isEmpty() && !ShowsInFull(label, &why))
                    ADD_FAILURE() << why.toStdString();
            }
            if (auto* panel = window->findChild<MsgPanel*>(); panel && !panel->text().isEmpty())
                shown.insert(panel->text());
        }
        helpLines = static_cast<int>(shown.size());
        window->hide();
    }
    EXPECT_EQ(windows[5].second, 6 + 2) << "six grid legends and the two buttons' lines";
    EXPECT_GE(windows[3].second, 8 + 2) << "eight field help lines and the two buttons' lines";
}

// Focus moving through a window moves nothing: labels and buttons turning bold keep their room, and
// no label stays bold once its field is left. The response grid's captions stay on their grids when
// the window grows, and the main window does not shrink below its menu.
TEST_F(WindowLayoutTest, FocusMovesNothingCaptionsStayOnTheirGridsAndTheMainWindowKeepsItsMenu) {
    frmClientInfo info;
    frmCourtHistory history;
    for (TarvosDialog* window : {static_cast<TarvosDialog*>(&info), static_cast<TarvosDialog*>(&history)}) {
        SCOPED_TRACE(window->objectName().toStdString());
        Show(window);
        std::map<QWidget*, QRect> before;
        for (QWidget* w : window->findChildren<QWidget*>())
            if (qobject_cast<QLineEdit*>(w) || qobject_cast<QAbstractButton*>(w) ||
                qobject_cast<QComboBox*>(w) || qobject_cast<QLabel*>(w))
                before[w] = w->geometry();
        for (QWidget* control : TabChain(window)) {
            control->setFocus(Qt::TabFocusReason);
            QApplication::processEvents();
            for (const auto& [w, rect] : before)
                EXPECT_EQ(w->geometry(), rect) << w->objectName().toStdString() << " with the focus on "
                                               << control->objectName().toStdString();
        }
        window->cmdMenuChoice[1]->setFocus(Qt::TabFocusReason);
        for (const QLabel* label : window->findChildren<QLabel*>())
            EXPECT_FALSE(label->objectName().startsWith("lblInfo_") && label->font().bold())
                << label->objectName().toStdString();
        window->hide();
    }

    frmNewEntry grid;
    Show(&grid);
    // From the caption's text, centred in its label, to the top of its grid.
    auto gap = [&grid](int g) {
        return grid.grdResponses[static_cast<std::size_t>(g)]->geometry().top() -
               grid.lblSection[static_cast<std::size_t>(g)]->geometry().center().y();
    };
    const int gap0 = gap(0);
    const QSize size = grid.size();
    grid.resize(size + QSize(200, 300));
    QApplication::processEvents();
    ASSERT_EQ(grid.size(), size + QSize(200, 300));
    for (std::size_t g = 0; g < grid.grdResponses.size(); ++g)
        EXPECT_EQ(gap(static_cast<int>(g)), gap0) << "grid " << g;

    frmMainMenu menu(QString::fromStdString(program.path()));
    Show(&menu);
    menu.resize(200, 150);
    QApplication::processEvents();
    const QRect frame = menu.frMainMenu->geometry();
    EXPECT_TRUE(menu.centralWidget()->rect().contains(frame))
        << frame.width() << "x" << frame.height() << " in " << menu.centralWidget()->width() << "x"
        << menu.centralWidget()->height();
}
