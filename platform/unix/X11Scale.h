#pragma once

#include <X11/Xlib.h>

#include "platform/DesktopScale.h"

// What an open X display says of the desktop's scale (its Xft.dpi resource,
// as GNOME, KDE and Xfce set it) and the size of its default screen: for the
// game's window and for the notice alike.
CDesktopScale scaleOfX11Display(Display* display);
