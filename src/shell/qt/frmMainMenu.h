#pragma once
#include "shell/FileError.h"
#include "shell/qt/MsgPanel.h"

#include <QMainWindow>
#include <array>
#include <functional>

class QAction;
class QFrame;
class QLabel;
class QListWidget;
class QMenu;
class QPushButton;
class QTimer;
class SingleInstance;

// What the main menu's buttons open in the other subsystems' windows. The program supplies them
// (ProgramMenuActions), so the shell's windows include none of those windows. An empty action does
// nothing.
struct MainMenuActions {
    std::function<void(QWidget* menu)> EditCurrentClient; // the current client is 1..ClientCount
    std::function<void(QWidget* menu)> AddNewClient;
    std::function<void(QWidget* menu)> SupervisorOptions;
};

// The start window and hub of the program: the client list, the four menu buttons, the Options menu
// and the Num Lock timer. Form_Load runs the start-up; every other window opens modally from here.
class frmMainMenu : public QMainWindow {
    Q_OBJECT
public:
    // `runtimeFolder` holds the running-copy lock and socket; empty = the user's runtime folder.
    explicit frmMainMenu(const QString& runtimeFolder = {}, QWidget* parent = nullptr);
    ~frmMainMenu() override;

    // The start-up sequence. False when the program must end (a running copy was found, or the user
    // gave up on the data disk); the window is then not to be shown.
    bool Form_Load();
    void Form_Activate();
    void RefreshNameDisplay();
    // Shows DataDrive in lblDataFolder.
    void ShowDataFolder();
    void UpdateEditButton();

    void lbNameDisplay_Click();
    void lbNameDisplay_KeyPress();
    void lbNameDisplay_GotFocus();
    void lbNameDisplay_LostFocus();
    void cmdMenuChoice_GotFocus(int index);
    void cmdMenuChoice_LostFocus(int index);
    void cmdMenuChoice_Click(int index);
    void mnuExit_Click();
    void mnuDrive_Click();
    void mnuOptionsNumLock_Click();
    void mnuOptionsPrintDOS_Click();
    void mnuHelpAbout_Click();
    void timNumLock_Timer();

    // Whether the window that button `index` opens exists in this build; the button stays disabled
    // until it does. Tests switch it to reach the focus rules.
    bool MenuChoiceAvailable(int index) const { return m_available[static_cast<std::size_t>(index)]; }
    void SetMenuChoiceAvailable(int index, bool available);
    void SetActions(MainMenuActions actions) { m_actions = std::move(actions); }

    bool NumLockAlwaysOn = true;
    bool MenuActive = false;

    QWidget* frMainMenu;
    std::array<QFrame*, 4> sspMenuChoice;
    std::array<QPushButton*, 4> cmdMenuChoice;
    QFrame* fraClient;
    QListWidget* lbNameDisplay;
    ::MsgPanel* MsgPanel;
    QLabel* lblDataFolder; // the data folder in use, at the right of the status line
    QLabel* imgLogo;
    QTimer* timNumLock;
    QAction* mnuExit;
    QMenu* mnuOptions;
    QAction* mnuDrive;
    QAction* mnuOptionsNumLock;
    QAction* mnuOptionsPrintDOS;
    QAction* mnuHelpAbout;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void LayOutMenuFrame();
    void RaiseFromOtherCopy();
    void ShowSettingsWriteError(const FileError& err);
    // Runs `action` with the menu frame disabled.
    void RunAction(const std::function<void(QWidget*)>& action);

    QString m_runtimeFolder;
    MainMenuActions m_actions;
    SingleInstance* m_instance = nullptr;
    int m_focusedChoice = -1;
    std::array<bool, 4> m_available;
    QWidget* m_about = nullptr;
    bool m_lostToOwnWindow = false;
    bool m_started = false; // the start-up has finished
};
