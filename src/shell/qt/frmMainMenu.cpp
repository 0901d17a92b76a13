#include "shell/qt/frmMainMenu.h"

#include "clients/ClientFile.h"
#include "clients/DataDrive.h"
#include "platform/NumLock.h"
#include "platform/SingleInstance.h"
#include "scoring/ReportOptions.h"
#include "shell/FileNames.h"
#include "shell/ProgramFolder.h"
#include "shell/RunState.h"
#include "shell/Settings.h"
#include "shell/qt/Cp1252.h"
#include "shell/qt/DataDriveSetup.h"
#include "shell/qt/EndProgram.h"
#include "shell/qt/Logo.h"
#include "shell/qt/MsgBox.h"
#include "shell/qt/QuickStartStyle.h"
#include "shell/qt/StartupErrors.h"
#include "shell/qt/WindowHelpers.h"
#include "shell/qt/frmAbout.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QStatusBar>
#include <QStyledItemDelegate>
#include <QTimer>
#include <QVBoxLayout>
#include <optional>

namespace {
// Draws a client entry as the style does, but its text as one plain line: the style lays every entry
// out as wrappable, elidable text, one of the dearest parts of the main menu's first frame.
class NameDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem opt = option;
        initStyleOption(&opt, index);
        const QString text = opt.text;
        opt.text.clear(); // the style draws the background, the selection and the focus frame
        const QWidget* view = opt.widget;
        const QStyle* style = view ? view->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, view);
        const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1;
        const QRect box =
            style->subElementRect(QStyle::SE_ItemViewItemText, &opt, view).adjusted(margin, 0, -margin, 0);
        const QPalette::ColorGroup group = !(opt.state & QStyle::State_Enabled) ? QPalette::Disabled
                                           : (opt.state & QStyle::State_Active) ? QPalette::Normal
                                                                                : QPalette::Inactive;
        painter->setPen(opt.palette.color(
            group, (opt.state & QStyle::State_Selected) ? QPalette::HighlightedText : QPalette::Text));
        painter->drawText(box, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
    }
};

// The client list. Taking the focus leaves it without a current entry, so the first arrow key chooses
// the first client rather than the second.
class NameList : public QListWidget {
public:
    using QListWidget::QListWidget;

protected:
    void focusInEvent(QFocusEvent* event) override {
        QAbstractScrollArea::focusInEvent(event);
        viewport()->update();
    }
};

const char* const Captions[4] = {"Edit Current Client", "Add New Client", "Supervisor Options",
                                 "Exit Application"};
const char* const HelpTexts[4] = {
    "Edit client's information.",
    "Enter a new client. Test client on computer or enter data from answer sheet.",
    "Print client report, verify data entry or delete client names.", "Quit the program."};
// Buttons whose windows exist.
constexpr std::array<bool, 4> WindowsBuilt = {true, true, true, true};
constexpr int LastChoice = 3;
} // namespace

