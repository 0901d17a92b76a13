#pragma once
// The Num Lock key state through X11's keyboard extension. Where the display is not X11 (Wayland,
// offscreen) the calls do nothing and report false.
#include <string>

// Locks Num Lock on or off on the program's X display; false when there is none or it failed.
bool SetNumLock(bool on);
// Whether Num Lock is locked on; false when unknown.
bool NumLockIsOn();

// The same on the X display `displayName` (such as ":1") through a connection of its own.
bool SetNumLockAt(const std::string& displayName, bool on);
bool NumLockIsOnAt(const std::string& displayName);
