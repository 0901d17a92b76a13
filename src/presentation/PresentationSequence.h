#pragma once
// What the onscreen test shows, says and stores, step by step, without the widgets: the general and
// section instructions, the 149 items, the end-of-part notes and the closing message, going back with
// F10 and leaving with Alt+Shift+F10. The window forwards its key and focus events here and carries
// out the calls this makes on its PresentationView, in order.
//
// Focus: the window's own focus changes (Tab, arrows, a click) reach QuestionFocused or AnswerFocused.
// A focus change this sequence orders takes effect through PresentationView::FocusQuestion and then
// runs the same steps here, after the item it concerns is on screen, so every voice belongs to what
// is shown.
#include "presentation/QuestionDatabase.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

class PresentationView {
public:
    virtual ~PresentationView() = default;
    // Fills the question and answer frames with `item` (answers whose text is absent hidden).
    virtual void SetItem(const ItemRecord& item) = 0;
    // Shows instruction text `which` (0 general, 1..3 the sections) in place of the item and gives it
    // the focus.
    virtual void ShowInstructions(int which, const std::string& text) = 0;
    // Shows the question and answer frames in place of the instructions.
    virtual void ShowQuestions() = 0;
    // Hides both, while a note is shown.
    virtual void HideAll() = 0;
    // Gives the question the focus (the voice is asked for separately).
    virtual void FocusQuestion() = 0;
    virtual void SetStatus(const std::string& text) = 0;
    virtual void PlayAudio(const std::string& name) = 0;
    virtual void StopAudio() = 0;
    // A note the client confirms with Enter (modal).
    virtual void ShowNote(const std::string& title, const std::string& text) = 0;
    virtual void Beep() = 0;
    // The test is complete: store `responses` (149 codes "1".."5") and close.
    virtual void Finish(const std::string& responses) = 0;
    // Alt+Shift+F10: close at once, storing nothing.
    virtual void Leave() = 0;
};

class PresentationSequence {
public:
    enum class Screen { None, Instructions, Questions, Closed };

    // `items`: the checked item table of `language`, 149 records with IDs 1..149 in order.
    PresentationSequence(PresentationView& view, std::vector<ItemRecord> items, std::string language);

    // Loading: item 1 behind the instructions, no answers yet.
    void Load();
    // The window's first showing: the general instructions and their voice. Later calls do nothing.
    void Activate(bool audioOn);

    // Enter or Tab on the instruction text.
    void InstructionsKey();
    void InstructionsFocused();
    void QuestionFocused();
    void AnswerFocused(int index);
    // The client chose answer `index` (0..4) of the item on screen.
    void Choose(int index);
    // F10.
    void Back();
    // Alt+Shift+F10.
    void Leave();

    Screen Shown() const { return m_shown; }
    int InstructionsShown() const { return m_instructions; }
    // The item on screen or behind the instructions; null before loading.
    const ItemRecord* CurrentItem() const;
    int PresentedAnswer(int item) const { return m_answers.at(static_cast<std::size_t>(item)); }
    const std::string& Language() const { return m_language; }

private:
    void GetNextQuestion();
    void TestInstructions(int which);
    void GiveQuestionFocus();
    void EndNote(const std::string& text);

    PresentationView& m_view;
    std::vector<ItemRecord> m_items;
    std::string m_language;
    std::array<std::int16_t, ItemCount + 1> m_answers{};
    long m_record = -1; // index into m_items; -1 before the first record
    int m_itemCounter = 0;
    bool m_firstQuestion = true;
    bool m_goingBack = false;
    bool m_instructionsPending = false;
    bool m_activated = false;
    bool m_audioOn = false;
    Screen m_shown = Screen::None;
    int m_instructions = -1; // the instruction text shown, -1 when none
};
