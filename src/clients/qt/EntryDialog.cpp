#include "clients/qt/EntryDialog.h"

#include "shell/RunState.h"
#include "shell/qt/MsgPanel.h"
#include "shell/qt/WindowHelpers.h"

#include <QBoxLayout>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <QTimer>

bool IsEnterKey(const QKeyEvent* key) {
    return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}

EntryDialog::EntryDialog(QWidget* parent, const QString& name, const QString& title) : QDialog(parent) {
    setObjectName(name);
    setWindowTitle(title);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint);
    setModal(true);
    msgPanel = new MsgPanel(this);
}

void EntryDialog::MakeButtons(QWidget* parent, QBoxLayout* layout, const QString& ok, const QString& cancel) {
    const QString captions[2] = {ok, cancel};
    for (int i = 0; i < 2; ++i) {
        auto mc = MakeMenuChoice(parent, i, captions[i], this, [this](int k) { cmdMenuChoice_Click(k); });
        sspMenuChoice[static_cast<std::size_t>(i)] = mc.ssp;
        cmdMenuChoice[static_cast<std::size_t>(i)] = mc.cmd;
        layout->addWidget(mc.ssp);
    }
}

void EntryDialog::Finish(bool proceed) {
    m_finishing = true;
    Proceed = proceed;
    done(proceed ? QDialog::Accepted : QDialog::Rejected);
}

bool EntryDialog::ButtonEvent(QObject* watched, QEvent* event) {
    for (int i = 0; i < 2; ++i) {
        if (watched != cmdMenuChoice[static_cast<std::size_t>(i)])
            continue;
        if (event->type() == QEvent::FocusIn)
            cmdMenuChoice_GotFocus(i);
        else if (event->type() == QEvent::FocusOut)
            ResetMenuChoices(this, 1);
        return true;
    }
    return false;
}

void ActivateOpener(QWidget* dialog) {
    if (QWidget* opener = dialog->parentWidget(); opener && opener->window()->isVisible())
        opener->window()->activateWindow();
}

void EntryDialog::done(int result) {
    QDialog::done(result);
    ActivateOpener(this);
}

void EntryDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!m_activated) {
        m_activated = true;
        QTimer::singleShot(0, this, [this] { Form_Activate(); });
    }
}

void EntryDialog::closeEvent(QCloseEvent* event) {
    event->ignore();
    if (!m_finishing)
        cmdMenuChoice_Click(1);
}

void EntryDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape || IsEnterKey(event))
        return;
    QDialog::keyPressEvent(event);
}
