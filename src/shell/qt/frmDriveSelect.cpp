#include "shell/qt/frmDriveSelect.h"

#include "clients/DataDrive.h"
#include "shell/qt/MsgBox.h"
#include "shell/qt/WindowHelpers.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

frmDriveSelect::frmDriveSelect(QWidget* parent)
    : TarvosDialog(parent, QStringLiteral("frmDriveSelect"), QStringLiteral("Select Drive")) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 16, 18, 16);
    lblPrompt = new QLabel(QStringLiteral(" Choose the drive associated with the data disk. (Usually a USB "
                                          "flash drive, listed first; Browse... picks any folder.)"),
                           this);
    lblPrompt->setObjectName(QStringLiteral("lblPrompt"));
    lblPrompt->setWordWrap(true);
    layout->addWidget(lblPrompt);
    auto* choice = new QHBoxLayout;
    drDrive = new QComboBox(this);
    drDrive->setObjectName(QStringLiteral("drDrive"));
    drDrive->setMinimumWidth(380);
    choice->addWidget(drDrive, 1);
    cmdBrowse = new QPushButton(QStringLiteral("Browse..."), this);
    cmdBrowse->setObjectName(QStringLiteral("cmdBrowse"));
    choice->addWidget(cmdBrowse);
    layout->addLayout(choice);
    auto* buttons = new QHBoxLayout;
    cmdhelp = new QPushButton(QStringLiteral("Help"), this);
    cmdhelp->setObjectName(QStringLiteral("cmdhelp"));
    cmdDone = new QPushButton(QStringLiteral("Done"), this);
    cmdDone->setObjectName(QStringLiteral("cmdDone"));
    for (QPushButton* b : {cmdBrowse, cmdhelp, cmdDone})
        ClickOnEnter(b);
    buttons->addWidget(cmdhelp);
    buttons->addWidget(cmdDone);
    layout->addLayout(buttons);

    // Nothing is chosen at first, so every volume, the first one included, is one key away.
    for (const DataVolume& v : ListDataVolumes())
        drDrive->addItem(VolumeDisplayText(v), v.path);
    drDrive->setCurrentIndex(-1);
    connect(drDrive, &QComboBox::currentIndexChanged, this, [this] { drDrive_Change(); });
    connect(cmdBrowse, &QPushButton::clicked, this, [this] { cmdBrowse_Click(); });
    connect(cmdhelp, &QPushButton::clicked, this, [this] { cmdhelp_Click(); });
    connect(cmdDone, &QPushButton::clicked, this, [this] { cmdDone_Click(); });
    setTabOrder(drDrive, cmdBrowse);
    setTabOrder(cmdBrowse, cmdhelp);
    setTabOrder(cmdhelp, cmdDone);
    drDrive->setFocus();
    adjustSize();
}

void frmDriveSelect::drDrive_Change() {
    SelectedDrive = drDrive->currentData().toString();
}

// Any folder, such as one in the home folder; it joins the list as the chosen entry.
void frmDriveSelect::cmdBrowse_Click() {
    const QString start = !SelectedDrive.isEmpty() ? SelectedDrive
                          : QDir(QString::fromLocal8Bit(DataDrive)).exists()
                              ? QString::fromLocal8Bit(DataDrive)
                              : QDir::homePath();
    QFileDialog dialog(this, QStringLiteral("Choose the data folder"), start);
    dialog.setObjectName(QStringLiteral("dlgBrowse"));
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    const bool chosen = dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty();
    activateWindow(); // the keyboard back from the folder dialog, also without a window manager
    if (!chosen) {
        drDrive->setFocus();
        return;
    }
    const QString folder = QDir::cleanPath(dialog.selectedFiles().constFirst());
    int index = drDrive->findData(folder);
    if (index < 0) {
        DataVolume picked;
        picked.path = folder;
        drDrive->addItem(VolumeDisplayText(picked), folder);
        index = drDrive->count() - 1;
    }
    drDrive->setCurrentIndex(index);
    drDrive_Change();
    cmdDone->setFocus();
}

void frmDriveSelect::cmdhelp_Click() {
    MsgBox(QStringLiteral("Use the dropdown box to select the drive that the data disk\n"
                          "or USB Flash Drive is in. Removable drives come first, by label\n"
                          "and size; Browse... picks any other folder."),
           vbOKOnly, AppTitle());
}

void frmDriveSelect::cmdDone_Click() {
    if (SelectedDrive.isEmpty()) {
        MsgBox(QStringLiteral("No drive has been chosen. Choose one in the list or press Browse... to pick "
                              "a folder, then press Done."),
               vbOKOnly | vbExclamation, AppTitle());
        drDrive->setFocus();
        return;
    }
    accept();
}

void frmDriveSelect::Cancel() {
    Cancelled = true;
    SelectedDrive.clear();
    reject();
}

bool frmDriveSelect::CloseBox_Click() {
    Cancel();
    return false;
}

void frmDriveSelect::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        Cancel();
        return;
    }
    TarvosDialog::keyPressEvent(event);
}
