#pragma once
#include "entry/Verification.h"

#include "shell/qt/TarvosDialog.h"

#include <memory>

class MsgPanel;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// Double-entry verification of the current client's answers: all items keyed again, then the
// differing items once more; the result is written to the client file.
class frmVerify : public TarvosDialog {
    Q_OBJECT
public:
    explicit frmVerify(QWidget* parent = nullptr);
    ~frmVerify() override;

    void Form_Load();
    void txtCurQuestion_KeyPress(QKeyEvent* event);
    void cmdCancel_Click();
    void cmdCancel_GotFocus();
    void cmdCancel_LostFocus();

    QGroupBox* frAll;
    QGroupBox* Frame2;
    QLineEdit* txtCurQuestion;
    QLabel* lblCurQuestion;
    QGroupBox* Frame1;
    QLineEdit* txtPrevQuestion;
    QLabel* lblPrevQuestion;
    QPushButton* cmdCancel;
    ::MsgPanel* pnlMessage;

    const Verification& state() const { return *m_verify; }

protected:
    bool CloseBox_Click() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void UpdateLabels();
    void EndOfPass();
    // Writes the record with `responses`; on failure memory keeps what the file has and the answers
    // stay in the window to be written again.
    bool WriteRecord(const std::string& responses);

    std::unique_ptr<Verification> m_verify;
    std::string m_unsaved; // answers whose write failed, waiting for Enter to try again
    bool m_saveFailed = false;
    QString m_doneText;
    QString m_doneTitle;
};
