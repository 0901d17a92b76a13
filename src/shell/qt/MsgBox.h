#pragma once
// Every message of the program goes through MsgBox, so tests can record and answer each one.
#include <QString>
#include <functional>

enum MsgBoxStyle : int {
    vbOKOnly = 0,
    vbOKCancel = 1,
    vbAbortRetryIgnore = 2,
    vbYesNoCancel = 3,
    vbYesNo = 4,
    vbRetryCancel = 5,
    vbCritical = 16,
    vbQuestion = 32,
    vbExclamation = 48,
    vbInformation = 64,
    vbDefaultButton2 = 256
};
enum MsgBoxResult : int {
    vbOK = 1,
    vbCancel = 2,
    vbAbort = 3,
    vbRetry = 4,
    vbIgnore = 5,
    vbYes = 6,
    vbNo = 7
};

// Shows a modal message box with the buttons and icon of `buttonsAndIcon` and returns the button
// pressed. Afterwards the window that was active before is re-activated and gets its focus back.
// Esc and the close box answer Cancel where the box has a Cancel button (OK for an OK-only box) and
// do nothing otherwise.
int MsgBox(const QString& text, int buttonsAndIcon, const QString& title);

struct MsgBoxCall {
    QString text;
    int buttonsAndIcon;
    QString title;
};
using MsgBoxResponder = std::function<int(const MsgBoxCall&)>;
// Tests: answer boxes without showing them; an empty responder returns to real boxes.
void SetMsgBoxResponder(MsgBoxResponder responder);

// The application title, used by messages whose title is the program's own.
QString AppTitle();
