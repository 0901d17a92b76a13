#pragma once
// What the registration windows share: two menu buttons (OK and cancel) on their panels, the help
// panel, Esc without meaning, the close box acting as the cancel button, and the activation steps
// run once the window is first shown.
#include <QDialog>
#include <array>

class QBoxLayout;
class QFrame;
class QPushButton;
class MsgPanel;

class EntryDialog : public QDialog {
    Q_OBJECT
public:
    std::array<QFrame*, 2> sspMenuChoice{};
    std::array<QPushButton*, 2> cmdMenuChoice{};
    MsgPanel* msgPanel = nullptr;

    virtual void cmdMenuChoice_Click(int index) = 0;
    virtual void cmdMenuChoice_GotFocus(int index) = 0;
    virtual void Form_Activate() = 0;

protected:
    EntryDialog(QWidget* parent, const QString& name, const QString& title);
    // Makes buttons 0 and 1 in `parent` and adds their panels to `layout`.
    void MakeButtons(QWidget* parent, QBoxLayout* layout, const QString& ok, const QString& cancel);
    // Sets Proceed and closes the window.
    void Finish(bool proceed);
    // Focus events of the two buttons; true when `watched` is one of them.
    bool ButtonEvent(QObject* watched, QEvent* event);

    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void done(int result) override;

private:
    bool m_activated = false;
    bool m_finishing = false;
};

bool IsEnterKey(const QKeyEvent* key);
// Gives the keyboard back to the window that opened `dialog` once it has closed; a bare X server
// without a window manager would leave no window active.
void ActivateOpener(QWidget* dialog);