frmMainMenu::frmMainMenu(const QString& runtimeFolder, QWidget* parent)
    : QMainWindow(parent), m_runtimeFolder(runtimeFolder), m_available(WindowsBuilt) {
    setObjectName(QStringLiteral("frmMainMenu"));
    ActivateWindowsWhenShown();
    UseQuickStartStyle();
    setWindowTitle(QStringLiteral("Tarvos"));
    resize(860, 620);

    menuBar();
    mnuExit = menuBar()->addAction(QStringLiteral("E&xit!"));
    mnuExit->setObjectName(QStringLiteral("mnuExit"));
    mnuOptions = menuBar()->addMenu(QStringLiteral("&Options"));
    mnuOptions->setObjectName(QStringLiteral("mnuOptions"));
    mnuDrive = mnuOptions->addAction(QStringLiteral("Change &Data Drve"));
    mnuDrive->setObjectName(QStringLiteral("mnuDrive"));
    mnuOptionsNumLock = mnuOptions->addAction(QStringLiteral("&Num Lock Always On"));
    mnuOptionsNumLock->setObjectName(QStringLiteral("mnuOptionsNumLock"));
    mnuOptionsNumLock->setCheckable(true);
    mnuOptionsPrintDOS = mnuOptions->addAction(QStringLiteral("&Print to DOS port"));
    mnuOptionsPrintDOS->setObjectName(QStringLiteral("mnuOptionsPrintDOS"));
    mnuOptionsPrintDOS->setCheckable(true);
    mnuHelpAbout = menuBar()->addAction(QStringLiteral("&About..."));
    mnuHelpAbout->setObjectName(QStringLiteral("mnuHelpAbout"));
    connect(mnuExit, &QAction::triggered, this, [this] { mnuExit_Click(); });
    connect(mnuDrive, &QAction::triggered, this, [this] { mnuDrive_Click(); });
    connect(mnuOptionsNumLock, &QAction::triggered, this, [this] { mnuOptionsNumLock_Click(); });
    connect(mnuOptionsPrintDOS, &QAction::triggered, this, [this] { mnuOptionsPrintDOS_Click(); });
    connect(mnuHelpAbout, &QAction::triggered, this, [this] { mnuHelpAbout_Click(); });

    auto* central = new QWidget(this);
    setCentralWidget(central);
    frMainMenu = new QWidget(central);
    frMainMenu->setObjectName(QStringLiteral("frMainMenu"));
    auto* frame = new QVBoxLayout(frMainMenu);
    frame->setContentsMargins(0, 0, 0, 0);
    frame->setSpacing(16);

    auto* header = new QHBoxLayout;
    imgLogo = new QLabel(frMainMenu);
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    imgLogo->setPixmap(TarvosLogo(72));
    header->addWidget(imgLogo);
    header->addWidget(NewTitleLabel(frMainMenu, 2.2));
    header->addStretch(1);
    frame->addLayout(header);

    auto* body = new QHBoxLayout;
    body->setSpacing(24);
    auto* column = new QVBoxLayout;
    column->setSpacing(10);
    for (int i = 0; i <= LastChoice; ++i) {
        auto mc = MakeMenuChoice(frMainMenu, i, QString::fromLatin1(Captions[i]), this,
                                 [this](int k) { cmdMenuChoice_Click(k); });
        sspMenuChoice[static_cast<std::size_t>(i)] = mc.ssp;
        cmdMenuChoice[static_cast<std::size_t>(i)] = mc.cmd;
        mc.ssp->setFixedWidth(250);
        mc.cmd->setEnabled(m_available[static_cast<std::size_t>(i)] && i != 0);
        column->addWidget(mc.ssp);
    }
    column->addStretch(1);
    body->addLayout(column);

    // A raised panel with its caption on top, like the menu buttons' panels. (A group box would read
    // its frame from a PNG file, and the first image read loads every image-format plugin.)
    fraClient = new QFrame(frMainMenu);
    fraClient->setObjectName(QStringLiteral("fraClient"));
    fraClient->setFrameStyle(QFrame::Panel | QFrame::Raised);
    auto* listLayout = new QVBoxLayout(fraClient);
    auto* caption = new QLabel(QStringLiteral("Client List"), fraClient);
    caption->setObjectName(QStringLiteral("lblClientList"));
    listLayout->addWidget(caption);
    lbNameDisplay = new NameList(fraClient);
    lbNameDisplay->setObjectName(QStringLiteral("lbNameDisplay"));
    lbNameDisplay->setSelectionMode(QAbstractItemView::SingleSelection);
    lbNameDisplay->setUniformItemSizes(true); // one line each: one size computed, not 51
    lbNameDisplay->setItemDelegate(new NameDelegate(lbNameDisplay));
    KeepListFontPlain(lbNameDisplay);
    lbNameDisplay->setMinimumSize(330, 240);
    lbNameDisplay->installEventFilter(this);
    listLayout->addWidget(lbNameDisplay);
    PaintListFrame(fraClient, false);
    connect(lbNameDisplay, &QListWidget::itemSelectionChanged, this, [this] {
        if (!lbNameDisplay->selectedItems().isEmpty())
            lbNameDisplay_Click();
    });
    body->addWidget(fraClient);
    frame->addLayout(body);
    frMainMenu->adjustSize();
    // The frame is placed by hand, outside any layout: the window never gets smaller than it.
    central->setMinimumSize(frMainMenu->sizeHint());

    setTabOrder(cmdMenuChoice[0], cmdMenuChoice[1]);
    setTabOrder(cmdMenuChoice[1], cmdMenuChoice[2]);
    setTabOrder(cmdMenuChoice[2], cmdMenuChoice[3]);
    setTabOrder(cmdMenuChoice[3], lbNameDisplay);

    MsgPanel = new ::MsgPanel(this);
    statusBar()->addWidget(MsgPanel, 1);
    lblDataFolder = new QLabel(this);
    lblDataFolder->setObjectName(QStringLiteral("lblDataFolder"));
    lblDataFolder->setTextFormat(Qt::PlainText);
    lblDataFolder->setContentsMargins(0, 0, 8, 0); // clear of the window's right edge
    statusBar()->addPermanentWidget(lblDataFolder);
    statusBar()->setSizeGripEnabled(false);

    timNumLock = new QTimer(this);
    timNumLock->setObjectName(QStringLiteral("timNumLock"));
    timNumLock->setInterval(1000);
    connect(timNumLock, &QTimer::timeout, this, [this] { timNumLock_Timer(); });

    SetNameDisplayRefresher([this] {
        lbNameDisplay->clear();
        RefreshNameDisplay();
        ShowDataFolder();
    });
}

