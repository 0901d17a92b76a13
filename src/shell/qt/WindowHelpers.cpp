#include "shell/qt/WindowHelpers.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTextEdit>
#include <QTimer>
#include <QVBoxLayout>

namespace {
int g_beeps = 0;

QWidget* ActiveWindow() {
    if (QWidget* w = QApplication::activeModalWidget())
        return w;
    return QApplication::activeWindow();
}

void SetBold(QWidget* widget, bool bold) {
    if (!widget)
        return;
    QFont f = widget->font();
    if (f.bold() != bold) {
        f.setBold(bold);
        widget->setFont(f);
    }
}

class EnterClicks : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress)
            return false;
        if (!IsEnterKey(static_cast<QKeyEvent*>(event)))
            return false;
        static_cast<QPushButton*>(watched)->click();
        return true;
    }
};

// Gives a window shown, or the window below a dialog that closed, the keyboard.
class ActivateOnShow : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if ((event->type() != QEvent::Show && event->type() != QEvent::Hide) || !watched->isWidgetType())
            return false;
        auto* w = static_cast<QWidget*>(watched);
        const auto type = w->windowType();
        if (!w->isWindow() || (type != Qt::Window && type != Qt::Dialog))
            return false;
        QPointer<QWidget> target = w;
        if (event->type() == QEvent::Hide) {
            target = QApplication::activeModalWidget();
            if (!target && w->parentWidget())
                target = w->parentWidget()->window();
        }
        const bool shown = event->type() == QEvent::Show;
        QTimer::singleShot(0, qApp, [target, shown] {
            QWidget* active = QApplication::activeWindow();
            if (target && target->isVisible() && (shown || !active || !active->isVisible())) {
                target->raise();
                target->activateWindow();
            }
        });
        return false;
    }
};

// The key rules of a menu button.
class MenuButtonKeys : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
            return false;
        auto* button = static_cast<QPushButton*>(watched);
        const auto* key = static_cast<QKeyEvent*>(event);
        switch (key->key()) {
        case Qt::Key_Space:
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return false;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (event->type() == QEvent::KeyPress && !key->isAutoRepeat())
                button->click();
            return true;
        case Qt::Key_Up:
        case Qt::Key_Left:
        case Qt::Key_Down:
        case Qt::Key_Right:
            if (event->type() == QEvent::KeyPress && button->window()) {
                const bool next = key->key() == Qt::Key_Down || key->key() == Qt::Key_Right;
                QWidget* w = next ? button->nextInFocusChain() : button->previousInFocusChain();
                // Walk the chain to the next widget that takes keyboard focus.
                while (w && w != button &&
                       !(w->isEnabled() && w->isVisible() && (w->focusPolicy() & Qt::TabFocus)))
                    w = next ? w->nextInFocusChain() : w->previousInFocusChain();
                if (w && w != button)
                    w->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            }
            return true;
        default:
            return true;
        }
    }
};
} // namespace

