#pragma once
#include "platform/Volumes.h"
#include "shell/qt/TarvosDialog.h"

class QComboBox;
class QLabel;
class QPushButton;

// "Select Drive": the volumes a data folder can live on, removable media first, and "Browse..." for
// any other folder. The caller reads Cancelled and SelectedDrive after the modal show.
class frmDriveSelect : public TarvosDialog {
    Q_OBJECT
public:
    explicit frmDriveSelect(QWidget* parent = nullptr);

    QString SelectedDrive;  // the folder last chosen in drDrive; empty until the list is changed
    bool Cancelled = false; // Esc or the close box: keep the folder in use

    QLabel* lblPrompt;
    QComboBox* drDrive;
    QPushButton* cmdBrowse;
    QPushButton* cmdhelp;
    QPushButton* cmdDone;

    void drDrive_Change();
    void cmdBrowse_Click();
    void cmdhelp_Click();
    void cmdDone_Click();
    void Cancel();

protected:
    bool CloseBox_Click() override;
    void keyPressEvent(QKeyEvent* event) override;
};
