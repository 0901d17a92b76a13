#pragma once
// The base of every dialog of the program. It holds the window rules once: Esc has no meaning unless
// a window gives it one, the close box presses the window's cancel button or does nothing where the
// window offers no way out, push buttons are never auto-default, menu buttons light their panel up
// while they have the focus, the activation steps run once when the window first shows, the window is
// centred when it first shows, and the keyboard goes back to the opener when it closes.
#include "shell/qt/WindowHelpers.h"

#include <QDialog>
#include <vector>

class MsgPanel;
class QBoxLayout;

class TarvosDialog : public QDialog {
    Q_OBJECT
public:
    // SetCancelChoice(NoWayOut): the close box does nothing.
    static constexpr int NoWayOut = -1;

    // The menu buttons and their panels, by index, as AddMenuChoice made them.
    std::vector<QFrame*> sspMenuChoice;
    std::vector<QPushButton*> cmdMenuChoice;
    // The status panel, once AddStatusPanel made it.
    MsgPanel* msgPanel = nullptr;

    // A press of menu button `index` (click, Enter or Space). Nothing by default.
    virtual void cmdMenuChoice_Click(int index);
    // The focus enters button `index`: its panel lights up. A window adds its status line.
    virtual void cmdMenuChoice_GotFocus(int index);
    // The focus leaves a button: every panel back to normal.
    virtual void cmdMenuChoice_LostFocus(int index);
    // The activation steps. They run once, just after the window first shows, or on every activation
    // of the window (after a message box too) when SetActivationRepeats(true) was called.
    virtual void Form_Activate();

    // Every panel blue with a normal caption; HighlightMenuChoice then lights panel `index` up.
    void ResetMenuChoices();
    void HighlightMenuChoice(int index);

protected:
    TarvosDialog(QWidget* parent, const QString& name, const QString& title = {});

    // Makes menu button `index` on its panel in `parent`, wired to the handlers above.
    MenuChoice AddMenuChoice(QWidget* parent, int index, const QString& caption);
    // Makes menu buttons 0, 1, ... with `captions` in `parent`, adds their panels to `layout` and chains
    // them in the tab order.
    void AddMenuChoices(QWidget* parent, QBoxLayout* layout, const QStringList& captions);
    // Makes the status panel at the end of `layout`.
    void AddStatusPanel(QBoxLayout* layout);
    // The close box presses menu button `index`; NoWayOut (the default) makes it do nothing.
    void SetCancelChoice(int index);
    void SetActivationRepeats(bool repeats);
    // The close box, or close(), on a window that is not finishing. The default presses the cancel
    // choice and keeps the window open for it to decide; returning true lets the window close as it is.
    virtual bool CloseBox_Click();
    // Sets Proceed and closes the window: Accepted when `proceed`, otherwise Rejected.
    void Finish(bool proceed);

    void setVisible(bool visible) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void done(int result) override;

private:
    int MenuChoiceIndex(QObject* watched) const;

    int m_cancelChoice = NoWayOut;
    bool m_repeatActivation = false;
    bool m_loaded = false;
    bool m_activated = false;
    bool m_finishing = false;
};

// Gives the keyboard back to the window that opened `dialog` once it has closed; a bare X server
// without a window manager would leave no window active.
void ActivateOpener(QWidget* dialog);
