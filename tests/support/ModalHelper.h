#pragma once
// Drives nested modal windows in tests. Arm WhenModal before the key that opens the window: once a
// modal widget of the wanted type is shown and active, the action runs inside its event loop. When it
// does not appear in time, the test fails and every modal widget is hidden so no exec() hangs.
#include <QApplication>
#include <QWidget>
#include <functional>

void WhenModalWidget(const char* what, std::function<bool(QWidget*)> matches,
                     std::function<void(QWidget*)> action, int timeoutMs);

template <class T> void WhenModal(std::function<void(T*)> action, int timeoutMs = 5000) {
    WhenModalWidget(
        T::staticMetaObject.className(), [](QWidget* w) { return qobject_cast<T*>(w) != nullptr; },
        [action](QWidget* w) { action(static_cast<T*>(w)); }, timeoutMs);
}

// A key click to the widget that has the keyboard focus, as a user's key would go.
void KeyToFocus(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// Types text into the focused widget, one key event per character.
void TypeToFocus(const QString& text);
// Hides every modal widget so their exec() calls return (cleanup after a failed test).
void CloseAllModals();
