#pragma once
#include <QDialog>
#include <array>

class MsgPanel;
class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTabWidget;

// The staff-only operations: reports (behind the secret code), data verification and name deletion.
// Closes after one executed operation.
class frmSupervisorOptions : public QDialog {
    Q_OBJECT
public:
    explicit frmSupervisorOptions(QWidget* parent = nullptr);
    ~frmSupervisorOptions() override;

    void Form_Load();
    void Form_Activate();
    void sstSupervisorOperations_Click(int tab);
    void sstSupervisorOperations_GotFocus();
    void sstSupervisorOperations_LostFocus();
    void optPrintOption_Click(int index);
    void optPrintOption_GotFocus(int index);
    void optPrintOption_LostFocus(int index);
    void chkSumPage_Click();
    void cmdMenuChoice_Click(int index);
    void cmdMenuChoice_GotFocus(int index);
    void cmdMenuChoice_LostFocus(int index);

    QFrame* frControls;
    QTabWidget* sstSupervisorOperations;
    QGroupBox* Frame1;
    std::array<QRadioButton*, 3> optPrintOption;
    QCheckBox* chkSumPage;
    QGroupBox* Frame3;
    QLabel* Label1;
    QGroupBox* Frame4;
    QLabel* Label2;
    QGroupBox* frCurrentClient;
    QLabel* lblNameDisplay;
    std::array<QFrame*, 3> sspMenuChoice;
    std::array<QPushButton*, 2> cmdMenuChoice;
    ::MsgPanel* MsgPanel;

    bool NoClients = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void ExecuteReports();
    void ShowCurrentClient();

    int m_tab = 0;
    int m_printOption = 0;
    bool m_started = false;
};
