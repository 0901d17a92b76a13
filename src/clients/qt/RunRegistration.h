#pragma once
// The one registration sequence of the windows: every way of registering or editing a client runs
// through RunRegistration, which opens client information, court history and the answer steps in
// the order and with the decisions of RegistrationSequence.
#include "clients/RegistrationSequence.h"
#include "shell/RunState.h"

#include <QDialog>
#include <functional>

// An answer step: opens its windows over `parent` for the current client and returns true only when
// they ended with their OK (for the last step: the record was stored). It starts with Proceed cleared.
using AnswerStep = std::function<bool(QWidget* parent)>;

// Opens `Window` modally as one step. Every way out of it but its OK (Esc, the close box, a cancel)
// counts as its cancel. RunModalStep<frmNewEntry> is the keyed answer step.
template <class Window> bool RunModalStep(QWidget* parent) {
    Window window(parent);
    return window.exec() == QDialog::Accepted && Proceed;
}

struct RegistrationSteps {
    // Runs before the client windows and fills the new client's slot (a scan); empty: none.
    AnswerStep answersFirst;
    // Runs after the court history: keyed answers, the onscreen test, or checking scanned answers.
    AnswerStep answers;
};

// Registers a new client or edits the current one. A new client on a full data disk gets the "Data Disk
// Full" message and nothing opens. Returns true when every step completed.
bool RunRegistration(QWidget* parent, RegistrationKind kind, const RegistrationSteps& steps);

// Shows the "Data Disk Full" message and returns true when a new client does not fit.
bool RefuseNewClientOnFullDisk();
