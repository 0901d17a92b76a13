#pragma once
// "Entry Method": how a new client's answers are obtained; the chosen way then leads the whole
// registration (client information, court history, then the answers).
#include <QDialog>
#include <array>

class QFrame;
class QGroupBox;
class QPushButton;
class MsgPanel;

class frmSelectEntryMethod : public QDialog {
    Q_OBJECT
public:
    explicit frmSelectEntryMethod(QWidget* parent = nullptr);

    QGroupBox* fraSelectMethod;
    QFrame* frBlank;
    std::array<QFrame*, 4> shpMenuChoice;
    std::array<QPushButton*, 4> cmdMenuChoice;
    ::MsgPanel* MsgPanel;

    void Form_Load();
    void Form_Activate();
    void ClearShpButtonColor(int lastIndex);
    void SetShpButtonColor(int lastIndex, int index);
    void cmdMenuChoice_Click(int index);
    void cmdMenuChoice_GotFocus(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void done(int result) override;

private:
    // Client information, court history and the response grid for the slot after the last record.
    void EnterFromAnswerSheet();

    bool m_activated = false;
    bool m_choosing = false;
};