frmMainMenu::~frmMainMenu() {
    SetNameDisplayRefresher({});
}

void frmMainMenu::SetMenuChoiceAvailable(int index, bool available) {
    m_available[static_cast<std::size_t>(index)] = available;
    if (index == 0)
        UpdateEditButton();
    else
        cmdMenuChoice[static_cast<std::size_t>(index)]->setEnabled(available);
}

bool frmMainMenu::Form_Load() {
    ClearRunState();

    m_instance = NewSingleInstance(m_runtimeFolder, this);
    if (!m_instance->TryBecomeFirst()) {
        const QString title = QStringLiteral("... duplicate instance.");
        QApplication::setApplicationDisplayName(title);
        setWindowTitle(title);
        m_instance->SendRaise();
        return false;
    }
    connect(m_instance, &SingleInstance::raiseRequested, this, [this] { RaiseFromOtherCopy(); });

    // SQLite needs no engine user or workspace; the workgroup entry is still recorded.
    if (auto err = WriteSystemDBSetting(); !err.ok())
        ShowSettingsWriteError(err);
    SoundPath = GetINISndPath();
    QuestionDatabasePath = JoinPath(ProgramFolder(), QuestionDatabaseName);
    PublisherCode = ReadPublisherCode();

    if (SetUpDataDrive(true) == DriveSetup::EndProgram)
        return false;

    // A splash of no length (tests, the start-up benchmark) has nothing to show: no window is made.
    std::optional<frmAbout> splash;
    if (frmAbout::SplashDuration() > 0) {
        splash.emplace(true);
        splash->show();
        if (!splash->AnimationFinished()) {
            QEventLoop wait;
            connect(&*splash, &frmAbout::animationFinished, &wait, &QEventLoop::quit);
            wait.exec();
        }
    }

    // When the set-up gave up with no folder in use, the folder it tried last is loaded here, so that
    // its failure reaches the start-up handler.
    for (;;) {
        const FileError err = DataDrive.empty() ? AdoptDataFolder(LastDriveCandidate()) : LoadClientFile();
        if (err.ok())
            break;
        if (!StartupErrorRetry(err)) {
            if (splash)
                splash->close();
            return false;
        }
    }
    if (splash)
        splash->close();

    if (!(windowState() & Qt::WindowMaximized)) {
        CenterForm(this);
        LayOutMenuFrame();
    }
    FillCodeTables();
    Form_Activate();
    NumLockAlwaysOn = ReadNumLockSetting();
    mnuOptionsNumLock->setChecked(NumLockAlwaysOn);
    PrintToDosPort = ReadPrintDOSSetting();
    mnuOptionsPrintDOS->setChecked(PrintToDosPort);
    MenuActive = true;
    SetSectionBounds();
    timNumLock->start();
    m_started = true;
    for (QPushButton* b : cmdMenuChoice) {
        if (b->isEnabled()) {
            b->setFocus(Qt::OtherFocusReason);
            break;
        }
    }
    return true;
}

