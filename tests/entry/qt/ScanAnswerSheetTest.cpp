// ScanAnswerSheet's windows with the fake scanner: the name and insert prompts (cancel at each), the
// choice of a page image file, a device failure's messages, and the values handed on.
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
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
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
            return std::make_unique<Forward>(scanner);
        });
    }
    void TearDown() override {
        SetScanSourceFactory({});
        SetProgramFolder("");
        QuestionDatabasePath.clear();
        CloseAllModals();
    }

    // Types the name (or cancels the name box), then answers the insert prompt with `button`.
    void Run(const QString& name, const char* button) {
        WhenModal<frmMyInputBox>([=, this](frmMyInputBox* box) {
            EXPECT_EQ(box->windowTitle(), QStringLiteral("Client Name Input"));
            EXPECT_EQ(box->lblHelpMsg->text(), QStringLiteral("Enter the name of client to be scanned."));
            EXPECT_EQ(box->txtInput->maxLength(), 25);
            if (name.isEmpty()) {
                KeyToFocus(Qt::Key_Escape);
                if (box->isVisible())
                    box->cmdMenuChoice[1]->click();
                return;
            }
            if (button)
                WhenModal<QMessageBox>([=, this](QMessageBox* prompt) {
                    insertText = prompt->text();
                    EXPECT_EQ(prompt->windowTitle(), QStringLiteral("TRV Test Scan"));
                    QPushButton* b = prompt->findChild<QPushButton*>(QString::fromLatin1(button));
                    if (!b)
                        for (QAbstractButton* any : prompt->buttons())
                            if (any->text().remove(QLatin1Char('&')) == QLatin1String(button))
                                b = static_cast<QPushButton*>(any);
                    ASSERT_NE(b, nullptr) << button;
                    b->click();
                });
            TypeToFocus(name);
            KeyToFocus(Qt::Key_Return);
            KeyToFocus(Qt::Key_Return);
        });
        Scan();
    }

    // Runs the scan sequence, recording what it hands over.
    void Scan() {
        ScanAnswerSheet(nullptr, [this](const std::string& n, const SheetScan& s) {
            handedName = n;
            handed = s;
            ++handOvers;
        });
    }

    struct Forward : PageSource {
        explicit Forward(FakeScanner& s) : scanner(s) {}
        Acquisition Acquire(const ScanProgress& p) override { return scanner.Acquire(p); }
        std::string Name() const override { return scanner.Name(); }
        FakeScanner& scanner;
    };

    TempDir program;
    FakeScanner scanner;
    MessageScript messages;
    std::vector<std::string> sources;
    QString insertText;
    std::string handedName;
    SheetScan handed;
    int handOvers = 0;
};

TEST_F(ScanAnswerSheetTest, CancellingEitherPromptEndsTheScanWithNothingDone) {
    Run(QString(), nullptr);
    Run(QStringLiteral("Jane Roe"), "Cancel");
    EXPECT_EQ(insertText,
              QStringLiteral("Insert answer sheet for Jane Roe\n(face down, top first) into scanner."));
    EXPECT_TRUE(sources.empty());
    EXPECT_EQ(scanner.acquisitions, 0);
    EXPECT_TRUE(messages.calls.empty());
    EXPECT_EQ(handOvers, 0);
    EXPECT_FALSE(std::filesystem::exists(program.file("raw.bmp")));
}

TEST_F(ScanAnswerSheetTest, ScannedSheetIsHandedOverAndAFailedScanShowsItsMessages) {
    std::mt19937 rng(9);
    const FilledSheet filled = RandomFilledSheet(rng);
    scanner.QueuePage(filled.page);
    ScannedAnswers = false;
    EditExisting = true;
    Run(QStringLiteral("Jane Roe"), "OK");
    ASSERT_EQ(handOvers, 1);
    EXPECT_EQ(handedName, "Jane Roe");
    EXPECT_TRUE(ScannedAnswers);
    EXPECT_FALSE(EditExisting);
    EXPECT_EQ(handed.sheet.ScannedResponses.size(), 149u);
    EXPECT_TRUE(messages.calls.empty());
    EXPECT_EQ(QImage(QString::fromStdString(program.file("raw.bmp"))).size(), QSize(850, 1400));

    scanner.QueueFailure(
        20084, "Document feeder jammed (scanner fake:0). Remove the jammed paper, then scan again.");
    Run(QStringLiteral("Jane Roe"), "OK");
    EXPECT_EQ(handOvers, 1);
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
    WhenModal<frmMyInputBox>([&](frmMyInputBox*) {
        WhenModal<QMessageBox>([&](QMessageBox* prompt) {
            WhenModal<QFileDialog>([&](QFileDialog* dialog) {
                QLineEdit* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
                ASSERT_NE(name, nullptr);
                name->setText(QString::fromStdString(page));
                static_cast<QDialog*>(dialog)->done(QDialog::Accepted);
            });
            prompt->findChild<QPushButton*>(QStringLiteral("cmdScanFromFile"))->click();
        });
        TypeToFocus(QStringLiteral("Ann Lee"));
        KeyToFocus(Qt::Key_Return);
        KeyToFocus(Qt::Key_Return);
    });
    Scan();
    EXPECT_EQ(sources, std::vector<std::string>{page});
    ASSERT_EQ(handOvers, 1) << (messages.calls.empty() ? "" : messages.calls[0].text.toStdString());
    EXPECT_EQ(scanner.acquisitions, 0);
    std::string responses;
    for (int item = 1; item <= 149; ++item)
        responses += ExpectedText(AnswerSheetLayout().locations[static_cast<std::size_t>(30 + item)],
                                  filled.marked[static_cast<std::size_t>(30 + item)]);
    EXPECT_EQ(handed.sheet.ScannedResponses, responses);
}

} // namespace
