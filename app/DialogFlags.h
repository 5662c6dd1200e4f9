#pragma once
// The frame every dialog and box of the game asks for. They are all fixed in size, so the
// frame carries a title and a close button only: without the customize hint a frame that Qt
// draws itself (on Wayland compositors without server-side decorations) adds minimise and
// maximise buttons.

#include <Qt>

inline constexpr Qt::WindowFlags DialogFrameFlags =
    Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
    Qt::MSWindowsFixedSizeDialogHint;
