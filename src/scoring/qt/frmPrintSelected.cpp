#include "scoring/qt/frmPrintSelected.h"

#include "clients/ClientFile.h"
#include "scoring/qt/ReportOutput.h"
#include "shell/qt/Cp1252.h"
#include "shell/qt/MsgBox.h"
#include "shell/qt/MsgPanel.h"
#include "shell/qt/WindowHelpers.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

const char* const PrintSelectedInstructions = "- Select the client names of the \r\n"
                                              "  reports you want to print by \r\n"
                                              "  clicking on them.\r\n"
                                              "- Use the scroll bar to view more\r\n"
                                              "  names.\r\n"
                                              "- If some of the names you have\r\n"
                                              "  selected scroll up or down out\r\n"
                                              "  of view, they are still selected \r\n"
                                              "  and will print.\r\n"
                                              "- Click the \"Select All\" button to \r\n"
                                              "  select all the names in the list.\r\n"
                                              "- Click the \"Print Selected\" button \r\n"
                                              "  to print all the reports you have \r\n"
                                              "  selected.\r\n"
                                              "- Click the \"Return to Main Menu\" \r\n"
                                              "  button to cancel selections and \r\n"
                                              "  return to the Main Menu.\r\n";

namespace {
const char* const Captions[3] = {"Print Selected", "Select All", "Return to Main Menu"};
const char* const HelpTexts[3] = {"Print selected client reports", "Select all client reports for printing",
                                  "Cancel selections and printing."};
} // namespace

frmPrintSelected::frmPrintSelected(QWidget* parent)
    : TarvosDialog(parent, QStringLiteral("frmPrintSelected"), QStringLiteral("Print Selected Reports")) {
    auto* outer = new QVBoxLayout(this);
    fraAll = new QFrame(this);
    fraAll->setObjectName(QStringLiteral("fraAll"));
    outer->addWidget(fraAll);
    auto* body = new QHBoxLayout(fraAll);
    auto* left = new QVBoxLayout;
    txtInstructions = new QPlainTextEdit(fraAll);
    txtInstructions->setObjectName(QStringLiteral("txtInstructions"));
    txtInstructions->setReadOnly(true);
    txtInstructions->setFocusPolicy(Qt::NoFocus);
    const QString instructions =
        QString::fromLatin1(PrintSelectedInstructions).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    txtInstructions->setPlainText(instructions);
    // The box cannot take the focus, so it cannot be scrolled by keyboard: it shows every line.
    const QFontMetrics fm(txtInstructions->font());
    int widest = 0;
    for (const QString& line : instructions.split(QLatin1Char('\n')))
        widest = std::max(widest, fm.horizontalAdvance(line));
    const int margins =
        2 * (txtInstructions->frameWidth() + static_cast<int>(txtInstructions->document()->documentMargin()));
    txtInstructions->setMinimumSize(
        widest + margins + fm.averageCharWidth(),
        fm.lineSpacing() * static_cast<int>(instructions.count(QLatin1Char('\n')) + 2) + margins);
    left->addWidget(txtInstructions);
    AddMenuChoices(fraAll, left,
                   {QString::fromLatin1(Captions[0]), QString::fromLatin1(Captions[1]),
                    QString::fromLatin1(Captions[2])});
    body->addLayout(left);
    fraClient = new QGroupBox(QStringLiteral("Client List"), fraAll);
    fraClient->setObjectName(QStringLiteral("fraClient"));
    auto* listLayout = new QVBoxLayout(fraClient);
    lbNameDisplay = new QListWidget(fraClient);
    lbNameDisplay->setObjectName(QStringLiteral("lbNameDisplay"));
    lbNameDisplay->setSelectionMode(QAbstractItemView::MultiSelection);
    KeepListFontPlain(lbNameDisplay);
    listLayout->addWidget(lbNameDisplay);
    PaintListFrame(fraClient, false);
    body->addWidget(fraClient, 1);
    AddStatusPanel(outer);
    SetCancelChoice(2);

    lbNameDisplay->installEventFilter(this);
    connect(lbNameDisplay, &QListWidget::currentRowChanged, this, &frmPrintSelected::UpdatePrintButton);
    connect(lbNameDisplay, &QListWidget::itemClicked, this, &frmPrintSelected::UpdatePrintButton);
    setTabOrder(lbNameDisplay, cmdMenuChoice[0]);
    resize(720, 460);
}

// Runs once: the window is activated again after every message box, and filling the list then would
// clear the selection.
void frmPrintSelected::Form_Activate() {
    TarvosDialog::Form_Activate();
    FillClientList();
    UpdatePrintButton();
    lbNameDisplay->setFocus(Qt::OtherFocusReason);
}

void frmPrintSelected::FillClientList() {
    lbNameDisplay->clear();
    for (int i = 1; i <= ClientCount; ++i)
        lbNameDisplay->addItem(QString::number(i) + QLatin1Char('-') +
                               FromCp1252(ClientTable[static_cast<std::size_t>(i)].Name.str()));
}

void frmPrintSelected::UpdatePrintButton() {
    const QListWidgetItem* current = lbNameDisplay->currentItem();
    cmdMenuChoice[0]->setEnabled(current && !current->text().isEmpty());
}

void frmPrintSelected::cmdMenuChoice_Click(int index) {
    switch (index) {
    case 0: { // "Print Selected"
        std::vector<int> clientSlots;
        for (int i = 0; i < lbNameDisplay->count(); ++i)
            if (lbNameDisplay->item(i)->isSelected())
                clientSlots.push_back(i + 1);
        if (!PrintClientReports(this, clientSlots))
            return; // the window stays for another try; the failure was shown
        accept();
        return;
    }
    case 1: // "Select All"
        lbNameDisplay->selectAll();
        UpdatePrintButton();
        return;
    default: // "Return to Main Menu"
        reject();
        return;
    }
}

void frmPrintSelected::cmdMenuChoice_GotFocus(int index) {
    HighlightMenuChoice(index);
    msgPanel->setText(QString::fromLatin1(HelpTexts[index]));
}

void frmPrintSelected::lbNameDisplay_GotFocus() {
    if (ClientCount == 0) {
        cmdMenuChoice[0]->setFocus(Qt::OtherFocusReason);
        return;
    }
    PaintListFrame(fraClient, true);
    msgPanel->setText(QStringLiteral("Use up or down arrow keys or mouse to select client."));
    UpdatePrintButton();
}

void frmPrintSelected::lbNameDisplay_LostFocus() {
    PaintListFrame(fraClient, false);
    msgPanel->clear();
}

bool frmPrintSelected::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lbNameDisplay) {
        if (event->type() == QEvent::FocusIn)
            lbNameDisplay_GotFocus();
        else if (event->type() == QEvent::FocusOut)
            lbNameDisplay_LostFocus();
        else if (event->type() == QEvent::KeyRelease)
            UpdatePrintButton();
    }
    return TarvosDialog::eventFilter(watched, event);
}
