// The test window offscreen with a recording sound output: the only ways out, a damaged voice file,
// no sound device, and a save that fails. The order of screens and voices is the sequence's own test.
#include "PresentationFixture.h"
#include "clients/ClientFile.h"
#include "presentation/PresentationSequence.h"
#include "presentation/qt/frmPresentQA.h"
#include "shell/RunState.h"
#include "shell/qt/Cp1252.h"
#include "shell/qt/MsgPanel.h"
#include "shell/qt/WindowHelpers.h"
#include "support/ModalHelper.h"

#include <QtTest/QTest>
#include <algorithm>
#include <memory>

using namespace std::string_literals;

namespace {
using Screen = PresentationSequence::Screen;

class PresentQAWindowTest : public OnscreenTest {
protected:
    void SetUp() override {
        OnscreenTest::SetUp();
        WriteLanguages(program.file("TARVOS.MDB"), {"English", "Spanish"});
        UseClients({SampleClient("Existing One")});
        before = FileBytes();
        // A new client's slot, filled by the client windows.
        CurrentClient = 2;
        ClientTable[2] = SampleClient("New Client");
        ClientTable[2].Responses = std::string();
    }
    void TearDown() override {
        window.reset();
        OnscreenTest::TearDown();
    }

    void Open(const std::string& language) {
        std::vector<ItemRecord> items;
        ASSERT_TRUE(LoadPresentationItems(QuestionDatabasePath, language, items).ok());
        window = std::make_unique<frmPresentQA>(nullptr, language, std::move(items));
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        ASSERT_TRUE(QTest::qWaitFor([this] { return window->Sequence().Shown() == Screen::Instructions; }));
    }
    Screen Shown() const { return window->Sequence().Shown(); }
    int Item() const { return window->Sequence().CurrentItem()->ID; }
    QString Status() const { return window->msgPanel->text(); }
    // Enter through instruction screens until an item is on screen.
    void ToItem() {
        while (Shown() == Screen::Instructions)
            KeyToFocus(Qt::Key_Return);
    }
    // Down to answer `index` + 1, then Enter.
    void Answer(int index) {
        ToItem();
        for (int i = 0; i <= index; ++i)
            KeyToFocus(Qt::Key_Down);
        KeyToFocus(Qt::Key_Return);
    }
    void AnswerThrough(int last, int index = 0) {
        while (window->isVisible() && !(Shown() == Screen::Questions && Item() > last) &&
               !(Shown() == Screen::Instructions && Item() == last + 1)) {
            if (Shown() == Screen::Questions)
                Answer(index);
            else
                KeyToFocus(Qt::Key_Return);
        }
    }

    // The new client's record with `responses`, as the client file holds it.
    static std::string Stored(const std::string& responses) {
        ClientRecord r = SampleClient("New Client");
        r.Responses = responses;
        return r.ToBytes();
    }

    std::unique_ptr<frmPresentQA> window;
};

TEST_F(PresentQAWindowTest, EscapeAltF4AndTheCloseBoxAreNoWayOutAndLeavingStoresNothing) {
    Open("English");
    KeyToFocus(Qt::Key_F10); // the instructions are on screen: nothing
    KeyToFocus(Qt::Key_Escape);
    window->close();
    EXPECT_TRUE(window->isVisible()) << "Esc and the close box are no way out";
    KeyToFocus(Qt::Key_F4, Qt::AltModifier);
    EXPECT_TRUE(window->isVisible());

    // Alt+Shift+F10 on an item, on the general and on the section instructions: gone, nothing stored.
    for (int at : {2, 0, 108}) {
        if (at == 0 || at == 108) {
            window.reset();
            Open("English");
        }
        AnswerThrough(at);
        KeyToFocus(Qt::Key_F10, Qt::AltModifier | Qt::ShiftModifier);
        EXPECT_FALSE(window->isVisible()) << at;
        EXPECT_FALSE(window->Completed());
        EXPECT_EQ(ClientCount, 1);
        EXPECT_EQ(FileBytes(), before);
    }
}

TEST_F(PresentQAWindowTest, ADamagedVoiceIsReportedOnceAndATestWithoutSoundDeviceIsSilent) {
    const std::string damaged = "RIFF\x24\0\0\0WAVEfmt \x10\0\0\0\x55\0\1\0"s + std::string(12, '\0');
    program.write("TARVOS/sound/Spanish/A1.wav", damaged);
    Open("Spanish");
    ToItem();
    KeyToFocus(Qt::Key_Down);
    KeyToFocus(Qt::Key_Up);
    KeyToFocus(Qt::Key_Down); // the damaged answer voice again: no second message
    EXPECT_EQ(FocusName(), "cmdMenuChoice_0");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].title, "Sound Error");
    EXPECT_EQ(messages[0].buttonsAndIcon, vbOKOnly | vbCritical);
    EXPECT_TRUE(
        messages[0].text.startsWith(QStringLiteral("Error 30001:The sound file \"") +
                                    QString::fromStdString(program.file("TARVOS/sound/Spanish/A1.wav"))))
        << messages[0].text.toStdString();
    window.reset();
    messages.clear();

    device.calls.clear();
    device.present = false;
    Open("English");
    ToItem();
    KeyToFocus(Qt::Key_Down);
    EXPECT_FALSE(window->AudioOn());
    EXPECT_EQ(Status(), "Press Enter to select this answer.");
    EXPECT_TRUE(device.calls.empty());
    EXPECT_TRUE(messages.empty());
}

TEST_F(PresentQAWindowTest, AFailedSaveKeepsTheAnswersUntilARetrySucceeds) {
    Open("English");
    AnswerThrough(148);
    ASSERT_EQ(Item(), 149);
    std::filesystem::rename(data.file("DATA401.TRV"), data.file("away"));
    int retries = 0;
    SetMsgBoxResponder([&](const MsgBoxCall& call) {
        messages.push_back(call);
        if (call.buttonsAndIcon == (vbRetryCancel | vbCritical)) {
            if (++retries == 2) // the disk is back for the second try
                std::filesystem::rename(data.file("away"), data.file("DATA401.TRV"));
            return static_cast<int>(vbRetry);
        }
        return static_cast<int>(vbOK);
    });
    Answer(3);
    EXPECT_EQ(retries, 2);
    const auto failure = std::find_if(messages.begin(), messages.end(), [](const MsgBoxCall& m) {
        return m.buttonsAndIcon == (vbRetryCancel | vbCritical);
    });
    ASSERT_NE(failure, messages.end());
    EXPECT_NE(failure->text.indexOf(QString::fromStdString(data.file("DATA401.TRV"))), -1)
        << failure->text.toStdString();
    EXPECT_TRUE(window->Completed());
    EXPECT_EQ(ClientCount, 2) << "counted once, after the save";
    EXPECT_EQ(FileBytes(), before + Stored(std::string(148, '1') + "4"));
}
} // namespace
