#include "presentation/PresentationSequence.h"

#include "clients/ClientFile.h"
#include "presentation/PresentationTexts.h"

namespace {
std::string InstructionAudio(int which) {
    return "Inst" + std::to_string(which) + ".wav";
}
} // namespace

PresentationSequence::PresentationSequence(PresentationView& view, std::vector<ItemRecord> items,
                                           std::string language)
    : m_view(view), m_items(std::move(items)), m_language(std::move(language)) {}

const ItemRecord* PresentationSequence::CurrentItem() const {
    if (m_record < 0 || m_record >= static_cast<long>(m_items.size()))
        return nullptr;
    return &m_items[static_cast<std::size_t>(m_record)];
}

void PresentationSequence::Load() {
    m_firstQuestion = true;
    m_goingBack = false;
    GetNextQuestion();
    m_answers.fill(0);
    m_view.HideAll();
    m_shown = Screen::None;
}

void PresentationSequence::Activate(bool audioOn) {
    if (m_activated || m_shown == Screen::Closed)
        return;
    m_activated = true;
    m_audioOn = audioOn;
    m_instructionsPending = true;
    TestInstructions(0);
    m_view.PlayAudio(InstructionAudio(0));
}

void PresentationSequence::TestInstructions(int which) {
    m_shown = Screen::Instructions;
    m_instructions = which;
    m_view.ShowInstructions(which, InstructionText(which, m_language));
    InstructionsFocused();
}

void PresentationSequence::InstructionsFocused() {
    m_view.SetStatus(TextsFor(m_language).instructionsStatus);
}

void PresentationSequence::InstructionsKey() {
    if (m_shown != Screen::Instructions)
        return;
    m_shown = Screen::Questions;
    m_instructions = -1;
    m_view.ShowQuestions();
    if (m_instructionsPending) {
        m_instructionsPending = false;
        TestInstructions(1);
        m_view.PlayAudio(InstructionAudio(1));
        return;
    }
    m_view.SetStatus(TextsFor(m_language).questionStatus);
    GiveQuestionFocus();
}

void PresentationSequence::GiveQuestionFocus() {
    if (m_shown == Screen::Questions)
        m_view.FocusQuestion();
    QuestionFocused();
}

void PresentationSequence::QuestionFocused() {
    if (m_shown == Screen::Instructions)
        InstructionsFocused(); // the instructions keep the focus while they are shown
    if (m_shown != Screen::Questions)
        return;
    m_view.SetStatus(TextsFor(m_language).questionStatus);
    m_view.PlayAudio(AudioRequestName(CurrentItem()->QuestionAudio));
}

void PresentationSequence::AnswerFocused(int index) {
    if (m_shown != Screen::Questions || index < 0 || index > 4)
        return;
    const PresentationTexts& texts = TextsFor(m_language);
    m_view.SetStatus(m_audioOn || IsSpanish(m_language) ? texts.answerStatus : texts.answerStatusSilent);
    m_view.PlayAudio(AudioRequestName(CurrentItem()->ChoiceAudio[static_cast<std::size_t>(index)]));
}

void PresentationSequence::EndNote(const std::string& text) {
    m_view.StopAudio();
    m_view.HideAll();
    m_shown = Screen::None;
    m_view.SetStatus("");
    m_view.ShowNote(TextsFor(m_language).noteTitle, text);
}

void PresentationSequence::Choose(int index) {
    if (m_shown != Screen::Questions || index < 0 || index > 4 ||
        !AnswerPresent(CurrentItem()->Answers[static_cast<std::size_t>(index)]))
        return;
    const int item = CurrentItem()->ID;
    m_answers[static_cast<std::size_t>(item)] = static_cast<std::int16_t>(index + 1);
    if (item == SectionBounds[1] || item == SectionBounds[2]) {
        EndNote(TextsFor(m_language).partCompleted);
        m_view.HideAll();
    } else if (item == SectionBounds[3]) {
        EndNote(TextsFor(m_language).testCompleted);
    }
    GetNextQuestion();
    // The focus goes to the question once the next item is on screen, so its voice is the one heard.
    if (item < SectionBounds[3] && m_shown != Screen::Closed)
        GiveQuestionFocus();
}

void PresentationSequence::GetNextQuestion() {
    if (m_firstQuestion) {
        m_itemCounter = 1;
        m_firstQuestion = false;
    } else {
        ++m_itemCounter;
    }
    if (m_itemCounter > ItemCount && !m_goingBack) {
        m_view.SetStatus("");
        std::string responses;
        for (int i = 1; i <= ItemCount; ++i)
            responses += std::to_string(m_answers[static_cast<std::size_t>(i)]).back();
        m_shown = Screen::Closed;
        m_view.Finish(responses);
        return;
    }
    m_shown = Screen::Questions;
    m_view.ShowQuestions();
    if (m_itemCounter > 1)
        ++m_record;
    else
        m_record = 0;
    m_itemCounter = CurrentItem()->ID;
    if (!m_goingBack) {
        for (int section : {2, 3}) {
            if (m_itemCounter != SectionBounds[static_cast<std::size_t>(section - 1)] + 1)
                continue;
            m_view.StopAudio();
            m_view.HideAll();
            TestInstructions(section);
            m_view.PlayAudio(InstructionAudio(section));
        }
    }
    m_view.SetItem(*CurrentItem());
}

void PresentationSequence::Back() {
    if (m_shown != Screen::Questions)
        return;
    if (m_record <= 0) {
        m_record = 0;
        m_view.Beep();
        return;
    }
    m_record -= 2;
    m_goingBack = true;
    GetNextQuestion();
    m_goingBack = false;
    GiveQuestionFocus();
}

void PresentationSequence::Leave() {
    if (m_shown == Screen::Closed)
        return;
    m_shown = Screen::Closed;
    m_view.StopAudio();
    m_view.Leave();
}