void frmMainMenu::ShowSettingsWriteError(const FileError& err) {
    MsgBox(QStringLiteral("The settings file could not be written.\n\n") +
               QString::fromStdString(err.message()) + QStringLiteral("\n") +
               QString::fromLocal8Bit(err.path),
           vbOKOnly | vbExclamation, AppTitle());
}

void frmMainMenu::Form_Activate() {
    LayOutMenuFrame();
    ResetMenuChoices(this, LastChoice);
    UpdateEditButton();
    if (ClientCount == 0)
        CurrentClient = 0;
    RefreshNameDisplay();
    ShowDataFolder();
    cmdMenuChoice[0]->setEnabled(false);
    if (MenuActive) {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w != this && w->isVisible() &&
                (w->windowType() == Qt::Window || w->windowType() == Qt::Dialog))
                w->close();
        }
    }
}

void frmMainMenu::LayOutMenuFrame() {
    QWidget* area = centralWidget();
    frMainMenu->adjustSize();
    const QSize frame = frMainMenu->size();
    const int lift = static_cast<int>(1000.0 * logicalDpiY() / 1440.0); // 1000 twips
    const int left = (area->width() - frame.width()) / 2;
    const int top = area->height() / 2 - (frame.height() + lift) / 2;
    frMainMenu->move(std::max(0, left), std::max(0, top));
}

void frmMainMenu::RefreshNameDisplay() {
    if (ClientCount <= 0)
        return;
    const QSignalBlocker block(lbNameDisplay);
    lbNameDisplay->clear();
    for (int i = 1; i <= ClientCount; ++i)
        lbNameDisplay->addItem(QString::number(i) + '-' +
                               FromCp1252(ClientTable[static_cast<std::size_t>(i)].Name.view()));
}

void frmMainMenu::ShowDataFolder() {
    // A long path is shortened in its middle (the whole path is the tooltip), so it never widens the window.
    const QString folder = QString::fromLocal8Bit(DataDrive);
    const QString shown = lblDataFolder->fontMetrics().elidedText(folder, Qt::ElideMiddle, 360);
    lblDataFolder->setText(folder.isEmpty() ? QString() : QStringLiteral("Data folder: ") + shown);
    lblDataFolder->setToolTip(folder);
}

void frmMainMenu::UpdateEditButton() {
    const auto selected = lbNameDisplay->selectedItems();
    cmdMenuChoice[0]->setEnabled(m_available[0] && !selected.isEmpty() &&
                                 !selected.front()->text().isEmpty());
}

void frmMainMenu::lbNameDisplay_Click() {
    const auto selected = lbNameDisplay->selectedItems();
    if (!selected.isEmpty())
        CurrentClient = static_cast<int16_t>(selected.front()->text().section('-', 0, 0).toInt());
    UpdateEditButton();
}

void frmMainMenu::lbNameDisplay_KeyPress() {
    UpdateEditButton();
}

void frmMainMenu::lbNameDisplay_GotFocus() {
    if (ClientCount < 1) {
        if (cmdMenuChoice[1]->isEnabled())
            cmdMenuChoice[1]->setFocus(Qt::TabFocusReason);
        else
            focusNextChild();
        return;
    }
    PaintListFrame(fraClient, true);
    MsgPanel->setText(QStringLiteral("Use up or down arrow keys or mouse to select client."));
    UpdateEditButton();
}

void frmMainMenu::lbNameDisplay_LostFocus() {
    PaintListFrame(fraClient, false);
    MsgPanel->clear();
}

void frmMainMenu::cmdMenuChoice_GotFocus(int index) {
    HighlightMenuChoice(this, LastChoice, index);
    m_focusedChoice = index;
    MsgPanel->setText(QString::fromLatin1(HelpTexts[index]));
}

void frmMainMenu::cmdMenuChoice_LostFocus(int) {
    ResetMenuChoices(this, LastChoice);
}

