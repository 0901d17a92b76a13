#include "presentation/qt/frmPresentQA.h"

#include "platform/QtAudioDevice.h"
#include "presentation/PresentationAudio.h"
#include "presentation/PresentationSequence.h"
#include "presentation/PresentationTexts.h"
#include "presentation/qt/StoreTestAnswers.h"
#include "shell/RunState.h"
#include "shell/qt/Cp1252.h"
#include "shell/qt/MsgBox.h"
#include "shell/qt/MsgPanel.h"
#include "shell/qt/WindowHelpers.h"

#include <QFocusEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace {
constexpr int LastAnswer = 4;

// Item and answer texts: at least 16 pt, larger on larger screens.
qreal TextPoints(const QWidget* window) {
    const QScreen* screen = window->screen();
    const int height = screen ? screen->availableGeometry().height() : 768;
    return std::max<qreal>(16.0, height / 48.0);
}

void SetPoints(QWidget* w, qreal points, bool bold = false) {
    QFont f = w->font();
    f.setPointSizeF(points);
    f.setBold(bold);
    w->setFont(f);
}
} // namespace

class frmPresentQA::View : public PresentationView {
public:
    View(frmPresentQA& window, const std::string& language, std::vector<ItemRecord> items)
        : w(window), device(NewAudioDevice()), audio(*device, SoundPath, language),
          sequence(*this, std::move(items), language) {}

    void SetItem(const ItemRecord& item) override;
    void ShowInstructions(int which, const std::string& text) override;
    void ShowQuestions() override;
    void HideAll() override;
    void FocusQuestion() override;
    void SetStatus(const std::string& text) override;
    void PlayAudio(const std::string& name) override { audio.PlayAudio(name); }
    void StopAudio() override { audio.StopAudio(); }
    void ShowNote(const std::string& title, const std::string& text) override;
    void Beep() override { ::Beep(); }
    void Finish(const std::string& responses) override;
    void Leave() override { w.done(QDialog::Rejected); }

    frmPresentQA& w;
    std::unique_ptr<AudioDevice> device;
    PresentationAudio audio;
    PresentationSequence sequence;
};

frmPresentQA::frmPresentQA(QWidget* parent, const std::string& language, std::vector<ItemRecord> items)
    : TarvosDialog(parent, QStringLiteral("frmPresentQA"), QStringLiteral("Question Presentation")),
      Language(language), m_view(std::make_unique<View>(*this, language, std::move(items))) {
    setWindowState(windowState() | Qt::WindowMaximized);
    setAccessibleName(QStringLiteral("Question Presentation"));
    setAccessibleDescription(QStringLiteral("The test: each statement with its answers, read aloud."));
    const qreal points = TextPoints(this);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(40, 30, 40, 10);
    outer->addStretch(1);

    fraInstructions = new QGroupBox(QStringLiteral("Instructions"), this);
    fraInstructions->setObjectName(QStringLiteral("fraInstructions"));
    auto* instructionsLayout = new QVBoxLayout(fraInstructions);
    txtInstructions = new QPlainTextEdit(fraInstructions);
    txtInstructions->setObjectName(QStringLiteral("txtInstructions"));
    txtInstructions->setReadOnly(true);
    txtInstructions->setTextInteractionFlags(Qt::TextSelectableByKeyboard);
    txtInstructions->setAccessibleName(QStringLiteral("Instructions"));
    SetPoints(txtInstructions, points);
    txtInstructions->setMinimumHeight(static_cast<int>(points * 22));
    instructionsLayout->addWidget(txtInstructions);
    outer->addWidget(fraInstructions, 4);

    frQandA = new QFrame(this);
    frQandA->setObjectName(QStringLiteral("frQandA"));
    auto* qa = new QVBoxLayout(frQandA);
    fraQuestions = new QGroupBox(QStringLiteral("Question"), frQandA);
    fraQuestions->setObjectName(QStringLiteral("fraQuestions"));
    auto* questionLayout = new QVBoxLayout(fraQuestions);
    txtQuestion = new QPlainTextEdit(fraQuestions);
    txtQuestion->setObjectName(QStringLiteral("txtQuestion"));
    txtQuestion->setReadOnly(true);
    txtQuestion->setTextInteractionFlags(Qt::NoTextInteraction);
    txtQuestion->setFocusPolicy(Qt::StrongFocus);
    txtQuestion->setTabChangesFocus(true);
    txtQuestion->setAccessibleName(QStringLiteral("Question"));
    SetPoints(txtQuestion, points);
    txtQuestion->setFixedHeight(static_cast<int>(points * 6));
    questionLayout->addWidget(txtQuestion);
    qa->addWidget(fraQuestions);

    fraAnswer = new QGroupBox(QStringLiteral("Choose Answer"), frQandA);
    fraAnswer->setObjectName(QStringLiteral("fraAnswer"));
    auto* answers = new QVBoxLayout(fraAnswer);
    for (int i = 0; i <= LastAnswer; ++i) {
        MenuChoice mc = AddMenuChoice(fraAnswer, i, QString());
        // The answer text lies over the button and covers its caption; a click on it is a click on
        // the button.
        auto* text = new QLabel(mc.cmd);
        text->setObjectName(QStringLiteral("txtButtonText_%1").arg(i));
        text->setWordWrap(true);
        text->setAttribute(Qt::WA_TransparentForMouseEvents);
        SetPoints(text, points);
        auto* inside = new QHBoxLayout(mc.cmd);
        inside->setContentsMargins(12, 4, 12, 4);
        inside->addWidget(text);
        mc.cmd->setMinimumHeight(static_cast<int>(points * 2.6));
        mc.cmd->installEventFilter(this); // the window sees F10 before the button's own keys
        txtButtonText[static_cast<std::size_t>(i)] = text;
        answers->addWidget(mc.ssp);
        setTabOrder(i == 0 ? static_cast<QWidget*>(txtQuestion)
                           : cmdMenuChoice[static_cast<std::size_t>(i - 1)],
                    mc.cmd);
    }
    qa->addWidget(fraAnswer);
    outer->addWidget(frQandA, 4);
    outer->addStretch(1);
    AddStatusPanel(outer);
    SetPoints(msgPanel, std::max<qreal>(12.0, points * 0.75));

    txtQuestion->installEventFilter(this);
    txtInstructions->installEventFilter(this);
    PaintQuestion(false);
    Run([this] { m_view->sequence.Load(); });
}

