#pragma once
// The Num Lock key state through X11's keyboard extension. Where the display is not X11 (Wayland,
// offscreen) the calls do nothing and report false.
struct _XDisplay;

// Locks Num Lock on or off on the program's X display; false when there is none or it failed.
bool SetNumLock(bool on);
// Whether Num Lock is locked on; false when unknown.
bool NumLockIsOn();

// The same on a given display connection (tests use a private X server).
bool SetNumLockOn(_XDisplay* display, bool on);
bool NumLockIsOnAt(_XDisplay* display);
