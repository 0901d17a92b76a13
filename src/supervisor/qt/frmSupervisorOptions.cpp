#include "supervisor/qt/frmSupervisorOptions.h"

#include "clients/ClientFile.h"
#include "clients/qt/DelNames.h"
#include "entry/qt/frmVerify.h"
#include "scoring/ReportOptions.h"
#include "scoring/qt/ReportOutput.h"
#include "scoring/qt/frmPrintSelected.h"
#include "scoring/qt/frmViewReport.h"
#include "shell/qt/Cp1252.h"
#include "shell/qt/MsgBox.h"
#include "shell/qt/MsgPanel.h"
#include "shell/qt/WindowHelpers.h"
#include "supervisor/qt/SecretCode.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace {
const char* const TabCaptions[3] = {"&Reports", "&Verify Data", "&Delete Names"};
const char* const OptionCaptions[3] = {"Print above current client's report",
                                       "Select and print multiple clients' reports",
                                       "Print all clients' reports"};
const char* const ChoiceCaptions[2] = {"Execute Selection", "Go to Main Menu"};
const char* const ChoiceHelp[2] = {"Perform the selected operation.",
                                   "Close the Utilities window returning to the Main Menu."};
const char* const VerifyText =
    "This option gives you the opportunity to re-enter the client's responses from the answer sheet.  After "
    "you "
    "enter the responses, any differences from what was just entered and what was previously stored will be "
    "reported.  This gives you the opportunity to correct any errors.";
const char* const DeleteText =
    "This operation will delete the client's name from the client database.  USE WITH CAUTION!  Once the "
    "name "
    "has been deleted on this data disk, it CANNOT be retrieved.  All other associated client data, "
    "demographics, court history and responses will NOT be deleted.  Use this operation to protect client "
    "confidentiality when you are done with the disk.";
const char* const EmptyTitles[3] = {"Print Report", "Verify Data", "Delete Names"};
// The status line of each tab, shown when the tab is chosen and whenever the tab control takes the focus.
const char* const TabHelp[3] = {"", "Click Execute to perform data verification.",
                                "Click Execute to perform delete names operation."};

void SetBold(QWidget* w, bool bold) {
    QFont f = w->font();
    f.setBold(bold);
    w->setFont(f);
}
} // namespace

