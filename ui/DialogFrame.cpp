#include "ui/DialogFrame.h"

#include <QFont>

void SetUpDialogFrame(QDialog& dialog, const QString& caption, int clientWidth, int clientHeight) {
    dialog.setWindowTitle(caption);
    dialog.setWindowModality(Qt::ApplicationModal);
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(11);
    dialog.setFont(font);
    dialog.setFixedSize(clientWidth, clientHeight);
}
