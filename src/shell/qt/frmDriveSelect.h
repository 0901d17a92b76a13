#pragma once
#include "platform/Volumes.h"
#include "shell/qt/TarvosDialog.h"

class QComboBox;
class QLabel;
class QPushButton;

// "Select Drive": the list of mounted volumes; the caller reads SelectedDrive after the modal show.
class frmDriveSelect : public TarvosDialog {
    Q_OBJECT
public:
    explicit frmDriveSelect(QWidget* parent = nullptr);

    QString SelectedDrive; // the folder last chosen in drDrive; empty until the list is changed

    QLabel* lblPrompt;
    QComboBox* drDrive;
    QPushButton* cmdhelp;
    QPushButton* cmdDone;

    void drDrive_Change();
    void cmdhelp_Click();
    void cmdDone_Click();

protected:
    // The close box is the "Done" button.
    bool CloseBox_Click() override;
};
