#pragma once
// The desktop's dark or light choice, where the desktop says it: the freedesktop portal's
// org.freedesktop.appearance color-scheme (GNOME 42 and later, KDE Plasma 5.24 and later),
// which Qt 6.4 does not read. Read at start and followed while the game runs: a dark choice gives
// the dialogs and boxes a dark palette, light or none gives back the one they had. The table's
// felt and buttons keep their own colours. A Qt theme or style the player chose
// (QT_QPA_PLATFORMTHEME, QT_STYLE_OVERRIDE, -style, -platformtheme) wins, and without a portal
// nothing changes.

class QApplication;

void FollowDesktopColorScheme(QApplication& application);
