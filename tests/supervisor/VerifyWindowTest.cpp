#include "SupervisorFixture.h"
#include "entry/qt/frmVerify.h"
#include "shell/qt/WindowHelpers.h"
#include "support/ModalHelper.h"
#include "support/Tmpfs.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <fstream>

namespace {
const std::string Stored = std::string(108, '1') + std::string(31, '3') + std::string(10, '2');

class VerifyWindowTest : public SupervisorTest {
protected:
    void UseStored(const std::string& folder = {}) {
        ClientRecord client = SampleClient("Ann Lee");
        client.Responses = Stored;
        if (folder.empty()) {
            UseClients({client});
        } else {
            std::ofstream(folder + "/DATA401.TRV", std::ios::binary) << client.ToBytes();
            ASSERT_TRUE(EstablishClientFile(folder).ok());
        }
        CurrentClient = 1;
    }
    // Keys `answers` from the current position to the end of the pass.
    static void KeyAll(frmVerify* f, const std::string& answers) {
        while (!f->state().Correcting() && f->isVisible() &&
               f->state().VerifyPos() <= f->state().VerifyCount()) {
            const int before = f->state().VerifyPos();
            TypeToFocus(QString(QChar(answers[static_cast<std::size_t>(f->state().CurrentItem() - 1)])));
            if (f->state().VerifyPos() == before)
                break; // the pass ended
        }
    }
    static std::string Responses(const std::string& bytes) { return bytes.substr(84, 149); }
};
} // namespace

TEST_F(VerifyWindowTest, KeysFollowTheItemsRangesAndTheCorrectionPassAsksOnlyTheDifferences) {
    UseStored();
    std::string second = Stored;
    second[4] = '2';   // item 5
    second[119] = '0'; // item 120
    frmVerify window;
    WhenModal<frmVerify>([&](frmVerify* f) {
        EXPECT_EQ(f->lblCurQuestion->text(), "Question #1");
        EXPECT_FALSE(f->Frame1->isVisible());
        KeyToFocus(Qt::Key_Backspace);
        TypeToFocus("3");
        KeyToFocus(Qt::Key_Return);
        EXPECT_EQ(BeepCount(), 3);
        TypeToFocus("2");
        EXPECT_EQ(f->lblPrevQuestion->text(), "Question #1");
        EXPECT_EQ(f->txtPrevQuestion->text(), "2");
        EXPECT_EQ(f->txtCurQuestion->text(), "");
        KeyToFocus(Qt::Key_Backspace);
        EXPECT_EQ(f->lblCurQuestion->text(), "Question #1");
        KeyAll(f, second.substr(0, 139) + std::string(10, '9')); // stops at item 140
        EXPECT_EQ(f->lblCurQuestion->text(), "Question #140");
        ResetBeepCount();
        TypeToFocus("5"); // item 140 has four answers
        EXPECT_EQ(BeepCount(), 1);
        KeyAll(f, second);
        // The correction pass, after its message box.
        EXPECT_TRUE(f->state().Correcting());
        EXPECT_EQ(f->lblCurQuestion->text(), "Question #5");
        EXPECT_EQ(FocusName(), "txtCurQuestion");
        TypeToFocus("1");
        EXPECT_EQ(f->lblCurQuestion->text(), "Question #120");
        EXPECT_EQ(f->lblPrevQuestion->text(), "Question #5");
        KeyToFocus(Qt::Key_Backspace);
        EXPECT_EQ(f->lblCurQuestion->text(), "Question #5");
        TypeToFocus("1");
        TypeToFocus("4");
    });
    EXPECT_EQ(window.exec(), QDialog::Accepted);
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0], (MsgBoxCall{"Data Correction needed. Please correct the following questions.",
                                       vbOKOnly, "Data Corrections"}));
    EXPECT_EQ(messages[1], (MsgBoxCall{"Data Verification complete.", vbOKOnly, "Data Verification"}));
    std::string expected = Stored;
    expected[119] = '4';
    EXPECT_EQ(Responses(FileBytes()), expected);
    EXPECT_EQ(ClientTable[1].Responses.str(), expected);
}

TEST_F(VerifyWindowTest, SameKeyingCompletesAndCancelWritesNothing) {
    UseStored();
    const std::string before = FileBytes();
    frmVerify same;
    WhenModal<frmVerify>([&](frmVerify* f) { KeyAll(f, Stored); });
    EXPECT_EQ(same.exec(), QDialog::Accepted);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], (MsgBoxCall{"Data Verification complete. No corrections needed.", vbOKOnly,
                                       "Data Verification."}));
    EXPECT_EQ(FileBytes(), before);

    frmVerify cancelled;
    WhenModal<frmVerify>([&](frmVerify* f) {
        KeyAll(f, std::string(149, '0'));
        ASSERT_TRUE(f->state().Correcting());
        f->cmdCancel->setFocus();
        KeyToFocus(Qt::Key_Return);
    });
    EXPECT_EQ(cancelled.exec(), QDialog::Rejected);
    EXPECT_EQ(FileBytes(), before);
    EXPECT_EQ(ClientTable[1].Responses.str(), Stored);
}

TEST_F(VerifyWindowTest, AFailedWriteKeepsTheAnswersToWriteAgain) {
    Tmpfs medium;
    if (!medium.mounted())
        GTEST_SKIP() << medium.why();
    UseStored(medium.path());
    std::string second = Stored;
    second[0] = '2';
    frmVerify window;
    WhenModal<frmVerify>([&](frmVerify* f) {
        KeyAll(f, second);
        ASSERT_TRUE(medium.SetReadOnly(true));
        TypeToFocus("2"); // item 1 again in the correction pass
        ASSERT_TRUE(f->isVisible());
        EXPECT_EQ(ClientTable[1].Responses.str(), Stored) << "memory as the file has it";
        ASSERT_TRUE(medium.SetReadOnly(false));
        KeyToFocus(Qt::Key_Return);
    });
    EXPECT_EQ(window.exec(), QDialog::Accepted);
    ASSERT_EQ(messages.size(), 3u);
    EXPECT_TRUE(messages[1].text.startsWith("Error 70:Permission denied\r\nThe answers were not saved"));
    EXPECT_EQ(messages[2].text, "Data Verification complete.");
    EXPECT_EQ(ClientTable[1].Responses.str(), second);
}