frmSupervisorOptions::frmSupervisorOptions(QWidget* parent)
    : TarvosDialog(parent, QStringLiteral("frmSupervisorOptions"), QStringLiteral("Supervisor Options")) {
    auto* outer = new QVBoxLayout(this);
    frControls = new QFrame(this);
    frControls->setObjectName(QStringLiteral("frControls"));
    outer->addWidget(frControls);
    auto* body = new QVBoxLayout(frControls);

    // Panel 2 frames the tab control and lights up while it has the focus.
    auto* tabPanel = new QFrame(frControls);
    tabPanel->setObjectName(QStringLiteral("sspMenuChoice_2"));
    tabPanel->setAutoFillBackground(true);
    SetBackColor(tabPanel, PanelNormal);
    auto* tabFrame = new QVBoxLayout(tabPanel);
    tabFrame->setContentsMargins(5, 5, 5, 5);
    sstSupervisorOperations = new QTabWidget(tabPanel);
    sstSupervisorOperations->setObjectName(QStringLiteral("sstSupervisorOperations"));
    tabFrame->addWidget(sstSupervisorOperations);
    body->addWidget(tabPanel);

    auto* reports = new QWidget;
    auto* reportsLayout = new QVBoxLayout(reports);
    Frame1 = new QGroupBox(QStringLiteral("Choose Report Option"), reports);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    auto* options = new QVBoxLayout(Frame1);
    for (int i = 0; i < 3; ++i) {
        auto* opt = new QRadioButton(QString::fromLatin1(OptionCaptions[i]), Frame1);
        opt->setObjectName(QStringLiteral("optPrintOption_%1").arg(i));
        opt->installEventFilter(this);
        // Arrow keys move the choice too, so follow the checked state rather than clicks.
        connect(opt, &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                optPrintOption_Click(i);
        });
        optPrintOption[static_cast<std::size_t>(i)] = opt;
        options->addWidget(opt);
    }
    optPrintOption[0]->setChecked(true);
    reportsLayout->addWidget(Frame1);
    chkSumPage = new QCheckBox(QStringLiteral("One-page summary report"), reports);
    chkSumPage->setObjectName(QStringLiteral("chkSumPage"));
    connect(chkSumPage, &QCheckBox::toggled, this, &frmSupervisorOptions::chkSumPage_Click);
    chkSumPage->installEventFilter(this);
    reportsLayout->addWidget(chkSumPage);
    sstSupervisorOperations->addTab(reports, QString::fromLatin1(TabCaptions[0]));

    auto makeComment = [this](const char* frameName, const char* caption, QLabel*& label,
                              const char* labelName, const char* text, int tab) {
        auto* page = new QWidget;
        auto* pageLayout = new QVBoxLayout(page);
        auto* frame = new QGroupBox(QString::fromLatin1(caption), page);
        frame->setObjectName(QString::fromLatin1(frameName));
        auto* l = new QVBoxLayout(frame);
        label = new QLabel(QString::fromLatin1(text), frame);
        label->setObjectName(QString::fromLatin1(labelName));
        label->setWordWrap(true);
        l->addWidget(label);
        pageLayout->addWidget(frame);
        sstSupervisorOperations->addTab(page, QString::fromLatin1(TabCaptions[tab]));
        return frame;
    };
    Frame3 = makeComment("Frame3", "Option Comments", Label1, "Label1", VerifyText, 1);
    Frame4 = makeComment("Frame4", "Operation Comments", Label2, "Label2", DeleteText, 2);

    frCurrentClient = new QGroupBox(QStringLiteral("Current Client"), frControls);
    frCurrentClient->setObjectName(QStringLiteral("frCurrentClient"));
    auto* current = new QVBoxLayout(frCurrentClient);
    lblNameDisplay = new QLabel(QStringLiteral("No Clients"), frCurrentClient);
    lblNameDisplay->setObjectName(QStringLiteral("lblNameDisplay"));
    current->addWidget(lblNameDisplay);
    body->addWidget(frCurrentClient);

    auto* buttons = new QHBoxLayout;
    AddMenuChoices(frControls, buttons,
                   {QString::fromLatin1(ChoiceCaptions[0]), QString::fromLatin1(ChoiceCaptions[1])});
    sspMenuChoice.push_back(tabPanel);
    body->addLayout(buttons);
    AddStatusPanel(outer);
    SetCancelChoice(1);

    sstSupervisorOperations->installEventFilter(this);
    sstSupervisorOperations->tabBar()->installEventFilter(this);
    connect(sstSupervisorOperations, &QTabWidget::currentChanged, this,
            &frmSupervisorOptions::sstSupervisorOperations_Click);
    resize(620, 420);
    Form_Load();
}

frmSupervisorOptions::~frmSupervisorOptions() {
    // The box goes with the window: reports written later carry no summary.
    SummaryReport = false;
}

void frmSupervisorOptions::Form_Load() {
    NoClients = ClientCount < 1;
    if (!NoClients)
        ShowCurrentClient();
    SummaryReport = chkSumPage->isChecked();
}

void frmSupervisorOptions::ShowCurrentClient() {
    if (CurrentClient >= 1 && CurrentClient <= ClientCount)
        lblNameDisplay->setText(FromCp1252(ClientTable[static_cast<std::size_t>(CurrentClient)].Name.str()));
}

void frmSupervisorOptions::Form_Activate() {
    TarvosDialog::Form_Activate();
    SetBackColor(sspMenuChoice[2], PanelNormal);
    if (NoClients) {
        MsgBox(QStringLiteral("There are no clients on this data disk.\rReturning to main menu."),
               vbOKOnly | vbInformation, QStringLiteral("Empty Data Disk"));
        reject();
    }
}

