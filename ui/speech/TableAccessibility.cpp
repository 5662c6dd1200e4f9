#include "ui/speech/TableAccessibility.h"

#include "ui/speech/LineEditAccessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLineEdit>

namespace {

QAccessibleInterface* TableInterfaces(const QString& className, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget)
        return nullptr;
    if (className == QLatin1String("Tfrm_Main") && widget->isWindow())
        return new QAccessibleWidget(widget, QAccessible::Window);
    // Screen readers speak a notification when it shows, without moving the focus there.
    if (className == QLatin1String("Announcer"))
        return new QAccessibleWidget(widget, QAccessible::Notification);
    // A field that shows its text as typed is read whole; a password field stays Qt's own.
    if (className == QLatin1String("QLineEdit")) {
        auto* edit = static_cast<QLineEdit*>(widget);
        if (edit->echoMode() == QLineEdit::Normal)
            return new LineEditAccessible(edit);
    }
    return nullptr;
}

} // namespace

void InstallTableAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(TableInterfaces);
        return true;
    }();
    (void)installed;
}

Announcer::Announcer(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Announcer"));
    setGeometry(0, 0, 0, 0);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void Announcer::Announce(const QString& text) {
    // Hidden and shown again, so the same words twice in a row are still spoken.
    hide();
    setAccessibleName(text);
    show();
}
