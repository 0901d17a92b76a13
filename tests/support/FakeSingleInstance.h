#pragma once
// A running-copy check decided by the test: TryBecomeFirst fails when `anotherCopyRuns`; raise requests
// sent are counted, and a test emits raiseRequested() itself to play the other copy.
#include "platform/SingleInstance.h"

class FakeSingleInstance : public SingleInstance {
public:
    FakeSingleInstance(bool anotherCopyRuns, QObject* parent)
        : SingleInstance(parent), m_anotherCopyRuns(anotherCopyRuns) {}
    bool TryBecomeFirst() override { return !m_anotherCopyRuns; }
    bool SendRaise(int) override {
        ++raisesSent;
        return m_anotherCopyRuns;
    }
    int raisesSent = 0;

private:
    bool m_anotherCopyRuns;
};
