#include "ui/dialogs/DialogFrame.h"

#include "app/WindowCentring.h"
#include "ui/look/Fonts.h"

void SetUpDialogFrame(QDialog& dialog, const QString& caption, int clientWidth, int clientHeight) {
    dialog.setWindowTitle(caption);
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.setFont(DialogFont());
    dialog.setFixedSize(clientWidth, clientHeight);
    CentreWhenShown(dialog, [&dialog](QSize) { return ScreenOfTable(&dialog); });
}