void frmMainMenu::cmdMenuChoice_Click(int index) {
    switch (index) {
    case 0: // "Edit Current Client": client information, court history, response grid
        if (CurrentClient >= 1 && CurrentClient <= ClientCount)
            RunAction(m_actions.EditCurrentClient);
        break;
    case 1: // "Add New Client": the entry-method window leads the registration
        EditExisting = false;
        ScannedAnswers = false;
        RunAction(m_actions.AddNewClient);
        break;
    case 2: // "Supervisor Options"
        RunAction(m_actions.SupervisorOptions);
        break;
    case 3: // "Exit Application"
        close();
        break;
    }
}

void frmMainMenu::RunAction(const std::function<void(QWidget*)>& action) {
    if (!action)
        return;
    MenuActive = false;
    frMainMenu->setEnabled(false);
    action(this);
    MenuActive = true;
    frMainMenu->setEnabled(true);
}

void frmMainMenu::mnuExit_Click() {
    cmdMenuChoice_Click(3);
}

void frmMainMenu::mnuDrive_Click() {
    if (SetUpDataDrive(false) == DriveSetup::EndProgram)
        EndProgram(1);
}

void frmMainMenu::mnuOptionsNumLock_Click() {
    NumLockAlwaysOn = !NumLockAlwaysOn;
    mnuOptionsNumLock->setChecked(NumLockAlwaysOn);
    if (auto err = SaveNumLockSetting(NumLockAlwaysOn); !err.ok())
        ShowSettingsWriteError(err);
}

void frmMainMenu::mnuOptionsPrintDOS_Click() {
    PrintToDosPort = !PrintToDosPort;
    mnuOptionsPrintDOS->setChecked(PrintToDosPort);
    if (auto err = SavePrintDOSSetting(PrintToDosPort); !err.ok())
        ShowSettingsWriteError(err);
}

void frmMainMenu::mnuHelpAbout_Click() {
    if (!m_about) {
        m_about = new frmAbout(false, this);
        m_about->setAttribute(Qt::WA_DeleteOnClose);
        connect(m_about, &QObject::destroyed, this, [this] { m_about = nullptr; });
    }
    m_about->show();
    m_about->raise();
    m_about->activateWindow();
}

void frmMainMenu::timNumLock_Timer() {
    SetNumLock(NumLockAlwaysOn);
}

// Another copy was started: bring this one back to the front. Before the start-up has finished the
// main window stays hidden; a message box of the start-up comes to the front instead.
void frmMainMenu::RaiseFromOtherCopy() {
    if (m_started) {
        if (isMinimized() || isMaximized())
            showNormal();
        show();
        raise();
        activateWindow();
    }
    if (QWidget* modal = QApplication::activeModalWidget()) {
        modal->raise();
        modal->activateWindow();
    }
}

bool frmMainMenu::eventFilter(QObject* watched, QEvent* event) {
    const auto type = event->type();
    if (watched == lbNameDisplay) {
        if (type == QEvent::FocusIn)
            lbNameDisplay_GotFocus();
        else if (type == QEvent::FocusOut)
            lbNameDisplay_LostFocus();
        else if (type == QEvent::KeyPress)
            QTimer::singleShot(0, this, [this] { lbNameDisplay_KeyPress(); });
        return false;
    }
    for (int i = 0; i <= LastChoice; ++i) {
        if (watched != cmdMenuChoice[static_cast<std::size_t>(i)])
            continue;
        if (type == QEvent::FocusIn)
            cmdMenuChoice_GotFocus(i);
        else if (type == QEvent::FocusOut)
            cmdMenuChoice_LostFocus(i);
        return false;
    }
    return QMainWindow::eventFilter(watched, event);
}

// Activation counts when the window comes back from another window of the program, not from a
// message box or another program.
void frmMainMenu::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange) {
        if (isActiveWindow()) {
            if (m_lostToOwnWindow)
                Form_Activate();
            m_lostToOwnWindow = false;
        } else {
            QWidget* now = QApplication::activeWindow();
            m_lostToOwnWindow = now && !qobject_cast<QMessageBox*>(now);
        }
    }
    QMainWindow::changeEvent(event);
}

void frmMainMenu::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    LayOutMenuFrame();
}

// The close box ends the program as "Exit Application" does.
void frmMainMenu::closeEvent(QCloseEvent* event) {
    QMainWindow::closeEvent(event);
    timNumLock->stop();
    EndProgram(0);
}
