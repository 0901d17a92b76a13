#pragma once
// "Entry Method": how a new client's answers are obtained; the chosen way then leads the whole
// registration (client information, court history, then the answers).
#include "shell/qt/TarvosDialog.h"

class QGroupBox;

class frmSelectEntryMethod : public TarvosDialog {
    Q_OBJECT
public:
    explicit frmSelectEntryMethod(QWidget* parent = nullptr);

    QGroupBox* fraSelectMethod;
    QFrame* frBlank;

    void Form_Activate() override;
    void cmdMenuChoice_Click(int index) override;
    void cmdMenuChoice_GotFocus(int index) override;

private:
    bool m_choosing = false;
};
