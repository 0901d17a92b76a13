#include "platform/NumLock.h"

#include "shell/LayerSlot.h"

#include <QGuiApplication>
#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/keysym.h>

namespace {
LayerSlot<NumLock, XkbNumLock> g_numLock;

Display* ProgramDisplay() {
    if (QGuiApplication::platformName() != QLatin1String("xcb") ||
        qEnvironmentVariableIsSet("WAYLAND_DISPLAY"))
        return nullptr;
    auto* x11 = qApp ? qApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->display() : nullptr;
}

// Xlib answers keyboard-extension calls correctly only after the extension was queried on the connection.
unsigned NumLockMask(Display* display) {
    int opcode = 0, event = 0, error = 0, major = XkbMajorVersion, minor = XkbMinorVersion;
    if (!XkbQueryExtension(display, &opcode, &event, &error, &major, &minor))
        return 0;
    return XkbKeysymToModifiers(display, XK_Num_Lock);
}

bool LockOn(Display* display, bool on) {
    if (!display)
        return false;
    const unsigned mask = NumLockMask(display);
    if (mask == 0)
        return false;
    const bool ok = XkbLockModifiers(display, XkbUseCoreKbd, mask, on ? mask : 0);
    XFlush(display);
    return ok;
}

bool StateOn(Display* display) {
    if (!display)
        return false;
    const unsigned mask = NumLockMask(display);
    XkbStateRec state{};
    if (XkbGetState(display, XkbUseCoreKbd, &state) != Success)
        return false;
    return mask != 0 && (state.locked_mods & mask) != 0;
}

// Runs `f` on the program's display, or on a connection of its own to `name`.
template <class F> bool WithDisplay(const std::string& name, F f) {
    if (name.empty())
        return f(ProgramDisplay());
    Display* display = XOpenDisplay(name.c_str());
    if (!display)
        return false;
    const bool result = f(display);
    XCloseDisplay(display);
    return result;
}
} // namespace

bool XkbNumLock::Lock(bool on) {
    return WithDisplay(m_displayName, [on](Display* d) { return LockOn(d, on); });
}
bool XkbNumLock::IsOn() const {
    return WithDisplay(m_displayName, [](Display* d) { return StateOn(d); });
}

NumLock& ProgramNumLock() {
    return g_numLock.Get();
}
void SetProgramNumLock(std::unique_ptr<NumLock> numLock) {
    g_numLock.Set(std::move(numLock));
}

bool SetNumLock(bool on) {
    return ProgramNumLock().Lock(on);
}
bool NumLockIsOn() {
    return ProgramNumLock().IsOn();
}