void frmSupervisorOptions::sstSupervisorOperations_Click(int tab) {
    if (tab == m_tab)
        return;
    m_tab = tab;
    msgPanel->setText(QString::fromLatin1(TabHelp[tab]));
    switch (tab) {
    case 0:
        ShowCurrentClient();
        optPrintOption[static_cast<std::size_t>(m_printOption)]->setChecked(true);
        break;
    case 1:
        ShowCurrentClient();
        break;
    default:
        lblNameDisplay->setText(QStringLiteral("All Clients"));
        break;
    }
}

// The tab's own line replaces that of the control the focus came from.
void frmSupervisorOptions::sstSupervisorOperations_GotFocus() {
    SetBackColor(sspMenuChoice[2], PanelFocused);
    msgPanel->setText(QString::fromLatin1(TabHelp[sstSupervisorOperations->currentIndex()]));
}

void frmSupervisorOptions::sstSupervisorOperations_LostFocus() {
    SetBackColor(sspMenuChoice[2], PanelNormal);
}

void frmSupervisorOptions::optPrintOption_Click(int index) {
    m_printOption = index;
}

void frmSupervisorOptions::optPrintOption_GotFocus(int index) {
    SetBold(optPrintOption[static_cast<std::size_t>(index)], true);
    msgPanel->setText(QStringLiteral("Use the arrow keys or mouse to choose print operation."));
}

void frmSupervisorOptions::optPrintOption_LostFocus(int index) {
    SetBold(optPrintOption[static_cast<std::size_t>(index)], false);
}

void frmSupervisorOptions::chkSumPage_GotFocus() {
    msgPanel->setText(QStringLiteral("Press Space to add or remove the one-page summary on each report."));
}

void frmSupervisorOptions::chkSumPage_Click() {
    SummaryReport = chkSumPage->isChecked();
}

void frmSupervisorOptions::cmdMenuChoice_GotFocus(int index) {
    HighlightMenuChoice(index);
    SetBackColor(sspMenuChoice[2], PanelNormal);
    msgPanel->setText(QString::fromLatin1(ChoiceHelp[index]));
}

void frmSupervisorOptions::cmdMenuChoice_Click(int index) {
    if (index == 1) {
        reject();
        return;
    }
    const int tab = sstSupervisorOperations->currentIndex();
    if (ClientCount == 0) {
        MsgBox(QStringLiteral("Cannot perform this function.\rDatabase empty."), vbOKOnly | vbInformation,
               QString::fromLatin1(EmptyTitles[tab]));
    } else if (tab == 0) {
        ExecuteReports();
    } else if (tab == 1) {
        frmVerify verify(this);
        verify.exec();
    } else {
        DelNames();
    }
    accept();
}

void frmSupervisorOptions::ExecuteReports() {
    // No report is shown, printed or saved without the secret code.
    if (!AskSecretCode())
        return;
    switch (m_printOption) {
    case 0: {
        frmViewReport view(this);
        view.exec();
        break;
    }
    case 1: {
        frmPrintSelected select(this);
        select.exec();
        break;
    }
    default:
        PrintAllReports(this);
        break;
    }
}

bool frmSupervisorOptions::eventFilter(QObject* watched, QEvent* event) {
    const bool in = event->type() == QEvent::FocusIn;
    const bool out = event->type() == QEvent::FocusOut;
    if (in || out) {
        for (int i = 0; i < 3; ++i)
            if (watched == optPrintOption[static_cast<std::size_t>(i)]) {
                in ? optPrintOption_GotFocus(i) : optPrintOption_LostFocus(i);
                return false;
            }
        if (watched == chkSumPage) {
            if (in)
                chkSumPage_GotFocus();
            return false;
        }
        if (watched == sstSupervisorOperations || watched == sstSupervisorOperations->tabBar()) {
            in ? sstSupervisorOperations_GotFocus() : sstSupervisorOperations_LostFocus();
            return false;
        }
    }
    return TarvosDialog::eventFilter(watched, event);
}
