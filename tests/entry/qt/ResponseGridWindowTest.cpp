#include "clients/ClientFile.h"
#include "entry/ScanReview.h"
#include "entry/qt/frmNewEntry.h"
#include "shell/RunState.h"
#include "shell/qt/WindowHelpers.h"
#include "support/ModalHelper.h"
#include "support/RegistrationFixture.h"

#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

namespace {
// The second answer of item i: six answer types, the yes/no grid starting with the non-consecutive item 2.
std::string Answer2(int item) {
    return item == 2 || (item >= 141 && item <= 145) ? "No"
           : item <= 60                              ? "False"
           : item <= 100                             ? "Sometimes"
           : item <= 120                             ? "Mostly True"
           : item <= 140                             ? "Often"
                                                     : "Two";
}

QTableWidget* FocusGrid() {
    return qobject_cast<QTableWidget*>(QApplication::focusWidget());
}
int FocusRow() {
    return FocusGrid() ? FocusGrid()->currentRow() + 1 : -1;
}

class ResponseGridWindowTest : public RegistrationWindowTest {
protected:
    void SetUp() override {
        RegistrationWindowTest::SetUp();
        WriteItemDatabase(program.file("TARVOS.MDB"), Answer2);
        QuestionDatabasePath = program.file("TARVOS.MDB");
    }
    // A new client whose information and court history were accepted.
    void StartNewClient() {
        UseClients({SampleClient("One")});
        ClientTable[2] = SampleClient("Ann Lee");
        ClientTable[2].Responses = std::string(149, '0');
        CurrentClient = 2;
    }
    void Run(const std::function<void(frmNewEntry*)>& steps) {
        frmNewEntry window;
        WhenModal<frmNewEntry>(steps);
        window.exec();
    }
    TempDir program;
};
} // namespace

TEST_F(ResponseGridWindowTest, KeyingMovesAcrossGridsAcceptsDigitsPerTypeAndRingsAtTheEnds) {
    StartNewClient();
    const std::string before = FileBytes();
    Run([&](frmNewEntry* f) {
        ASSERT_EQ(f->grdResponses.size(), 6u);
        const int types[] = {0, 1, 3, 4, 5, 2};
        for (int g = 0; g < 6; ++g) {
            EXPECT_EQ(f->GridType(g), types[g]);
            EXPECT_EQ(f->lblSection[static_cast<std::size_t>(g)]->text(),
                      QStringLiteral("Section %1").arg(g + 1));
        }
        EXPECT_EQ(f->grdResponses[1]->item(1, 0)->text(), "141.") << "a type's items share one grid";
        for (int r = 0; r < f->grdResponses[0]->rowCount(); ++r)
            ASSERT_EQ(f->grdResponses[0]->item(r, 1)->text() + f->grdResponses[0]->item(r, 2)->text(), "");
        KeyToFocus(Qt::Key_Up);
        EXPECT_EQ(BeepCount(), 1) << "up on the first item";
        TypeToFocus("3a");
        EXPECT_EQ(BeepCount(), 3) << "a true/false item takes 0 to 2 only";
        KeyToFocus(Qt::Key_Right);
        TypeToFocus("1");
        EXPECT_EQ(f->ItemAnswers[0], '1');
        EXPECT_EQ(f->grdResponses[0]->item(0, 1)->text(), "X");
        EXPECT_EQ(f->grdResponses[0]->item(0, 1)->background().color(), QColor(0, 255, 0));
        EXPECT_EQ(FocusRow(), 2);
        EXPECT_EQ(f->grdResponses[0]->item(1, 1)->background().color(), QColor(0, 255, 255));
        for (int i = 0; i < 57; ++i)
            KeyToFocus(Qt::Key_Down);
        EXPECT_EQ(FocusRow(), 59);
        TypeToFocus("2");
        EXPECT_EQ(f->ItemAnswers[59], '2') << "the last row of grid 1 is item 60";
        EXPECT_EQ(FocusName(), "grdResponses_1");
        EXPECT_EQ(FocusRow(), 1);
        KeyToFocus(Qt::Key_Up);
        EXPECT_EQ(FocusName(), "grdResponses_0");
        EXPECT_EQ(FocusRow(), 59);
        KeyToFocus(Qt::Key_Down);
        TypeToFocus("2");
        EXPECT_EQ(f->ItemAnswers[1], '2');
        KeyToFocus(Qt::Key_Tab);
        KeyToFocus(Qt::Key_Tab);
        EXPECT_EQ(FocusName(), "grdResponses_3");
        TypeToFocus("5");
        EXPECT_EQ(f->ItemAnswers[100], '5') << "a five-step item takes 5";
        KeyToFocus(Qt::Key_Backtab);
        TypeToFocus("5");
        EXPECT_EQ(f->ItemAnswers[60], '0') << "a four-step item refuses 5";
        TypeToFocus("4");
        EXPECT_EQ(f->ItemAnswers[60], '4');
        for (int i = 0; i < 3; ++i)
            KeyToFocus(Qt::Key_Tab);
        EXPECT_EQ(FocusName(), "grdResponses_5");
        const int beeps = BeepCount();
        TypeToFocus("1234");
        EXPECT_EQ(BeepCount(), beeps + 1) << "keying the last item of the last grid";
        EXPECT_EQ(FocusRow(), 4);
        EXPECT_EQ(f->grdResponses[5]->item(3, 4)->text(), "X");
        KeyToFocus(Qt::Key_Down);
        EXPECT_EQ(BeepCount(), beeps + 2);
        KeyToFocus(Qt::Key_Tab);
        EXPECT_EQ(FocusName(), "cmdMenuChoice_0");
        KeyToFocus(Qt::Key_Return);
    });
    EXPECT_EQ(ClientCount, 2);
    const std::string after = FileBytes();
    ASSERT_EQ(after.size(), before.size() + 235) << "saving a new client appends exactly one record";
    EXPECT_EQ(after.substr(0, 235), before);
    std::string expected = SampleClient("Ann Lee").ToBytes().substr(0, 84) + std::string(149, '0') + "00";
    for (auto [index, answer] : {std::pair{0, '1'}, {1, '2'}, {59, '2'}, {60, '4'}, {100, '5'}})
        expected[84 + index] = answer;
    EXPECT_EQ(after.substr(235), expected.replace(84 + 145, 4, "1234"));
}

