// The onscreen test's steps over whole runs: what is shown, which voice is asked for and when, the
// notes, going back with F10, leaving, and the answers stored.
#include "presentation/PresentationSequence.h"
#include "presentation/PresentationTexts.h"
#include "shell/Cp1252.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {
std::string Num(int n) {
    std::string s = std::to_string(n);
    return std::string(3 - s.size(), '0') + s;
}

// 149 items: two answers in section 1, four in sections 2 and 3; item 5 has answers 1, 2 and 4 only,
// item 150 - 1 has five. Item 3 has no voice of its own (Null stem).
std::vector<ItemRecord> Items() {
    std::vector<ItemRecord> items;
    for (int id = 1; id <= ItemCount; ++id) {
        ItemRecord r;
        r.ID = static_cast<std::int16_t>(id);
        r.TestQuestion = "Item " + std::to_string(id);
        if (id != 3)
            r.QuestionAudio = " Q" + Num(id) + " ";
        const int count = id == 149 ? 5 : id <= 108 ? 2 : 4;
        for (int a = 0; a < count; ++a) {
            r.Answers[static_cast<std::size_t>(a)] = "Answer " + std::to_string(a + 1);
            r.ChoiceAudio[static_cast<std::size_t>(a)] = "A" + Num(id) + "_" + std::to_string(a + 1);
        }
        if (id == 5) {
            r.Answers[2] = "";
            r.Answers[3] = "Answer 4";
            r.ChoiceAudio[3] = "A005_4";
        }
        items.push_back(r);
    }
    return items;
}

class Recorder : public PresentationView {
public:
    PresentationSequence* seq = nullptr;
    std::vector<std::string> log; // notes, instructions, sounds, beeps and the end, in order
    std::string status;
    std::string responses;
    std::vector<std::string> misplacedVoices;

    void SetItem(const ItemRecord&) override {}
    void ShowInstructions(int which, const std::string&) override {
        log.push_back("inst " + std::to_string(which));
    }
    void ShowQuestions() override {}
    void HideAll() override {}
    void FocusQuestion() override {}
    void SetStatus(const std::string& text) override { status = text; }
    void StopAudio() override { log.push_back("stop"); }
    void ShowNote(const std::string& title, const std::string& text) override {
        log.push_back("note " + title + ": " + text);
    }
    void Beep() override { log.push_back("beep"); }
    void Finish(const std::string& r) override {
        responses = r;
        log.push_back("finish");
    }
    void Leave() override { log.push_back("leave"); }
    // Every voice must belong to what is on screen at the moment it is asked for.
    void PlayAudio(const std::string& name) override {
        log.push_back(name);
        const ItemRecord* item = seq->CurrentItem();
        bool fits = false;
        if (seq->Shown() == PresentationSequence::Screen::Instructions)
            fits = name == "Inst" + std::to_string(seq->InstructionsShown()) + ".wav";
        else if (seq->Shown() == PresentationSequence::Screen::Questions && item) {
            fits = name == AudioRequestName(item->QuestionAudio);
            for (const auto& choice : item->ChoiceAudio)
                fits = fits || (choice && name == AudioRequestName(choice));
        }
        if (!fits)
            misplacedVoices.push_back(name);
    }
};

class PresentationSequenceTest : public ::testing::Test {
protected:
    void Start(const std::string& language = "English", bool audioOn = true) {
        seq = std::make_unique<PresentationSequence>(view, Items(), language);
        view.seq = seq.get();
        seq->Load();
        seq->Activate(audioOn);
    }
    int Item() const { return seq->CurrentItem()->ID; }
    bool OnItem() const { return seq->Shown() == PresentationSequence::Screen::Questions; }
    // The client moves down to answer `index` (each answer on the way speaks) and presses Enter.
    void Answer(int index) {
        for (int i = 0; i <= index; ++i)
            if (AnswerPresent(seq->CurrentItem()->Answers[static_cast<std::size_t>(i)]))
                seq->AnswerFocused(i);
        seq->Choose(index);
    }
    // Answers with `pick(item)` (Enter through every instruction) until item `last` is answered.
    void AnswerThrough(
        int last, int (*pick)(int) = [](int) { return 0; }) {
        while (seq->Shown() != PresentationSequence::Screen::Closed) {
            if (!OnItem()) {
                seq->InstructionsKey();
                continue;
            }
            const int item = Item();
            Answer(pick(item));
            if (item == last)
                return;
        }
    }
    std::vector<std::string> LogFrom(std::size_t start) const {
        return {view.log.begin() + static_cast<long>(start), view.log.end()};
    }

    Recorder view;
    std::unique_ptr<PresentationSequence> seq;
};

using Log = std::vector<std::string>;

