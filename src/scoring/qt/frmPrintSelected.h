#pragma once
#include <QDialog>
#include <array>

class MsgPanel;
class QFrame;
class QGroupBox;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

// The clients' list from which staff pick the reports to print; printing closes the window.
class frmPrintSelected : public QDialog {
    Q_OBJECT
public:
    explicit frmPrintSelected(QWidget* parent = nullptr);

    void Form_Load();
    void Form_Activate();
    void FillClientList();
    void UpdatePrintButton();
    void cmdMenuChoice_Click(int index);
    void cmdMenuChoice_GotFocus(int index);
    void cmdMenuChoice_LostFocus(int index);
    void lbNameDisplay_GotFocus();
    void lbNameDisplay_LostFocus();

    QFrame* fraAll;
    QPlainTextEdit* txtInstructions;
    std::array<QFrame*, 3> sspMenuChoice;
    std::array<QPushButton*, 3> cmdMenuChoice;
    QGroupBox* fraClient;
    QListWidget* lbNameDisplay;
    ::MsgPanel* MsgPanel;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool m_filled = false;
};

// The help text of the window, lines separated by CR LF, the last one too.
extern const char* const PrintSelectedInstructions;
