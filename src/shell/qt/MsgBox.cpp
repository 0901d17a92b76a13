#include "shell/qt/MsgBox.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <vector>

namespace {
MsgBoxResponder g_responder;

struct ButtonSpec {
    QMessageBox::StandardButton button;
    int result;
};

std::vector<ButtonSpec> ButtonsOf(int style) {
    switch (style & 7) {
    case vbOKCancel:
        return {{QMessageBox::Ok, vbOK}, {QMessageBox::Cancel, vbCancel}};
    case vbAbortRetryIgnore:
        return {
            {QMessageBox::Abort, vbAbort}, {QMessageBox::Retry, vbRetry}, {QMessageBox::Ignore, vbIgnore}};
    case vbYesNoCancel:
        return {{QMessageBox::Yes, vbYes}, {QMessageBox::No, vbNo}, {QMessageBox::Cancel, vbCancel}};
    case vbYesNo:
        return {{QMessageBox::Yes, vbYes}, {QMessageBox::No, vbNo}};
    case vbRetryCancel:
        return {{QMessageBox::Retry, vbRetry}, {QMessageBox::Cancel, vbCancel}};
    default:
        return {{QMessageBox::Ok, vbOK}};
    }
}

QMessageBox::Icon IconOf(int style) {
    switch (style & 0x70) {
    case vbCritical:
        return QMessageBox::Critical;
    case vbQuestion:
        return QMessageBox::Question;
    case vbExclamation:
        return QMessageBox::Warning;
    case vbInformation:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

// Esc and the close box act only where the box offers a way out.
class EscapeFilter : public QObject {
public:
    explicit EscapeFilter(bool allowed) : m_allowed(allowed) {}
    bool eventFilter(QObject*, QEvent* event) override {
        if (m_allowed)
            return false;
        if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape)
            return true;
        if (event->type() == QEvent::Close) {
            event->ignore();
            return true;
        }
        return false;
    }

private:
    bool m_allowed;
};
} // namespace

QString AppTitle() {
    return QStringLiteral("Tarvos");
}

void SetMsgBoxResponder(MsgBoxResponder responder) {
    g_responder = std::move(responder);
}

int MsgBox(const QString& text, int buttonsAndIcon, const QString& title) {
    if (g_responder)
        return g_responder(MsgBoxCall{text, buttonsAndIcon, title});

    QPointer<QWidget> previous = QApplication::activeWindow();
    QPointer<QWidget> previousFocus = previous ? previous->focusWidget() : nullptr;

    QMessageBox box(IconOf(buttonsAndIcon), title, text, QMessageBox::NoButton, previous);
    const auto buttonList = ButtonsOf(buttonsAndIcon);
    std::vector<std::pair<QAbstractButton*, int>> buttons;
    QAbstractButton* escape = nullptr;
    for (const auto& s : buttonList) {
        QAbstractButton* b = box.addButton(s.button);
        buttons.emplace_back(b, s.result);
        if (s.result == vbCancel || buttonList.size() == 1)
            escape = b;
    }
    const std::size_t defaultIndex = (buttonsAndIcon & vbDefaultButton2) && buttonList.size() > 1 ? 1 : 0;
    box.setDefaultButton(qobject_cast<QPushButton*>(buttons[defaultIndex].first));
    if (escape)
        box.setEscapeButton(escape);
    EscapeFilter filter(escape != nullptr);
    box.installEventFilter(&filter);
    box.exec();

    // A box closed without a click (the close box) answers with its escape button.
    QAbstractButton* clicked = box.clickedButton() ? box.clickedButton() : escape;
    int result = buttonList.front().result;
    for (const auto& [b, r] : buttons)
        if (clicked == b)
            result = r;

    if (previous && previous->isVisible()) {
        previous->activateWindow();
        if (previousFocus)
            previousFocus->setFocus(Qt::ActiveWindowFocusReason);
    }
    return result;
}
