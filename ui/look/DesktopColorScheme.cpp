#include "ui/look/DesktopColorScheme.h"

#include "app/SessionBus.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>
#include <QPalette>
#include <QVariantList>

#include <optional>

namespace {

const QString Portal = QStringLiteral("org.freedesktop.portal.Desktop");
const QString PortalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString Settings = QStringLiteral("org.freedesktop.portal.Settings");
const QString Appearance = QStringLiteral("org.freedesktop.appearance");
const QString ColorScheme = QStringLiteral("color-scheme");

// The portal wraps the value in one variant more than it says, or not, by version.
QVariant Unwrapped(QVariant value) {
    while (value.canConvert<QDBusVariant>() && value.userType() == qMetaTypeId<QDBusVariant>())
        value = value.value<QDBusVariant>().variant();
    return value;
}

// A dark palette in the colours of the desktops that offer the choice.
QPalette DarkPalette() {
    const QColor window(0x30, 0x30, 0x30), base(0x24, 0x24, 0x24), text(0xee, 0xee, 0xee),
        button(0x3c, 0x3c, 0x3c), muted(0x90, 0x90, 0x90), highlight(0x35, 0x84, 0xe4);
    QPalette palette(text, button, button.lighter(130), button.darker(130), button.darker(115),
                     text, Qt::white, base, window);
    palette.setColor(QPalette::AlternateBase, window.lighter(110));
    palette.setColor(QPalette::Highlight, highlight);
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::Link, highlight.lighter(130));
    palette.setColor(QPalette::LinkVisited, highlight.lighter(110));
    palette.setColor(QPalette::PlaceholderText, muted);
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, muted);
    return palette;
}

bool PlayerChoseTheme() {
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORMTHEME") ||
        !qEnvironmentVariableIsEmpty("QT_STYLE_OVERRIDE"))
        return true;
    const QStringList arguments = QCoreApplication::arguments();
    return arguments.contains(QStringLiteral("-style")) ||
           arguments.contains(QStringLiteral("-platformtheme"));
}

class ColorSchemeFollower : public QObject {
    Q_OBJECT
public:
    ColorSchemeFollower(QApplication& application, QDBusConnection bus)
        : QObject(&application), own_(QGuiApplication::palette()) {
        // Taken as the whole message: Qt D-Bus refuses a slot that takes the value as a
        // QDBusVariant.
        bus.connect(Portal, PortalPath, Settings, QStringLiteral("SettingChanged"), this,
                    SLOT(Changed(QDBusMessage)));
        QDBusMessage read =
            QDBusMessage::createMethodCall(Portal, PortalPath, Settings, QStringLiteral("Read"));
        read << Appearance << ColorScheme;
        // Asked without waiting: a portal started on demand takes its time, and the table
        // shows none of the dialogs' colours meanwhile.
        auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(read), this);
        connect(watcher, &QDBusPendingCallWatcher::finished, this,
                [this](QDBusPendingCallWatcher* call) {
                    const QDBusPendingReply<QDBusVariant> reply = *call;
                    if (reply.isValid())
                        Apply(Unwrapped(reply.value().variant()));
                    call->deleteLater();
                });
    }

private slots:
    void Changed(const QDBusMessage& message) {
        const QVariantList arguments = message.arguments();
        if (arguments.size() == 3 && arguments[0].toString() == Appearance &&
            arguments[1].toString() == ColorScheme)
            Apply(Unwrapped(arguments[2]));
    }

private:
    // 1: dark preferred; 0 (no preference) and 2 (light) leave the palette the game started with,
    // untouched until a dark one was set, so the platform's own changes still reach it.
    void Apply(const QVariant& scheme) {
        bool known = false;
        const bool dark = scheme.toUInt(&known) == 1;
        if (!known || dark == dark_)
            return;
        dark_ = dark;
        QApplication::setPalette(dark ? DarkPalette() : own_);
    }

    QPalette own_;
    bool dark_ = false;
};

} // namespace

void FollowDesktopColorScheme(QApplication& application) {
    if (PlayerChoseTheme())
        return;
    if (std::optional<QDBusConnection> bus =
            ConnectToBus(PlayersSessionBusAddress(), QStringLiteral("huszonegy-desktop")))
        new ColorSchemeFollower(application, *bus);
}

#include "DesktopColorScheme.moc"
