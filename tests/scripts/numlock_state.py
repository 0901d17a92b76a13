#!/usr/bin/env python3
# Prints "on" or "off": whether Num Lock is locked on the X display of $DISPLAY.
import ctypes
import sys

x11 = ctypes.CDLL("libX11.so.6")
x11.XOpenDisplay.restype = ctypes.c_void_p
x11.XOpenDisplay.argtypes = [ctypes.c_char_p]


class XkbState(ctypes.Structure):
    _fields_ = [("group", ctypes.c_ubyte), ("locked_group", ctypes.c_ubyte),
                ("base_group", ctypes.c_ushort), ("latched_group", ctypes.c_ushort),
                ("mods", ctypes.c_ubyte), ("base_mods", ctypes.c_ubyte),
                ("latched_mods", ctypes.c_ubyte), ("locked_mods", ctypes.c_ubyte),
                ("compat_state", ctypes.c_ubyte), ("grab_mods", ctypes.c_ubyte),
                ("compat_grab_mods", ctypes.c_ubyte), ("lookup_mods", ctypes.c_ubyte),
                ("compat_lookup_mods", ctypes.c_ubyte), ("ptr_buttons", ctypes.c_ushort)]


display = x11.XOpenDisplay(None)
if not display:
    sys.exit("no display")
ints = [ctypes.c_int(v) for v in (0, 0, 0, 1, 0)]
x11.XkbQueryExtension(ctypes.c_void_p(display), *[ctypes.byref(i) for i in ints])
mask = x11.XkbKeysymToModifiers(ctypes.c_void_p(display), 0xFF7F)  # XK_Num_Lock
state = XkbState()
x11.XkbGetState(ctypes.c_void_p(display), 0x0100, ctypes.byref(state))  # XkbUseCoreKbd
print("on" if mask and state.locked_mods & mask else "off")