QColor ColorFromBgr(unsigned bgr) {
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

void SetBackColor(QWidget* widget, unsigned bgr) {
    QPalette p = widget->palette();
    p.setColor(QPalette::Window, ColorFromBgr(bgr));
    widget->setPalette(p);
    widget->setAutoFillBackground(true);
}

void SetForeColor(QWidget* widget, unsigned bgr) {
    QPalette p = widget->palette();
    p.setColor(QPalette::WindowText, ColorFromBgr(bgr));
    widget->setPalette(p);
}

void CenterForm(QWidget* window) {
    QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    const QSize size = window->frameGeometry().size();
    window->move(area.left() + area.width() / 2 - size.width() / 2,
                 area.top() + area.height() / 2 - size.height() / 2);
}

bool InRange(int16_t value, int16_t low, int16_t high) {
    return low <= value && value <= high;
}

void BusyPointer() {
    if (QApplication::overrideCursor())
        QApplication::changeOverrideCursor(Qt::WaitCursor);
    else
        QApplication::setOverrideCursor(Qt::WaitCursor);
    QApplication::processEvents();
}

void NormalPointer() {
    while (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
    QApplication::processEvents();
}

namespace {
MenuChoice FindMenuChoice(QWidget* window, int index) {
    return {window->findChild<QFrame*>(QStringLiteral("sspMenuChoice_%1").arg(index)),
            window->findChild<QPushButton*>(QStringLiteral("cmdMenuChoice_%1").arg(index))};
}
} // namespace

void PaintMenuChoice(MenuChoice choice, bool lit) {
    if (choice.ssp)
        SetBackColor(choice.ssp, lit ? PanelFocused : PanelNormal);
    SetBold(choice.cmd, lit);
}

void ResetMenuChoices(QWidget* window, int lastIndex) {
    for (int i = 0; i <= lastIndex; ++i)
        PaintMenuChoice(FindMenuChoice(window, i), false);
}

void HighlightMenuChoice(QWidget* window, int lastIndex, int index) {
    ResetMenuChoices(window, lastIndex);
    PaintMenuChoice(FindMenuChoice(window, index), true);
}

void ResetLabels(QWidget* window, int lastIndex) {
    if (!window)
        return;
    for (int i = 0; i <= lastIndex; ++i)
        SetBold(window->findChild<QLabel*>(QStringLiteral("lblInfo_%1").arg(i)), false);
}

void HighlightLabel(QWidget* window, int lastIndex, int index) {
    ResetLabels(window, lastIndex);
    if (window)
        SetBold(window->findChild<QLabel*>(QStringLiteral("lblInfo_%1").arg(index)), true);
}

void ResetLabels(int lastIndex) {
    ResetLabels(ActiveWindow(), lastIndex);
}

void HighlightLabel(int lastIndex, int index) {
    HighlightLabel(ActiveWindow(), lastIndex, index);
}

void ReserveBoldSize(QWidget* widget) {
    const QFont normal = widget->font();
    QFont bold = normal;
    bold.setBold(true);
    widget->setFont(bold);
    const QSize boldSize = widget->sizeHint();
    widget->setFont(normal);
    widget->setMinimumSize(widget->minimumSize().expandedTo(boldSize));
}

void SelectAllText() {
    QWidget* focus = QApplication::focusWidget();
    if (auto* line = qobject_cast<QLineEdit*>(focus))
        line->selectAll();
    else if (auto* text = qobject_cast<QTextEdit*>(focus))
        text->selectAll();
    else if (auto* plain = qobject_cast<QPlainTextEdit*>(focus))
        plain->selectAll();
    else if (auto* spin = qobject_cast<QAbstractSpinBox*>(focus))
        spin->selectAll();
    else if (auto* combo = qobject_cast<QComboBox*>(focus); combo && combo->lineEdit())
        combo->lineEdit()->selectAll();
}

bool IsEnterKey(const QKeyEvent* key) {
    return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}

void Beep() {
    ++g_beeps;
    QApplication::beep();
}
int BeepCount() {
    return g_beeps;
}
void ResetBeepCount() {
    g_beeps = 0;
}

MenuChoice MakeMenuChoice(QWidget* parent, int index, const QString& caption) {
    auto* ssp = new QFrame(parent);
    ssp->setObjectName(QStringLiteral("sspMenuChoice_%1").arg(index));
    ssp->setFrameStyle(QFrame::Panel | QFrame::Raised);
    ssp->setLineWidth(1);
    SetBackColor(ssp, PanelNormal);
    auto* layout = new QVBoxLayout(ssp);
    layout->setContentsMargins(5, 5, 5, 5);
    auto* cmd = new QPushButton(caption, ssp);
    cmd->setObjectName(QStringLiteral("cmdMenuChoice_%1").arg(index));
    cmd->setAutoDefault(false);
    cmd->setDefault(false);
    cmd->setFocusPolicy(Qt::StrongFocus);
    cmd->setMinimumHeight(34);
    cmd->installEventFilter(new MenuButtonKeys(cmd));
    layout->addWidget(cmd);
    return {ssp, cmd};
}

MenuChoice MakeMenuChoice(QWidget* parent, int index, const QString& caption, QObject* window,
                          std::function<void(int)> onClick) {
    MenuChoice mc = MakeMenuChoice(parent, index, caption);
    mc.cmd->installEventFilter(window);
    QObject::connect(mc.cmd, &QPushButton::clicked, window,
                     [onClick = std::move(onClick), index] { onClick(index); });
    return mc;
}

void ClickOnEnter(QPushButton* button) {
    button->installEventFilter(new EnterClicks(button));
}

void ActivateWindowsWhenShown() {
    static ActivateOnShow* filter = nullptr;
    if (!filter) {
        filter = new ActivateOnShow(qApp);
        qApp->installEventFilter(filter);
    }
}

QGridLayout* AddFieldFrame(QWidget* parent, QBoxLayout* outer, QFrame*& frame, const char* name) {
    frame = new QFrame(parent);
    frame->setObjectName(QLatin1String(name));
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    outer->addWidget(frame);
    auto* grid = new QGridLayout(frame);
    grid->setContentsMargins(24, 18, 24, 18);
    grid->setHorizontalSpacing(14);
    return grid;
}

QLabel* NewBoldLabel(QWidget* parent, const char* name) {
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

QLabel* NewTitleLabel(QWidget* parent, double scale) {
    auto* title = new QLabel(QStringLiteral("Tarvos"), parent);
    QFont big = title->font();
    big.setPointSizeF(big.pointSizeF() * scale);
    big.setBold(true);
    title->setFont(big);
    return title;
}

void KeepListFontPlain(QWidget* list) {
    QFont plain = list->font();
    plain.setBold(false);
    list->setFont(plain);
}

void PaintListFrame(QWidget* frame, bool focused) {
    SetBackColor(frame, focused ? PanelFocused : PanelNormal);
    SetForeColor(frame, focused ? TextBlack : TextWhite);
    QFont f = frame->font();
    f.setBold(focused);
    frame->setFont(f);
}
