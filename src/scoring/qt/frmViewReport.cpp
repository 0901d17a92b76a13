#include "scoring/qt/frmViewReport.h"

#include "clients/ClientFile.h"
#include "platform/ReportPages.h"
#include "scoring/ReportFiles.h"
#include "scoring/ScoreAndReport.h"
#include "scoring/qt/ReportOutput.h"
#include "shell/qt/Cp1252.h"
#include "shell/qt/MsgBox.h"
#include "shell/qt/WindowHelpers.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
bool IsScrollKey(int key) {
    return key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp || key == Qt::Key_PageDown;
}
} // namespace

frmViewReport::frmViewReport(QWidget* parent)
    : TarvosDialog(parent, QStringLiteral("frmViewReport"), QStringLiteral("Client Report")) {
    auto* outer = new QVBoxLayout(this);
    fraAll = new QFrame(this);
    fraAll->setObjectName(QStringLiteral("fraAll"));
    outer->addWidget(fraAll);
    auto* layout = new QVBoxLayout(fraAll);
    Text1 = new QPlainTextEdit(fraAll);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setReadOnly(true);
    Text1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPointSizeF(9);
    Text1->setFont(font);
    // 80 columns and about 40 lines of the report.
    Text1->setMinimumSize(QFontMetrics(font).horizontalAdvance(QString(84, QLatin1Char('M'))),
                          QFontMetrics(font).lineSpacing() * 40);
    layout->addWidget(Text1);

    auto* buttons = new QHBoxLayout;
    cmdPrintReport = new QPushButton(QStringLiteral("&Print Report"), fraAll);
    cmdPrintReport->setObjectName(QStringLiteral("cmdPrintReport"));
    cmdSaveAsPdf = new QPushButton(QStringLiteral("&Save as PDF..."), fraAll);
    cmdSaveAsPdf->setObjectName(QStringLiteral("cmdSaveAsPdf"));
    cmdCancel = new QPushButton(QStringLiteral("&Close"), fraAll);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    for (QPushButton* b : {cmdPrintReport, cmdSaveAsPdf, cmdCancel}) {
        ClickOnEnter(b);
        b->installEventFilter(this);
        buttons->addWidget(b);
    }
    buttons->addStretch();
    layout->addLayout(buttons);
    Text1->installEventFilter(this);
    resize(sizeHint());

    connect(cmdPrintReport, &QPushButton::clicked, this, &frmViewReport::cmdPrintReport_Click);
    connect(cmdSaveAsPdf, &QPushButton::clicked, this, &frmViewReport::cmdSaveAsPdf_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmViewReport::cmdCancel_Click);
}

void frmViewReport::Form_Activate() {
    TarvosDialog::Form_Activate();
    MOUSEWAIT();
    const ReportResult result = ScoreAndReport();
    MOUSEDEFAULT();
    if (!result.ok()) {
        // No report is shown or printed in place of this client's.
        Text1->clear();
        cmdPrintReport->setEnabled(false);
        cmdSaveAsPdf->setEnabled(false);
        MsgBox(QStringLiteral("The report of client number %1 could not be made:\r\n%2\r\n%3")
                   .arg(CurrentClient)
                   .arg(FromCp1252(result.message()), FromCp1252(result.advice())),
               vbOKOnly | vbCritical, QStringLiteral("Client Report"));
        cmdCancel->setFocus(Qt::OtherFocusReason);
        return;
    }
    Text1->setPlainText(ReadReportText());
    Text1->setFocus(Qt::OtherFocusReason);
}

void frmViewReport::cmdPrintReport_Click() {
    PrintReportFile(this);
}

void frmViewReport::cmdSaveAsPdf_Click() {
    QFileDialog dialog(this, QStringLiteral("Save Report as PDF"), QDir::homePath(),
                       QStringLiteral("PDF files (*.pdf)"));
    dialog.setObjectName(QStringLiteral("dlgSavePdf"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    // The file is named by the client's number only: a name would be readable by anyone.
    dialog.selectFile(QStringLiteral("Tarvos report %1.pdf").arg(CurrentClient));
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        SaveReportPdf(dialog.selectedFiles().first());
}

bool frmViewReport::SaveReportPdf(const QString& path) {
    std::string bytes;
    QString error;
    if (auto err = ReadWholeFile(ReportFilePath(), bytes); !err.ok())
        error = FromCp1252(err.message());
    else if (!WriteReportPdf(ReportText(bytes), DefaultReportPaper(), path, error) && error.isEmpty())
        error = QStringLiteral("the PDF could not be written");
    if (!error.isEmpty())
        MsgBox(
            QStringLiteral("The report could not be saved as %1: %2.\r\nChoose another folder or file name.")
                .arg(path, error),
            vbOKOnly | vbCritical, QStringLiteral("Save as PDF"));
    return error.isEmpty();
}

void frmViewReport::cmdCancel_Click() {
    accept();
}

void frmViewReport::MOUSEWAIT() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

void frmViewReport::MOUSEDEFAULT() {
    while (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
}

bool frmViewReport::eventFilter(QObject* watched, QEvent* event) {
    // Up, Down, Page Up and Page Down scroll the report wherever the focus is.
    if (event->type() == QEvent::KeyPress && watched != Text1 &&
        IsScrollKey(static_cast<QKeyEvent*>(event)->key())) {
        Text1->setFocus(Qt::OtherFocusReason);
        QApplication::sendEvent(Text1, event);
        return true;
    }
    return TarvosDialog::eventFilter(watched, event);
}

bool frmViewReport::CloseBox_Click() {
    cmdCancel_Click();
    return false;
}

void frmViewReport::keyPressEvent(QKeyEvent* event) {
    if (IsScrollKey(event->key())) {
        Text1->setFocus(Qt::OtherFocusReason);
        QApplication::sendEvent(Text1, event);
        return;
    }
    TarvosDialog::keyPressEvent(event);
}
