#pragma once
// Answers the program's message boxes in a test: records every call, and answers from a queue of
// scripted answers (each with an optional action run first, such as re-inserting a medium). A box
// nobody scripted is answered with its way out (Cancel, No, or OK) so no retry loop can hang.
#include "shell/qt/MsgBox.h"

#include <deque>
#include <functional>
#include <ostream>
#include <vector>

inline bool operator==(const MsgBoxCall& a, const MsgBoxCall& b) {
    return a.text == b.text && a.buttonsAndIcon == b.buttonsAndIcon && a.title == b.title;
}
inline void PrintTo(const MsgBoxCall& c, std::ostream* os) {
    *os << '"' << c.text.toStdString() << "\" " << c.buttonsAndIcon << " \"" << c.title.toStdString() << '"';
}

class MessageScript {
public:
    MessageScript();
    ~MessageScript();
    MessageScript(const MessageScript&) = delete;
    MessageScript& operator=(const MessageScript&) = delete;

    void Answer(int result, std::function<void()> before = {});
    std::vector<MsgBoxCall> calls;

private:
    std::deque<std::pair<int, std::function<void()>>> m_answers;
};
