#include "shell/qt/TarvosDialog.h"

#include "shell/RunState.h"
#include "shell/qt/MsgPanel.h"

#include <QBoxLayout>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

TarvosDialog::TarvosDialog(QWidget* parent, const QString& name, const QString& title) : QDialog(parent) {
    setObjectName(name);
    setWindowTitle(title);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint);
    setModal(true);
}

void TarvosDialog::AddMenuChoices(QWidget* parent, QBoxLayout* layout, const QStringList& captions) {
    for (int i = 0; i < captions.size(); ++i) {
        MenuChoice mc = AddMenuChoice(parent, i, captions[i]);
        layout->addWidget(mc.ssp);
        if (i > 0)
            setTabOrder(cmdMenuChoice[static_cast<std::size_t>(i - 1)], mc.cmd);
    }
}

void TarvosDialog::AddStatusPanel(QBoxLayout* layout) {
    msgPanel = new MsgPanel(this);
    layout->addWidget(msgPanel);
}

MenuChoice TarvosDialog::AddMenuChoice(QWidget* parent, int index, const QString& caption) {
    MenuChoice mc = MakeMenuChoice(parent, index, caption, this, [this](int k) { cmdMenuChoice_Click(k); });
    const auto i = static_cast<std::size_t>(index);
    if (cmdMenuChoice.size() <= i) {
        cmdMenuChoice.resize(i + 1, nullptr);
        sspMenuChoice.resize(i + 1, nullptr);
    }
    cmdMenuChoice[i] = mc.cmd;
    sspMenuChoice[i] = mc.ssp;
    return mc;
}

void TarvosDialog::SetCancelChoice(int index) {
    m_cancelChoice = index;
}

void TarvosDialog::SetActivationRepeats(bool repeats) {
    m_repeatActivation = repeats;
}

void TarvosDialog::cmdMenuChoice_Click(int) {}

void TarvosDialog::cmdMenuChoice_GotFocus(int index) {
    HighlightMenuChoice(index);
}

void TarvosDialog::cmdMenuChoice_LostFocus(int) {
    ResetMenuChoices();
}

void TarvosDialog::Form_Activate() {
    ResetMenuChoices();
}

void TarvosDialog::ResetMenuChoices() {
    for (std::size_t i = 0; i < cmdMenuChoice.size(); ++i)
        PaintMenuChoice({sspMenuChoice[i], cmdMenuChoice[i]}, false);
}

void TarvosDialog::HighlightMenuChoice(int index) {
    ResetMenuChoices();
    const auto i = static_cast<std::size_t>(index);
    if (i < cmdMenuChoice.size())
        PaintMenuChoice({sspMenuChoice[i], cmdMenuChoice[i]}, true);
}

bool TarvosDialog::CloseBox_Click() {
    if (m_cancelChoice != NoWayOut)
        cmdMenuChoice_Click(m_cancelChoice);
    return false;
}

void TarvosDialog::Finish(bool proceed) {
    Proceed = proceed;
    done(proceed ? QDialog::Accepted : QDialog::Rejected);
}

void TarvosDialog::done(int result) {
    m_finishing = true;
    QDialog::done(result);
    m_finishing = false;
    ActivateOpener(this);
}

// The load: the buttons lose Qt's dialog habit of taking Enter, and the window is centred.
void TarvosDialog::setVisible(bool visible) {
    if (visible && !m_loaded) {
        m_loaded = true;
        for (QPushButton* b : findChildren<QPushButton*>()) {
            b->setAutoDefault(false);
            b->setDefault(false);
        }
        // Labels and menu buttons turn bold with the focus: their room is kept from the start.
        for (QWidget* w : findChildren<QWidget*>())
            if (w->objectName().startsWith(QLatin1String("lblInfo_")) ||
                w->objectName().startsWith(QLatin1String("cmdMenuChoice_")))
                ReserveBoldSize(w);
        if (windowState() & Qt::WindowMaximized) {
            // A window manager would do this; on a bare X server nothing else makes it fill the screen.
            if (const QScreen* s = screen())
                setGeometry(s->availableGeometry());
        } else {
            if (!testAttribute(Qt::WA_Resized))
                adjustSize();
            else
                resize(size().expandedTo(minimumSizeHint()));
            CenterForm(this);
        }
    }
    QDialog::setVisible(visible);
}

void TarvosDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!m_activated) {
        m_activated = true;
        QTimer::singleShot(0, this, [this] { Form_Activate(); });
    }
}

void TarvosDialog::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && m_repeatActivation && m_activated && isActiveWindow())
        Form_Activate();
    QDialog::changeEvent(event);
}

void TarvosDialog::closeEvent(QCloseEvent* event) {
    if (m_finishing || CloseBox_Click())
        QDialog::closeEvent(event);
    else
        event->ignore();
}

// Enter belongs to the focused control (the menu buttons click on it); Esc means nothing.
void TarvosDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape || IsEnterKey(event))
        return;
    QDialog::keyPressEvent(event);
}

int TarvosDialog::MenuChoiceIndex(QObject* watched) const {
    for (std::size_t i = 0; i < cmdMenuChoice.size(); ++i)
        if (watched == cmdMenuChoice[i])
            return static_cast<int>(i);
    return -1;
}

bool TarvosDialog::eventFilter(QObject* watched, QEvent* event) {
    if (const int i = MenuChoiceIndex(watched); i >= 0) {
        if (event->type() == QEvent::FocusIn)
            cmdMenuChoice_GotFocus(i);
        else if (event->type() == QEvent::FocusOut)
            cmdMenuChoice_LostFocus(i);
        return false;
    }
    return QDialog::eventFilter(watched, event);
}

void ActivateOpener(QWidget* dialog) {
    if (QWidget* opener = dialog->parentWidget(); opener && opener->window()->isVisible())
        opener->window()->activateWindow();
}
