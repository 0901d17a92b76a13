#pragma once
// "Question Presentation": the client takes the 149-item test alone, by keyboard, hearing every
// instruction, item and answer. The window fills the screen; the only ways out are completing the test
// and Alt+Shift+F10. What it shows and says is decided by PresentationSequence; the window carries it
// out and forwards its keys and focus changes there.
#include "shell/qt/TarvosDialog.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

class QGroupBox;
class QLabel;
class QKeyEvent;
class QPlainTextEdit;
class PresentationSequence;
struct ItemRecord;

class frmPresentQA : public TarvosDialog {
    Q_OBJECT
public:
    // `items`: the checked item table of `language`; the answers go to the current client's slot.
    frmPresentQA(QWidget* parent, const std::string& language, std::vector<ItemRecord> items);
    ~frmPresentQA() override;

    const std::string Language;

    QGroupBox* fraInstructions;
    QPlainTextEdit* txtInstructions;
    QFrame* frQandA;
    QGroupBox* fraQuestions;
    QPlainTextEdit* txtQuestion;
    QGroupBox* fraAnswer;
    std::array<QLabel*, 5> txtButtonText;

    bool AudioOn() const;
    // True once the answers were stored in the client file.
    bool Completed() const { return m_completed; }
    const PresentationSequence& Sequence() const;

    void Form_Activate() override;
    void cmdMenuChoice_Click(int index) override;
    void cmdMenuChoice_GotFocus(int index) override;
    void cmdMenuChoice_LostFocus(int index) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    class View; // carries out the sequence's steps on this window

    bool WindowKey(const QKeyEvent* key);
    void PaintQuestion(bool focused);
    void SetAnswerBold(int index, bool bold);
    // Runs a step of the sequence; focus changes it causes run no steps of their own.
    template <class Step> void Run(Step step);
    // A focus change made by the client (not by the sequence, not a re-activation of the window).
    bool ClientsFocusChange(const QEvent* event) const;

    std::unique_ptr<View> m_view;
    bool m_inStep = false;
    bool m_completed = false;
};
