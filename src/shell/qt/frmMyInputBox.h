#pragma once
#include "shell/qt/TarvosDialog.h"

#include <cstdint>

class QLabel;
class QLineEdit;

// The program's own modal input box. The caller sets the title and the properties, runs exec(), then
// reads InputValue and Cancelled. "Information OK" never returns an empty value. Every prompt starts
// empty: showing the box clears the field, InputValue and Cancelled, so a box shown again never hands
// back an earlier answer.
class frmMyInputBox : public TarvosDialog {
    Q_OBJECT
public:
    explicit frmMyInputBox(QWidget* parent = nullptr);

    bool PasswordInput = false; // typed characters show as "*"
    int16_t InputLength = 0;    // the most characters txtInput takes; 0 = no limit
    QString HelpMessage;        // shown in lblHelpMsg
    QString InputValue;         // the accepted text; empty when the box was cancelled
    bool Cancelled = false;

    QLabel* lblHelpMsg;
    QLineEdit* txtInput;

    void Form_Load();
    void Form_Activate() override;
    void cmdMenuChoice_Click(int index) override;
    void txtInput_KeyPress(QKeyEvent* event);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
};
