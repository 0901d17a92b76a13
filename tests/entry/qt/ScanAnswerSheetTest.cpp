// ScanAnswerSheet's windows with the fake scanner: cancelling either prompt, a device failure's
// messages, and the choice of a page image file read and handed on. A scanned sheet handed on is the
// scripted scan's, the steps after a cancel ScanSequenceTest's.
#include "entry/qt/ScanAnswerSheet.h"
#include "platform/ImageFileScanner.h"
#include "shell/ProgramFolder.h"
#include "shell/RunState.h"
#include "shell/qt/frmMyInputBox.h"
#include "support/AnswerSheetGenerator.h"
#include "support/FakeScanner.h"
#include "support/MessageScript.h"
#include "support/ModalHelper.h"
#include "support/TempDir.h"

#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

class ScanAnswerSheetTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetProgramFolder(program.path());
        std::filesystem::copy_file(TARVOS_BUILD_DIR "/TARVOS.MDB", program.file("TARVOS.MDB"));
        QuestionDatabasePath = program.file("TARVOS.MDB");
        SetScanSourceFactory([this](const std::string& file) -> std::unique_ptr<PageSource> {
            sources.push_back(file);
            if (!file.empty())
                return std::make_unique<ImageFileScanner>(file);
            return scanner.Lend();
        });
    }
    void TearDown() override {
        SetScanSourceFactory({});
        SetProgramFolder("");
        QuestionDatabasePath.clear();
        CloseAllModals();
    }

    // Types the client's name, then answers the insert prompt with `answer`.
    void Scan(const std::function<void(QMessageBox*)>& answer) {
        WhenModal<frmMyInputBox>([=](frmMyInputBox* box) {
            EXPECT_EQ(box->txtInput->maxLength(), 25) << "a name fits its 25 columns";
            WhenModal<QMessageBox>(answer);
            TypeToFocus(QStringLiteral("Jane Roe"));
            KeyToFocus(Qt::Key_Return);
            KeyToFocus(Qt::Key_Return);
        });
        ScanAnswerSheet(nullptr, [this](const std::string&, const SheetScan& s) {
            handed = s;
            ++handOvers;
        });
    }

    TempDir program;
    FakeScanner scanner;
    MessageScript messages;
    std::vector<std::string> sources;
    SheetScan handed;
    int handOvers = 0;
};

TEST_F(ScanAnswerSheetTest, CancellingEitherPromptScansNothing) {
    WhenModal<frmMyInputBox>([](frmMyInputBox* box) { box->close(); });
    ScanAnswerSheet(nullptr, [this](const std::string&, const SheetScan&) { ++handOvers; });
    Scan([](QMessageBox* prompt) {
        EXPECT_TRUE(prompt->text().contains("Jane Roe")) << "the prompt names the client";
        prompt->button(QMessageBox::Cancel)->click();
    });
    EXPECT_TRUE(sources.empty());
    EXPECT_EQ(handOvers, 0);
}

TEST_F(ScanAnswerSheetTest, AFailedScanShowsItsMessagesAndHandsNothingOn) {
    scanner.QueueFailure(
        20084, "Document feeder jammed (scanner fake:0). Remove the jammed paper, then scan again.");
    Scan([](QMessageBox* prompt) { prompt->button(QMessageBox::Ok)->click(); });
    EXPECT_EQ(handOvers, 0);
    ASSERT_EQ(messages.calls.size(), 2u);
    EXPECT_EQ(messages.calls[0],
              (MsgBoxCall{QStringLiteral("Error '20084, Twain DS or DSM reported error, app "
                                         "shouldn't.\nDocument feeder jammed (scanner fake:0). "
                                         "Remove the jammed paper, then scan again."),
                          vbOKOnly, QStringLiteral("Twain Error")}));
    EXPECT_EQ(messages.calls[1], (MsgBoxCall{QStringLiteral("Anchor Box not found\nAborting scan."),
                                             vbOKOnly | vbCritical, QStringLiteral("Scan Error")}));
}

TEST_F(ScanAnswerSheetTest, ScanFromFileReadsTheChosenPageImage) {
    std::mt19937 rng(10);
    const FilledSheet filled = RandomFilledSheet(rng);
    ScanConditions grey{0.3, 1, 1, 50};
    grey.grey = true;
    const std::string page = program.file("sheet.png");
    ASSERT_TRUE(ScanPage(filled.page, grey, rng).save(QString::fromStdString(page)));
    ScannedAnswers = false;
    Scan([&](QMessageBox* prompt) {
        WhenModal<QFileDialog>([&](QFileDialog* dialog) {
            dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(QString::fromStdString(page));
            static_cast<QDialog*>(dialog)->done(QDialog::Accepted);
        });
        prompt->findChild<QPushButton*>(QStringLiteral("cmdScanFromFile"))->click();
    });
    EXPECT_EQ(sources, std::vector<std::string>{page});
    ASSERT_EQ(handOvers, 1) << (messages.calls.empty() ? "" : messages.calls[0].text.toStdString());
    EXPECT_EQ(scanner.acquisitions, 0);
    EXPECT_TRUE(ScannedAnswers);
    std::string responses;
    for (int item = 1; item <= 149; ++item)
        responses += ExpectedText(AnswerSheetLayout().locations[static_cast<std::size_t>(30 + item)],
                                  filled.marked[static_cast<std::size_t>(30 + item)]);
    EXPECT_EQ(handed.sheet.ScannedResponses, responses);
}

} // namespace
