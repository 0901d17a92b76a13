#include "SupervisorFixture.h"
#include "scoring/qt/ReportOutput.h"
#include "scoring/qt/frmPrintSelected.h"
#include "scoring/qt/frmViewReport.h"
#include "support/ModalHelper.h"

#include <QFileDialog>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>

namespace {
class ReportWindowsTest : public SupervisorTest {
protected:
    std::string ReportFile() const { return program.read("REPORT.PRN"); }
};

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}
} // namespace

TEST_F(ReportWindowsTest, ViewerShowsTheReportScrollsFromAnywhereAndPrintsWithoutClosing) {
    UseSampleClients(3);
    CurrentClient = 3;
    frmViewReport window;
    WhenModal<frmViewReport>([&](frmViewReport* f) {
        ASSERT_TRUE(QTest::qWaitFor([&] { return !f->Text1->toPlainText().isEmpty(); }));
        const std::string file = ReportFile();
        // Every byte of the file but the last (with the CR before it), CR LF as the text box's line ends.
        EXPECT_EQ(f->Text1->toPlainText().toStdString(),
                  QString::fromLatin1(file.substr(0, file.size() - 2)).replace("\r\n", "\n").toStdString());
        EXPECT_TRUE(f->Text1->isReadOnly()) << "what is shown is what prints";

        QScrollBar* bar = f->Text1->verticalScrollBar();
        f->cmdCancel->setFocus();
        const int top = bar->value();
        KeyToFocus(Qt::Key_PageDown);
        EXPECT_GT(bar->value(), top) << "Page Down on a button scrolls the report";
        EXPECT_EQ(FocusName(), "Text1");

        printer->failWith = "the printer is stopped; start it again in the system's printer settings";
        f->cmdPrintReport->click();
        EXPECT_TRUE(f->isVisible());
        printer->failWith.clear();
        f->cmdPrintReport->click();
        EXPECT_TRUE(f->isVisible());
        f->cmdCancel->click();
    });
    window.exec();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0],
              (MsgBoxCall{"The report was not printed on the printer \"Office Laser\": the printer is "
                          "stopped; start it again in the system's printer settings.\r\nCheck the "
                          "printer, then print the report again.",
                          vbOKOnly | vbCritical, "Print Report"}));
    ASSERT_EQ(printer->jobs.size(), 1u);
    EXPECT_TRUE(Contains(printer->jobs[0].bytes, "(TEST # 3 )"));
}

TEST_F(ReportWindowsTest, AReportThatCannotBeMadeShowsNothingOfAnotherClient) {
    std::vector<ClientRecord> clients = {SampleClient("Good"), SampleClient("Bad")};
    clients[1].Gender = "9";
    UseClients(clients);
    program.write("REPORT.PRN", "the report of client 1\r\n");
    CurrentClient = 2;
    frmViewReport window;
    WhenModal<frmViewReport>([&](frmViewReport* f) {
        ASSERT_TRUE(QTest::qWaitFor([&] { return !messages.empty(); }));
        EXPECT_EQ(f->Text1->toPlainText(), "");
        EXPECT_FALSE(f->cmdPrintReport->isEnabled());
        EXPECT_FALSE(f->cmdSaveAsPdf->isEnabled());
        f->cmdCancel->click();
    });
    window.exec();
    EXPECT_TRUE(messages[0].text.startsWith("The report of client number 2 could not be made:"));
    EXPECT_FALSE(std::filesystem::exists(program.file("REPORT.PRN")));

    // Each message ends with what to do, in the viewer and in a batch.
    PrintAllReports(nullptr);
    ASSERT_EQ(messages.size(), 2u);
    for (const MsgBoxCall& m : messages)
        EXPECT_TRUE(m.text.endsWith("\r\nCorrect the client's record with \"Edit Current Client\", then try "
                                    "again."))
            << m.text.toStdString();
}

