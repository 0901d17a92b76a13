#pragma once
#include "shell/qt/TarvosDialog.h"

#include <array>

class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTabWidget;

// The staff-only operations: reports (behind the secret code), data verification and name deletion.
// Closes after one executed operation. sspMenuChoice[2] is the panel framing the tab control.
class frmSupervisorOptions : public TarvosDialog {
    Q_OBJECT
public:
    explicit frmSupervisorOptions(QWidget* parent = nullptr);
    ~frmSupervisorOptions() override;

    void Form_Load();
    void Form_Activate() override;
    void sstSupervisorOperations_Click(int tab);
    void sstSupervisorOperations_GotFocus();
    void sstSupervisorOperations_LostFocus();
    void optPrintOption_Click(int index);
    void optPrintOption_GotFocus(int index);
    void optPrintOption_LostFocus(int index);
    void chkSumPage_GotFocus();
    void chkSumPage_Click();
    void cmdMenuChoice_Click(int index) override;
    void cmdMenuChoice_GotFocus(int index) override;

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

    bool NoClients = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ExecuteReports();
    void ShowCurrentClient();

    int m_tab = 0;
    int m_printOption = 0;
};
