#pragma once
// A Num Lock key that remembers its state and how often it was set.
#include "platform/NumLock.h"

class FakeNumLock : public NumLock {
public:
    bool Lock(bool lockOn) override {
        on = lockOn;
        ++locks;
        return true;
    }
    bool IsOn() const override { return on; }
    bool on = false;
    int locks = 0;
};
