#pragma once
#include "shell/qt/TarvosDialog.h"

class QFrame;
class QPlainTextEdit;
class QPushButton;

// The current client's report, scored afresh when the window opens, in a read-only text box; it can
// be printed or saved as a PDF and stays open until "&Close".
class frmViewReport : public TarvosDialog {
    Q_OBJECT
public:
    explicit frmViewReport(QWidget* parent = nullptr);

    void Form_Activate() override;
    void cmdPrintReport_Click();
    void cmdSaveAsPdf_Click();
    // Writes the report's pages to `path` as a PDF; a failure shows a message naming the file.
    bool SaveReportPdf(const QString& path);
    void cmdCancel_Click();
    void MOUSEWAIT();
    void MOUSEDEFAULT();

    QFrame* fraAll;
    QPlainTextEdit* Text1;
    QPushButton* cmdPrintReport;
    QPushButton* cmdSaveAsPdf;
    QPushButton* cmdCancel;

protected:
    bool CloseBox_Click() override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};