TEST_F(ReportWindowsTest, AMissingDataFileSaysToReinstall) {
    UseSampleClients(1);
    std::filesystem::remove(program.file("TRVV3AL.TXT"));
    frmViewReport window;
    WhenModal<frmViewReport>([&](frmViewReport* f) {
        ASSERT_TRUE(QTest::qWaitFor([&] { return !messages.empty(); }));
        f->cmdCancel->click();
    });
    window.exec();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "The report of client number 1 could not be made:\r\n" +
                                    QString::fromStdString(program.file("TRVV3AL.TXT")) +
                                    ": File not found\r\nThe program's data file is missing or damaged: "
                                    "reinstall Tarvos, then try again.");
}

TEST_F(ReportWindowsTest, SelectedReportsPrintInListOrderAndASelectionSurvivesAMessage) {
    UseSampleClients(5);
    program.write("temp1", "an old and much longer report that must not survive in the copy\r\n");
    frmPrintSelected window;
    WhenModal<frmPrintSelected>([&](frmPrintSelected* f) {
        ASSERT_EQ(f->lbNameDisplay->count(), 5);
        EXPECT_EQ(f->lbNameDisplay->item(2)->text(), "3-Client 3                 ");
        EXPECT_EQ(FocusName(), "lbNameDisplay");
        f->lbNameDisplay->item(1)->setSelected(true);
        f->lbNameDisplay->item(4)->setSelected(true);
        f->lbNameDisplay->setCurrentRow(4, QItemSelectionModel::NoUpdate);

        // A failed print shows its message; the window and its selection stay.
        printer->failWith = "paper jam";
        f->cmdMenuChoice[0]->click();
        ASSERT_TRUE(f->isVisible());
        EXPECT_EQ(f->lbNameDisplay->selectedItems().size(), 2);
        printer->failWith.clear();
        f->cmdMenuChoice[0]->setFocus();
        KeyToFocus(Qt::Key_Return);
    });
    EXPECT_EQ(window.exec(), QDialog::Accepted);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].text.contains("paper jam"));
    ASSERT_EQ(printer->jobs.size(), 2u);
    EXPECT_TRUE(Contains(printer->jobs[0].bytes, "(TEST # 2 )"));
    EXPECT_TRUE(Contains(printer->jobs[1].bytes, "(TEST # 5 )"));
    EXPECT_TRUE(Contains(program.read("temp1"), "(TEST # 2 )"));
    EXPECT_TRUE(Contains(program.read("temp2"), "(TEST # 5 )"));
    EXPECT_EQ(CurrentClient, 5);
}

// Printing every report in turn, with the DOS port and the progress, is the report batch's own test.
TEST_F(ReportWindowsTest, NothingSelectedPrintsNothing) {
    UseSampleClients(3);
    frmPrintSelected window;
    WhenModal<frmPrintSelected>([](frmPrintSelected* f) { f->cmdMenuChoice[0]->click(); });
    EXPECT_EQ(window.exec(), QDialog::Accepted);
    EXPECT_TRUE(printer->jobs.empty());
}

TEST_F(ReportWindowsTest, SaveAsPdfWritesThePagesOrSaysWhy) {
    UseSampleClients(1);
    TempDir out;
    frmViewReport window;
    WhenModal<frmViewReport>([&](frmViewReport* f) {
        ASSERT_TRUE(QTest::qWaitFor([&] { return !f->Text1->toPlainText().isEmpty(); }));
        bool asked = false;
        WhenModal<QFileDialog>([&](QFileDialog* d) {
            EXPECT_EQ(d->selectedFiles().value(0).section('/', -1), "Tarvos report 1.pdf");
            asked = true;
            d->reject();
        });
        // Reached by keyboard like the other buttons: Alt and its letter.
        KeyToFocus(Qt::Key_S, Qt::AltModifier);
        EXPECT_TRUE(QTest::qWaitFor([&] { return asked; }, 2000));
        EXPECT_TRUE(f->SaveReportPdf(QString::fromStdString(out.file("saved.pdf"))));
        EXPECT_FALSE(f->SaveReportPdf(QString::fromStdString(out.file("missing/saved.pdf"))));
        f->cmdCancel->click();
    });
    window.exec();
    EXPECT_EQ(out.read("saved.pdf").substr(0, 5), "%PDF-");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].text.startsWith(
        QString::fromStdString("The report could not be saved as " + out.file("missing/saved.pdf"))));
    EXPECT_EQ(messages[0].title, "Save as PDF");
}
