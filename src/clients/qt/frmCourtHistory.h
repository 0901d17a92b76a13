#pragma once
// "Court History": the ten court-history answers of the current client.
#include "clients/ClientRecord.h"
#include "shell/qt/TarvosDialog.h"

#include <array>

class QFrame;
class QLabel;
class QLineEdit;

class frmCourtHistory : public TarvosDialog {
    Q_OBJECT
public:
    explicit frmCourtHistory(QWidget* parent = nullptr);

    QFrame* frCourt;
    QLabel* lblClientName;
    std::array<QLabel*, CourtItemCount> lblInfo;
    // The ten fields in entry order (txtAgeAtFirstArrest .. txtPercentageTimeEmployed).
    std::array<QLineEdit*, CourtItemCount> txtItem;

    void Form_Load();
    void Form_Activate() override;
    void GetCourtData();
    void SaveCourtData();
    void cmdMenuChoice_Click(int index) override;
    void cmdMenuChoice_GotFocus(int index) override;
    // The Enter check of item k (1..10); a refused item shows its message and keeps the focus.
    bool CheckItem(int item);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ClientRecord m_slotAtLoad;
};
