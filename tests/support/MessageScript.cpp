#include "support/MessageScript.h"

MessageScript::MessageScript() {
    SetMsgBoxResponder([this](const MsgBoxCall& call) {
        calls.push_back(call);
        if (m_answers.empty()) {
            const int buttons = call.buttonsAndIcon & 7;
            return static_cast<int>(
                buttons == vbYesNo                                                              ? vbNo
                : buttons == vbAbortRetryIgnore                                                 ? vbAbort
                : buttons == vbOKCancel || buttons == vbYesNoCancel || buttons == vbRetryCancel ? vbCancel
                                                                                                : vbOK);
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
