#include "supervisor/qt/SecretCode.h"
#include "shell/qt/frmMyInputBox.h"
#include "support/MessageScript.h"
#include "support/ModalHelper.h"

#include <QLabel>
#include <QLineEdit>
#include <gtest/gtest.h>

namespace {
const MsgBoxCall Incorrect{"Incorrect Secret Code.  Please try again.", vbOKOnly | vbCritical, "Secret Code"};

// Answers the next prompt, then arms `next`: types `code` and presses "Information OK", or cancels when
// `code` is empty.
void AnswerPrompt(const QString& code, const std::function<void()>& next = {}) {
    WhenModal<frmMyInputBox>([code, next](frmMyInputBox* box) {
        EXPECT_EQ(box->windowTitle(), "Secret Code");
        EXPECT_EQ(box->lblHelpMsg->text(),
                  "Enter the Secret Code to continue.  For security, asterisks (*) will show as you type.");
        EXPECT_EQ(box->txtInput->text(), "") << "every prompt starts empty";
        EXPECT_EQ(box->txtInput->maxLength(), 8);
        EXPECT_EQ(box->txtInput->echoMode(), QLineEdit::Password);
        if (code.isEmpty()) {
            box->close();
        } else {
            TypeToFocus(code);
            KeyToFocus(Qt::Key_Return);
            KeyToFocus(Qt::Key_Return);
        }
        EXPECT_FALSE(box->isVisible());
        if (next) // armed once this box has closed, so that only the next prompt matches
            next();
    });
}
} // namespace

TEST(SecretCodeTest, LowerCaseIsAcceptedAWrongCodeAsksAgainAndCancelGivesUp) {
    MessageScript messages;
    AnswerPrompt("k");
    EXPECT_TRUE(AskSecretCode());
    EXPECT_TRUE(messages.calls.empty());

    AnswerPrompt("kx", [] { AnswerPrompt("K"); });
    EXPECT_TRUE(AskSecretCode());
    EXPECT_EQ(messages.calls, std::vector<MsgBoxCall>{Incorrect});

    messages.calls.clear();
    AnswerPrompt("wrong", [] { AnswerPrompt(""); });
    EXPECT_FALSE(AskSecretCode()) << "a wrong code, then the prompt cancelled";
    EXPECT_EQ(messages.calls, std::vector<MsgBoxCall>{Incorrect});

    AnswerPrompt("");
    EXPECT_FALSE(AskSecretCode());
}
