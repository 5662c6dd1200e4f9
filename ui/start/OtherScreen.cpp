#include "ui/start/OtherScreen.h"

#include <QCoreApplication>

QString ShortDisplayName(const QString& display) {
    // The platform's word before the name ("xcb", "wayland") means nothing to a player, nor
    // does the folder of a Wayland socket.
    const QString name = display.section(u' ', 1).trimmed();
    return name.section(u'/', -1);
}

QString RunningElsewhereText(const QString& display) {
    const QString name = ShortDisplayName(display);
    return name.isEmpty()
               ? QCoreApplication::translate(
                     "Start", "A játék már fut egy másik képernyőn vagy bejelentkezésben. Ott "
                              "folytasd, vagy ott zárd be, és indítsd el újra itt.")
               : QCoreApplication::translate(
                     "Start", "A játék már fut egy másik képernyőn vagy bejelentkezésben (%1). "
                              "Ott folytasd, vagy ott zárd be, és indítsd el újra itt.")
                     .arg(name);
}
