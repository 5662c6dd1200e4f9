#pragma once
// What the game's two dialogs share: a fixed dialog frame with a close box and no help
// button, modal to the whole program, laid out in Tahoma 11 px, opening in the middle of the
// screen that holds the table.

#include <QDialog>
#include <QString>

inline constexpr Qt::WindowFlags DialogFrameFlags =
    Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;

void SetUpDialogFrame(QDialog& dialog, const QString& caption, int clientWidth, int clientHeight);