frmPresentQA::~frmPresentQA() = default;

bool frmPresentQA::AudioOn() const {
    return m_view->audio.AudioOn();
}

const PresentationSequence& frmPresentQA::Sequence() const {
    return m_view->sequence;
}

template <class Step> void frmPresentQA::Run(Step step) {
    const bool outer = !m_inStep;
    m_inStep = true;
    step();
    if (outer)
        m_inStep = false;
}

void frmPresentQA::Form_Activate() {
    TarvosDialog::Form_Activate();
    setWindowTitle(FromCp1252(TextsFor(Language).caption));
    m_view->audio.SetErrorHandler([this](int number, const std::string& description) {
        MsgBox(QStringLiteral("Error %1:").arg(number) + FromCp1252(description), vbOKOnly | vbCritical,
               QStringLiteral("Sound Error"));
    });
    m_view->audio.InitAudio();
    Run([this] { m_view->sequence.Activate(m_view->audio.AudioOn()); });
}

bool frmPresentQA::ClientsFocusChange(const QEvent* event) const {
    const auto reason = static_cast<const QFocusEvent*>(event)->reason();
    return !m_inStep && reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

void frmPresentQA::cmdMenuChoice_GotFocus(int index) {
    HighlightMenuChoice(index);
    SetAnswerBold(index, true);
}

void frmPresentQA::cmdMenuChoice_LostFocus(int index) {
    ResetMenuChoices();
    SetAnswerBold(index, false);
}

void frmPresentQA::cmdMenuChoice_Click(int index) {
    SetAnswerBold(index, false);
    Run([this, index] { m_view->sequence.Choose(index); });
}

bool frmPresentQA::WindowKey(const QKeyEvent* key) {
    if (key->key() != Qt::Key_F10)
        return false;
    const auto modifiers = key->modifiers() & (Qt::AltModifier | Qt::ShiftModifier | Qt::ControlModifier);
    if (modifiers == (Qt::AltModifier | Qt::ShiftModifier))
        Run([this] { m_view->sequence.Leave(); });
    else if (modifiers == Qt::NoModifier)
        Run([this] { m_view->sequence.Back(); });
    return true;
}

bool frmPresentQA::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && WindowKey(static_cast<QKeyEvent*>(event)))
        return true;
    if (watched == txtQuestion) {
        if (event->type() == QEvent::FocusIn) {
            PaintQuestion(true);
            ResetMenuChoices();
            if (ClientsFocusChange(event))
                Run([this] { m_view->sequence.QuestionFocused(); });
        } else if (event->type() == QEvent::FocusOut) {
            PaintQuestion(false);
        } else if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Tab || key == Qt::Key_Backtab)
                return false;
            if (key == Qt::Key_Down)
                cmdMenuChoice[0]->setFocus(Qt::TabFocusReason);
            return true; // the question cannot be edited
        }
        return false;
    }
    if (watched == txtInstructions) {
        if (event->type() == QEvent::FocusIn) {
            for (int i = 0; i <= LastAnswer; ++i)
                SetAnswerBold(i, false);
            if (ClientsFocusChange(event))
                Run([this] { m_view->sequence.InstructionsFocused(); });
        } else if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (IsEnterKey(static_cast<QKeyEvent*>(event)) || key == Qt::Key_Tab) {
                Run([this] { m_view->sequence.InstructionsKey(); });
                return true;
            }
            return key == Qt::Key_Backtab;
        }
        return false;
    }
    if (event->type() == QEvent::FocusIn) {
        for (int i = 0; i <= LastAnswer; ++i) {
            if (watched != cmdMenuChoice[static_cast<std::size_t>(i)] || !ClientsFocusChange(event))
                continue;
            const bool handled = TarvosDialog::eventFilter(watched, event);
            Run([this, i] { m_view->sequence.AnswerFocused(i); });
            return handled;
        }
    }
    return TarvosDialog::eventFilter(watched, event);
}

