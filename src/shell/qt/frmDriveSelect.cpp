#include "shell/qt/frmDriveSelect.h"

#include "shell/qt/MsgBox.h"
#include "shell/qt/WindowHelpers.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
QString Describe(const DataVolume& v) {
    QString text = v.path;
    if (!v.label.isEmpty())
        text += QStringLiteral("  [%1]").arg(v.label);
    if (v.removable)
        text += QStringLiteral("  (removable)");
    return text;
}
} // namespace

frmDriveSelect::frmDriveSelect(QWidget* parent)
    : TarvosDialog(parent, QStringLiteral("frmDriveSelect"), QStringLiteral("Select Drive")) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 16, 18, 16);
    lblPrompt = new QLabel(
        QStringLiteral(" Choose the drive associated with the data disk. (Usually A: or F:)"), this);
    lblPrompt->setObjectName(QStringLiteral("lblPrompt"));
    layout->addWidget(lblPrompt);
    drDrive = new QComboBox(this);
    drDrive->setObjectName(QStringLiteral("drDrive"));
    drDrive->setMinimumWidth(380);
    layout->addWidget(drDrive);
    auto* buttons = new QHBoxLayout;
    cmdhelp = new QPushButton(QStringLiteral("Help"), this);
    cmdhelp->setObjectName(QStringLiteral("cmdhelp"));
    cmdDone = new QPushButton(QStringLiteral("Done"), this);
    cmdDone->setObjectName(QStringLiteral("cmdDone"));
    for (QPushButton* b : {cmdhelp, cmdDone}) {
        ClickOnEnter(b);
        buttons->addWidget(b);
    }
    layout->addLayout(buttons);

    // Nothing is chosen at first, so every volume, the first one included, is one key away.
    for (const DataVolume& v : ListDataVolumes())
        drDrive->addItem(Describe(v), v.path);
    drDrive->setCurrentIndex(-1);
    connect(drDrive, &QComboBox::currentIndexChanged, this, [this] { drDrive_Change(); });
    connect(cmdhelp, &QPushButton::clicked, this, [this] { cmdhelp_Click(); });
    connect(cmdDone, &QPushButton::clicked, this, [this] { cmdDone_Click(); });
    setTabOrder(drDrive, cmdhelp);
    setTabOrder(cmdhelp, cmdDone);
    drDrive->setFocus();
    adjustSize();
}

void frmDriveSelect::drDrive_Change() {
    SelectedDrive = drDrive->currentData().toString();
}

void frmDriveSelect::cmdhelp_Click() {
    MsgBox(QStringLiteral("Use the dropdown box to select the drive that the floppy data \n"
                          "diskette or USB Flash Drive is in. Floppy drives are usually A: or\n"
                          "B: and USB drives are usually F: or G:"),
           vbOKOnly, AppTitle());
}

void frmDriveSelect::cmdDone_Click() {
    accept();
}

bool frmDriveSelect::CloseBox_Click() {
    cmdDone_Click();
    return false;
}
