#include "supervisor/qt/SecretCode.h"
#include "shell/qt/frmMyInputBox.h"
#include "support/MessageScript.h"
#include "support/ModalHelper.h"

#include <QLabel>
#include <QLineEdit>
#include <gtest/gtest.h>

namespace {
// Answers the next prompt, then arms `next`: types `code` and presses "Information OK", or cancels when
// `code` is empty. The lower-case code is accepted in the scripted runs.
void AnswerPrompt(const QString& code, const std::function<void()>& next = {}) {
    WhenModal<frmMyInputBox>([code, next](frmMyInputBox* box) {
        EXPECT_EQ(box->txtInput->echoMode(), QLineEdit::Password);
        EXPECT_TRUE(box->lblHelpMsg->text().startsWith("Enter the Secret Code"));
        if (code.isEmpty()) {
            box->close();
        } else {
            TypeToFocus(code);
            KeyToFocus(Qt::Key_Return); // to "Information OK", then press it
            KeyToFocus(Qt::Key_Return);
        }
        if (next) // armed once this box has closed, so that only the next prompt matches
            next();
    });
}
} // namespace

TEST(SecretCodeTest, AWrongCodeAsksAgainUntilTheCodeOrCancel) {
    MessageScript messages;
    const MsgBoxCall incorrect{"Incorrect Secret Code.  Please try again.", vbOKOnly | vbCritical, "Secret Code"};
    AnswerPrompt("kx", [] { AnswerPrompt("K"); });
    EXPECT_TRUE(AskSecretCode());
    EXPECT_EQ(messages.calls, std::vector<MsgBoxCall>{incorrect});
    AnswerPrompt("wrong", [] { AnswerPrompt(""); });
    EXPECT_FALSE(AskSecretCode());
    EXPECT_EQ(messages.calls, (std::vector<MsgBoxCall>{incorrect, incorrect}));
}