// A text box draws its text on the palette's Base colour, not the window colour.
void frmPresentQA::PaintQuestion(bool focused) {
    QPalette p = txtQuestion->palette();
    p.setColor(QPalette::Base, ColorFromBgr(focused ? PanelFocused : PanelNormal));
    p.setColor(QPalette::Text, ColorFromBgr(focused ? TextBlack : TextWhite));
    txtQuestion->setPalette(p);
}

void frmPresentQA::SetAnswerBold(int index, bool bold) {
    QLabel* text = txtButtonText[static_cast<std::size_t>(index)];
    QFont f = text->font();
    f.setBold(bold);
    text->setFont(f);
}

void frmPresentQA::View::SetItem(const ItemRecord& item) {
    const QString question = FromCp1252(std::to_string(item.ID) + ". " + item.TestQuestion);
    w.txtQuestion->setPlainText(question);
    w.txtQuestion->setAccessibleDescription(question);
    for (int i = 0; i <= LastAnswer; ++i) {
        const auto k = static_cast<std::size_t>(i);
        const bool shown = i < 2 || AnswerPresent(item.Answers[k]);
        const QString text = FromCp1252(item.Answers[k].value_or(""));
        w.txtButtonText[k]->setText(text);
        w.cmdMenuChoice[k]->setAccessibleName(QStringLiteral("Answer %1").arg(i + 1));
        w.cmdMenuChoice[k]->setAccessibleDescription(text);
        w.sspMenuChoice[k]->setVisible(shown);
    }
}

void frmPresentQA::View::ShowInstructions(int, const std::string& text) {
    w.frQandA->hide();
    w.fraInstructions->show();
    const QString shown = FromCp1252(text);
    w.txtInstructions->setPlainText(shown);
    w.txtInstructions->setAccessibleDescription(shown);
    w.txtInstructions->setFocus(Qt::OtherFocusReason);
}

void frmPresentQA::View::ShowQuestions() {
    w.fraInstructions->hide();
    w.frQandA->show();
}

void frmPresentQA::View::HideAll() {
    w.fraInstructions->hide();
    w.frQandA->hide();
}

void frmPresentQA::View::FocusQuestion() {
    w.txtQuestion->setFocus(Qt::OtherFocusReason);
    w.PaintQuestion(true);
    w.ResetMenuChoices();
}

void frmPresentQA::View::SetStatus(const std::string& text) {
    w.msgPanel->setText(FromCp1252(text));
}

void frmPresentQA::View::ShowNote(const std::string& title, const std::string& text) {
    MsgBox(FromCp1252(text), vbOKOnly, FromCp1252(title));
}

void frmPresentQA::View::Finish(const std::string& responses) {
    if (StoreTestAnswers(responses)) {
        w.m_completed = true;
        w.TarvosDialog::Finish(true);
    } else {
        w.done(QDialog::Rejected);
    }
}
