#pragma once
// The Num Lock key state: a platform layer (see shell/LayerSlot.h). The real one goes through X11's
// keyboard extension; where the display is not X11 (Wayland, offscreen) it does nothing and reports
// false.
#include <memory>
#include <string>

class NumLock {
public:
    virtual ~NumLock() = default;
    // Locks Num Lock on or off; false when there is no keyboard to set or it failed.
    virtual bool Lock(bool on) = 0;
    // Whether Num Lock is locked on; false when unknown.
    virtual bool IsOn() const = 0;
};

// Num Lock on an X display: `displayName` (such as ":1") through a connection of its own for each
// call, or, when empty, the program's own display.
class XkbNumLock : public NumLock {
public:
    explicit XkbNumLock(std::string displayName = {}) : m_displayName(std::move(displayName)) {}
    bool Lock(bool on) override;
    bool IsOn() const override;

private:
    std::string m_displayName;
};

// The installed Num Lock; the program's X display unless another was installed. nullptr reinstalls it.
NumLock& ProgramNumLock();
void SetProgramNumLock(std::unique_ptr<NumLock> numLock);

// ProgramNumLock().Lock(on) and ProgramNumLock().IsOn().
bool SetNumLock(bool on);
bool NumLockIsOn();
