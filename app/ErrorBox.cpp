#include "app/ErrorBox.h"
#include "app/MessageBoxHook.h"

#include <QCoreApplication>

#include <exception>

/*
    TRANSLATOR ErrorBox

    The box that shows an error, whatever window is open.
*/

QString ApplicationTitle() {
    //: The title of the box that shows an error: the game's name
    return QCoreApplication::translate("ErrorBox", "21 - A kártyajáték");
}

QString WithFullStop(const QString& message) {
    if (!message.isEmpty() && message.back() > QLatin1Char('.'))
        return message + QLatin1Char('.');
    return message;
}

void ShowErrorBox(const QString& message) {
    ShowBox(BoxRequest{BoxKind::Error, WithFullStop(message), ApplicationTitle(), nullptr});
}

bool RunGuarded(const std::function<void()>& action) noexcept {
    QString message;
    try {
        action();
        return true;
    } catch (const std::exception& error) {
        message = QString::fromUtf8(error.what());
    } catch (...) {
        message = QStringLiteral("An unexpected error occurred");
    }
    try {
        ShowErrorBox(message);
    } catch (...) {
        // Nothing is left to report with; the next action goes on regardless.
    }
    return false;
}
