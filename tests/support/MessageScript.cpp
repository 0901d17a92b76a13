#include "support/MessageScript.h"

MessageScript::MessageScript() {
    SetMsgBoxResponder([this](const MsgBoxCall& call) {
        calls.push_back(call);
        if (m_answers.empty()) {
            switch (call.buttonsAndIcon & 7) {
            case vbOKCancel:
            case vbYesNoCancel:
            case vbRetryCancel:
                return static_cast<int>(vbCancel);
            case vbYesNo:
                return static_cast<int>(vbNo);
            case vbAbortRetryIgnore:
                return static_cast<int>(vbAbort);
            default:
                return static_cast<int>(vbOK);
            }
        }
        auto [result, before] = m_answers.front();
        m_answers.pop_front();
        if (before)
            before();
        return result;
    });
}

MessageScript::~MessageScript() {
    SetMsgBoxResponder({});
}

void MessageScript::Answer(int result, std::function<void()> before) {
    m_answers.emplace_back(result, std::move(before));
}
