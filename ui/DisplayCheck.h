#pragma once
// Whether the game can open its window at all. Decided before Qt starts: Qt's platform
// plugin ends the program with an abort, and advice to reinstall it, when it cannot connect.

// The platforms are the ones Qt would try: -platform from the arguments, else
// QT_QPA_PLATFORM (a ";" list, each name optionally followed by ":" and its options), else
// X11 or Wayland. X11 counts when a connection to -display or DISPLAY succeeds, Wayland when
// its socket accepts one; any other platform (offscreen, minimal, ...) is left to Qt.
bool DisplayAvailable(int argc, char** argv);

// The one line printed on standard error when there is none.
void ReportNoDisplay();
