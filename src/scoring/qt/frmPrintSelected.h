#pragma once
#include "shell/qt/TarvosDialog.h"

class QFrame;
class QGroupBox;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

// The clients' list from which staff pick the reports to print; printing closes the window.
class frmPrintSelected : public TarvosDialog {
    Q_OBJECT
public:
    explicit frmPrintSelected(QWidget* parent = nullptr);

    void Form_Activate() override;
    void FillClientList();
    void UpdatePrintButton();
    void cmdMenuChoice_Click(int index) override;
    void cmdMenuChoice_GotFocus(int index) override;
    void lbNameDisplay_GotFocus();
    void lbNameDisplay_LostFocus();

    QFrame* fraAll;
    QPlainTextEdit* txtInstructions;
    QGroupBox* fraClient;
    QListWidget* lbNameDisplay;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// The help text of the window, lines separated by CR LF, the last one too.
extern const char* const PrintSelectedInstructions;