TEST_F(PresentationSequenceTest, AWholeRunSpeaksWhatIsOnScreenAndStoresEveryAnswer) {
    const std::string note = "note Presentation Note: ";
    Start();
    EXPECT_EQ(view.log, (Log{"inst 0", "Inst0.wav"}));
    EXPECT_EQ(view.status, "When ready press Enter to continue.");
    seq->Activate(true); // activated again after a message box: nothing repeats
    seq->InstructionsKey();
    seq->InstructionsKey();
    EXPECT_EQ(view.status, "Use Up or Down arrow keys to highlight answer, then press Enter. Press F10 to go "
                           "back to previous question.");
    seq->AnswerFocused(0);
    EXPECT_EQ(view.status, "Press Enter to select this answer. Press Tab or Arrows to hear question again.");
    seq->AnswerFocused(1);
    seq->Choose(1);
    seq->QuestionFocused(); // Tab back to the question replays it
    Answer(0);              // item 3 then speaks ".wav", a name no file has: it stays silent
    Answer(0);
    EXPECT_EQ(view.log,
              (Log{"inst 0", "Inst0.wav", "inst 1", "Inst1.wav", "Q001.wav", "A001_1.wav", "A001_2.wav",
                   "Q002.wav", "Q002.wav", "A002_1.wav", ".wav", "A003_1.wav", "Q004.wav"}))
        << "each item's voice after its answer, never the previous item's";

    const auto pick = [](int item) { return item == 5 ? 3 : item == 149 ? 4 : item % (item <= 108 ? 2 : 4); };
    AnswerThrough(108, pick);
    EXPECT_EQ(LogFrom(view.log.size() - 5),
              (Log{"stop", note + "You have completed this part of the test. Press Enter to continue.",
                   "stop", "inst 2", "Inst2.wav"}));
    seq->InstructionsKey();
    EXPECT_EQ(view.log.back(), "Q109.wav");
    AnswerThrough(139, pick);
    EXPECT_EQ(LogFrom(view.log.size() - 3), (Log{"stop", "inst 3", "Inst3.wav"}));
    AnswerThrough(149, pick);
    EXPECT_EQ(
        LogFrom(view.log.size() - 3),
        (Log{"stop",
             note +
                 "You have completed the test. Thank you for your participation.\n\nPress Enter to continue.",
             "finish"}));
    EXPECT_EQ(view.status, "");
    EXPECT_TRUE(view.misplacedVoices.empty()) << view.misplacedVoices.front();

    std::string expected = "211";
    for (int item = 4; item <= 149; ++item)
        expected += std::to_string(pick(item) + 1);
    EXPECT_EQ(view.responses, expected);
    seq->Back();
    seq->Choose(0);
    EXPECT_EQ(view.log.back(), "finish") << "nothing acts once the test is complete";
}

// F10 at the item named, on a fresh run answered with the first answer up to there.
TEST_F(PresentationSequenceTest, F10GoesBackOneItemWithItsVoiceAndWithoutSectionInstructions) {
    struct Case {
        int at;         // the item on screen when F10 is pressed
        Log expected;   // what F10 does
        int shownAfter; // the item then on screen
    };
    const std::vector<Case> cases = {
        {1, {"beep"}, 1},
        {2, {"Q001.wav"}, 1},
        {109, {"Q108.wav"}, 108},
        {140, {"Q139.wav"}, 139},
    };
    for (const Case& c : cases) {
        Start();
        if (c.at > 1)
            AnswerThrough(c.at - 1);
        while (!OnItem())
            seq->InstructionsKey();
        ASSERT_EQ(Item(), c.at);
        const std::size_t mark = view.log.size();
        seq->Back();
        EXPECT_EQ(LogFrom(mark), c.expected) << "F10 at item " << c.at;
        EXPECT_TRUE(OnItem());
        EXPECT_EQ(Item(), c.shownAfter) << "F10 at item " << c.at;
        EXPECT_TRUE(view.misplacedVoices.empty()) << "F10 at item " << c.at;
        view.log.clear();
    }
}

TEST_F(PresentationSequenceTest, AnItemAnsweredAgainAfterF10KeepsTheLastAnswerAndTheSectionFlowRepeats) {
    Start();
    AnswerThrough(109, [](int) { return 1; });
    seq->Back(); // 110 -> 109
    seq->Back(); // 109 -> 108
    ASSERT_EQ(Item(), 108);
    EXPECT_EQ(seq->PresentedAnswer(109), 2) << "an earlier answer stays until chosen again";
    const std::size_t mark = view.log.size();
    Answer(0);
    EXPECT_EQ(seq->PresentedAnswer(108), 1);
    EXPECT_EQ(
        LogFrom(mark),
        (Log{"A108_1.wav", "stop",
             "note Presentation Note: You have completed this part of the test. Press Enter to continue.",
             "stop", "inst 2", "Inst2.wav"}));
    seq->Back(); // instructions on screen: F10 does nothing
    EXPECT_EQ(view.log.back(), "Inst2.wav");
    AnswerThrough(149, [](int item) { return item == 109 ? 3 : 0; });
    ASSERT_EQ(view.responses.size(), 149u);
    EXPECT_EQ(view.responses.substr(105, 5), "22141") << "items 106-110";
    EXPECT_EQ(view.responses.find('0'), std::string::npos);
}

// The Spanish texts are chosen by the language's name in any case; the window titles are the scripted
// onscreen test's.
TEST_F(PresentationSequenceTest, SpanishStatusAndNotesForTheSpanishTable) {
    Start("Spanish");
    EXPECT_EQ(Utf8FromCp1252(view.status), "Oprima la tecla «Enter» para seguir.");
    seq->InstructionsKey();
    seq->InstructionsKey();
    seq->AnswerFocused(0);
    EXPECT_EQ(Utf8FromCp1252(view.status),
              "Ilumine la respuesta que usted escoja y luego oprima la tecla «Enter».");
    AnswerThrough(108);
    EXPECT_EQ(Utf8FromCp1252(view.log[view.log.size() - 4]).rfind("note Nota de Presentación: Usted ha", 0), 0u);
    EXPECT_EQ(TextsFor("spanisH").caption, TextsFor("Spanish").caption);
    EXPECT_EQ(TextsFor("Français").caption, "Question Presentation");
}

TEST_F(PresentationSequenceTest, HiddenAnswersCannotBeChosenAndKeepTheirCodes) {
    Start();
    AnswerThrough(4);
    ASSERT_EQ(Item(), 5);
    seq->Choose(2); // answer 3 is empty: nothing happens
    EXPECT_EQ(Item(), 5);
    seq->Choose(3);
    EXPECT_EQ(seq->PresentedAnswer(5), 4);
    EXPECT_EQ(Item(), 6);
}
} // namespace
