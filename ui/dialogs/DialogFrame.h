#pragma once
// What the game's two dialogs share: a fixed dialog frame with a close box and no help
// button, modal to the whole program, laid out in Tahoma 11 px, opening in the middle of the
// screen that holds the table.

#include "app/DialogFlags.h"

#include <QDialog>
#include <QString>

void SetUpDialogFrame(QDialog& dialog, const QString& caption, int clientWidth, int clientHeight);
