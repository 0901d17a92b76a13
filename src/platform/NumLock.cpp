#include "platform/NumLock.h"

#include <QGuiApplication>
#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/keysym.h>

namespace {
Display* ProgramDisplay() {
    if (QGuiApplication::platformName() != QLatin1String("xcb") ||
        qEnvironmentVariableIsSet("WAYLAND_DISPLAY"))
        return nullptr;
    auto* x11 = qApp ? qApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->display() : nullptr;
}

unsigned NumLockMask(Display* display) {
    return XkbKeysymToModifiers(display, XK_Num_Lock);
}
} // namespace

bool SetNumLockOn(Display* display, bool on) {
    if (!display)
        return false;
    const unsigned mask = NumLockMask(display);
    if (mask == 0)
        return false;
    const bool ok = XkbLockModifiers(display, XkbUseCoreKbd, mask, on ? mask : 0);
    XFlush(display);
    return ok;
}

bool NumLockIsOnAt(Display* display) {
    if (!display)
        return false;
    XkbStateRec state{};
    if (XkbGetState(display, XkbUseCoreKbd, &state) != Success)
        return false;
    return (state.locked_mods & NumLockMask(display)) != 0;
}

bool SetNumLock(bool on) {
    return SetNumLockOn(ProgramDisplay(), on);
}
bool NumLockIsOn() {
    return NumLockIsOnAt(ProgramDisplay());
}
