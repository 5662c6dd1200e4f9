#pragma once
// Bringing a window to the front for a launch the player just made. A window manager trusts
// such a request only with the launch's own proof: on X11 the startup id's time, newer than
// the player's last input (GNOME refuses the program's own older time), on Wayland the
// launcher's activation token.

#include "ui/copies/CopyChannel.h"

class QWidget;

// Raises and activates `window` with what `request` carries, and tells an X11 launcher that
// its launch is done, so its busy cursor ends.
void BringForward(QWidget& window, const ForwardRequest& request);
