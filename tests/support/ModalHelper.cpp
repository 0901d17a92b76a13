#include "support/ModalHelper.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <QtTest/QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {
struct Waiter {
    std::string what;
    std::function<bool(QWidget*)> matches;
    std::function<void(QWidget*)> action;
    int timeoutMs;
    QPointer<QWidget> ignore; // the modal widget already open when armed
    QElapsedTimer clock;
};

void Poll(std::shared_ptr<Waiter> waiter) {
    QWidget* w = QApplication::activeModalWidget();
    if (w && w != waiter->ignore && w->isVisible() && waiter->matches(w)) {
        if (w->isActiveWindow()) {
            waiter->action(w);
            return;
        }
        w->activateWindow();
    }
    if (waiter->clock.elapsed() > waiter->timeoutMs) {
        ADD_FAILURE() << "no modal " << waiter->what << " within " << waiter->timeoutMs << " ms";
        CloseAllModals();
        return;
    }
    QTimer::singleShot(10, [waiter] { Poll(waiter); });
}
} // namespace

void WhenModalWidget(const char* what, std::function<bool(QWidget*)> matches,
                     std::function<void(QWidget*)> action, int timeoutMs) {
    auto waiter = std::make_shared<Waiter>();
    waiter->what = what;
    waiter->matches = std::move(matches);
    waiter->action = std::move(action);
    waiter->timeoutMs = timeoutMs;
    waiter->ignore = QApplication::activeModalWidget();
    waiter->clock.start();
    QTimer::singleShot(10, [waiter] { Poll(waiter); });
}

static QWidget* Focus() {
    QWidget* focus = QApplication::focusWidget();
    if (!focus)
        ADD_FAILURE() << "no widget has the focus for a key";
    return focus;
}

void KeyToFocus(Qt::Key key, Qt::KeyboardModifiers modifiers) {
    if (QWidget* focus = Focus())
        QTest::keyClick(focus, key, modifiers);
}

void TypeToFocus(const QString& text) {
    for (QChar c : text)
        if (QWidget* focus = Focus())
            QTest::keyClicks(focus, QString(c));
}

void CloseAllModals() {
    for (int guard = 0; guard < 20; ++guard) {
        QWidget* w = QApplication::activeModalWidget();
        if (!w)
            break;
        w->hide();
        QApplication::processEvents();
    }
}
