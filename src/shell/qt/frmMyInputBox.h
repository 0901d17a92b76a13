#pragma once
#include "shell/qt/WindowHelpers.h"

#include <QDialog>
#include <array>
#include <cstdint>

class QLabel;
class QLineEdit;

// The program's own modal input box. The caller sets the title and the properties, runs exec(), then
// reads InputValue and Cancelled. "Information OK" never returns an empty value.
class frmMyInputBox : public QDialog {
    Q_OBJECT
public:
    explicit frmMyInputBox(QWidget* parent = nullptr);

    bool PasswordInput = false; // typed characters show as "*"
    int16_t InputLength = 0;    // the most characters txtInput takes; 0 = no limit
    QString HelpMessage;        // shown in lblHelpMsg
    QString InputValue;         // the accepted text; kept when the box is cancelled
    bool Cancelled = false;

    QLabel* lblHelpMsg;
    QLineEdit* txtInput;
    std::array<QFrame*, 2> sspMenuChoice;
    std::array<QPushButton*, 2> cmdMenuChoice;

    void Form_Load();
    void Form_Activate();
    void cmdMenuChoice_Click(int index);
    void cmdMenuChoice_GotFocus(int index);
    void cmdMenuChoice_LostFocus(int index);
    void txtInput_KeyPress(QKeyEvent* event);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};