TEST_F(ResponseGridWindowTest, AShortScannedAnswerStringIsCompletedAfterAWarning) {
    StartNewClient();
    ScannedAnswers = true;
    ClientTable[2].Responses = std::string(140, '2');
    Run([&](frmNewEntry* f) {
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].title, "Scanned Answers Warning");
        EXPECT_EQ(messages[0].text,
                  "Scanned answers being populated for editing but\nsome answers did not scan "
                  "correctly.\nCheck Responses carefully.");
        EXPECT_EQ(f->ItemAnswers, std::string(140, '2') + std::string(9, '0'));
        EXPECT_EQ(f->grdResponses[0]->item(0, 2)->text(), "X");
        f->cmdMenuChoice[0]->setFocus(Qt::TabFocusReason);
        KeyToFocus(Qt::Key_Return);
    });
    EXPECT_EQ(ClientTable[2].Responses.str(), std::string(140, '2') + std::string(9, '0'));
    EXPECT_EQ(ClientCount, 2);
}

// After a scan the grid points out the doubtful marks, and warns when reading steps failed even
// though every answer holds a code (the failed ones hold "0").
TEST_F(ResponseGridWindowTest, ScannedDoubtfulItemsAreHighlightedAndNamedAndFailedReadingsWarned) {
    StartNewClient();
    ScannedAnswers = true;
    ClientTable[2].Responses = std::string(149, '1');
    LastScanReview = {{{32, 1, "Item1", Doubt::TwoMarks}, {172, 141, "Item141", Doubt::FaintMark}}, 1};
    Run([&](frmNewEntry* f) {
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].title, "Scanned Answers Warning");
        EXPECT_TRUE(f->lblScanReview->isVisible());
        EXPECT_EQ(f->lblScanReview->text(),
                  "Check against the sheet: item 1 (two marks), item 141 (faint mark).");
        const QColor yellow(255, 255, 0), white(255, 255, 255);
        EXPECT_EQ(f->grdResponses[0]->item(0, 0)->background().color(), yellow);
        EXPECT_EQ(f->grdResponses[0]->item(1, 0)->background().color(), white);
        EXPECT_EQ(f->grdResponses[1]->item(1, 0)->text(), "141.");
        EXPECT_EQ(f->grdResponses[1]->item(1, 0)->background().color(), yellow);
        f->cmdMenuChoice[1]->setFocus(Qt::TabFocusReason);
        KeyToFocus(Qt::Key_Return);
    });
    LastScanReview = {};
    ScannedAnswers = false;
}

TEST_F(ResponseGridWindowTest, AMissingDatabaseIsReportedAndChangesNothing) {
    StartNewClient();
    const std::string before = FileBytes();
    QuestionDatabasePath = program.file("NONE.MDB");
    frmNewEntry window;
    EXPECT_EQ(window.exec(), QDialog::Rejected);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].text.contains("NONE.MDB")) << messages[0].text.toStdString();
    EXPECT_EQ(FileBytes(), before);
    EXPECT_EQ(ClientCount, 1);
}
