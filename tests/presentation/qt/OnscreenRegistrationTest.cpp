// "Administer Test to Client" from the entry-method window, stopped early every way it can be: each
// leaves the client file, the count and the current client as they were.
#include "PresentationFixture.h"
#include "clients/ClientFile.h"
#include "presentation/PresentationSequence.h"
#include "presentation/qt/frmPresentQA.h"
#include "presentation/qt/frmSelectEntryMethod.h"
#include "presentation/qt/frmSelectLanguage.h"
#include "shell/RunState.h"
#include "shell/qt/MsgPanel.h"
#include "shell/qt/frmMyInputBox.h"
#include "support/ModalHelper.h"
#include "support/RegistrationFixture.h"

#include <QPushButton>
#include <QtTest/QTest>

namespace {
// The client windows by name (their headers and the question database's cannot share a file).
void WhenWindow(const char* name, std::function<void()> action) {
    WhenModalWidget(
        name, [name](QWidget* w) { return w->objectName() == name; }, [action](QWidget*) { action(); }, 5000);
}

class OnscreenRegistrationTest : public OnscreenTest {
protected:
    void SetUp() override {
        OnscreenTest::SetUp();
        UseClients({SampleClient("Existing One"), SampleClient("Existing Two")});
        CurrentClient = 2;
        before = FileBytes();
    }

    // Registers through the court history, then runs `then` (armed on the next modal window).
    void Register(const std::function<void()>& then) {
        WhenModal<frmSelectEntryMethod>([then](frmSelectEntryMethod* m) {
            EXPECT_TRUE(m->cmdMenuChoice[0]->isEnabled());
            EXPECT_EQ(FocusName(), "cmdMenuChoice_0");
            WhenWindow("frmClientInfo", [then] {
                for (const char* v : {"Dee Four", "987-65-4321", "29", "2", "1", "12", "3", "07/04/1997"})
                    TypeEnter(v);
                WhenWindow("frmCourtHistory", [then] {
                    for (const char* v : {"19", "1", "2", "0", "3", "1", "0", "1", "0", "8"})
                        TypeEnter(v);
                    then();
                    KeyToFocus(Qt::Key_Return);
                });
                KeyToFocus(Qt::Key_Return);
            });
            KeyToFocus(Qt::Key_Return);
        });
        frmSelectEntryMethod method;
        method.exec();
    }
    // The secret code: a wrong one first, then the right one.
    static void ArmSecretCode(int* asked) {
        WhenModal<frmMyInputBox>([asked](frmMyInputBox*) {
            ++*asked;
            TypeToFocus(*asked == 1 ? "x" : "k");
            if (*asked == 1)
                ArmSecretCode(asked);
            KeyToFocus(Qt::Key_Return);
            KeyToFocus(Qt::Key_Return);
        });
    }
    // Takes the test by keyboard with the first answer throughout and leaves it after `leaveAfter` answers.
    static void ArmTest(int leaveAfter, int* secretCodes) {
        WhenModal<frmPresentQA>([=](frmPresentQA* t) {
            EXPECT_EQ(t->windowTitle().toStdString(), "Question Presentation");
            for (int answered = 0; answered < leaveAfter;) {
                if (t->Sequence().Shown() == PresentationSequence::Screen::Questions) {
                    KeyToFocus(Qt::Key_Down);
                    ++answered;
                }
                KeyToFocus(Qt::Key_Return);
            }
            ArmSecretCode(secretCodes);
            KeyToFocus(Qt::Key_F10, Qt::AltModifier | Qt::ShiftModifier);
        });
    }
};

TEST_F(OnscreenRegistrationTest, StoppingBeforeTheEndWritesNothingAndKeepsTheCurrentClient) {
    struct Case {
        const char* what;
        std::vector<std::string> tables;
        int items;
        const char* message; // expected in the message before the test, or null
        int leaveAfter;      // the test is left with Alt+Shift+F10 after this many answers
        bool cancelLanguage;
        int secretCodes;
    };
    const std::vector<Case> cases = {
        {"no language table", {}, 149, "No presentation language is installed", -1, false, 0},
        {"a short table", {"English"}, 148, "fewer than 149", -1, false, 0},
        {"the language window cancelled", {"English", "Spanish"}, 149, nullptr, -1, true, 0},
        {"left on the instructions", {"English"}, 149, nullptr, 0, false, 2},
        {"left on item 40", {"English"}, 149, nullptr, 39, false, 2},
    };
    for (const Case& c : cases) {
        std::filesystem::remove(program.file("TARVOS.MDB"));
        WriteLanguages(program.file("TARVOS.MDB"), c.tables, c.items);
        messages.clear();
        int secretCodes = 0;
        Register([&] {
            if (c.cancelLanguage) {
                WhenModal<frmSelectLanguage>([](frmSelectLanguage*) {
                    KeyToFocus(Qt::Key_Up); // from the first language up to "Cancel Presentation"
                    KeyToFocus(Qt::Key_Return);
                });
            } else if (c.leaveAfter >= 0) {
                ArmTest(c.leaveAfter, &secretCodes);
            }
        });
        EXPECT_EQ(FileBytes(), before) << c.what;
        EXPECT_EQ(ClientCount, 2) << c.what;
        EXPECT_EQ(CurrentClient, 2) << c.what;
        EXPECT_EQ(secretCodes, c.secretCodes) << c.what;
        if (c.message) {
            ASSERT_EQ(messages.size(), 1u) << c.what;
            EXPECT_NE(messages[0].text.indexOf(c.message), -1) << messages[0].text.toStdString();
            EXPECT_NE(messages[0].text.indexOf(QString::fromStdString(program.file("TARVOS.MDB"))), -1)
                << c.what;
        }
    }
}
} // namespace
