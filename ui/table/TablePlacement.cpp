#include "ui/table/TablePlacement.h"

#include <QGuiApplication>
#include <QRegion>
#include <QScreen>

#include <algorithm>
#include <limits>

namespace {

// How far `from` lies from `area`, squared; zero where they meet.
qint64 DistanceSquared(const QRect& from, const QRect& area) {
    const qint64 dx = std::max({0, area.left() - from.right(), from.left() - area.right()});
    const qint64 dy = std::max({0, area.top() - from.bottom(), from.top() - area.bottom()});
    return dx * dx + dy * dy;
}

// The top-left corner that moves a window of `size` at `place` the least while keeping it
// inside `area`; a window larger than the area keeps its top-left corner inside.
QPoint Inside(QPoint place, QSize size, const QRect& area) {
    const int left = std::max(area.left(), std::min(place.x(), area.right() + 1 - size.width()));
    const int top = std::max(area.top(), std::min(place.y(), area.bottom() + 1 - size.height()));
    return {left, top};
}

} // namespace

QPoint StartPlace(QPoint place, PlaceOrigin origin, QSize table, const QList<QRect>& available) {
    QRegion screens;
    for (const QRect& area : available)
        screens += area;
    // With no screen known there is nothing to measure against: the place stays as it is.
    if (screens.isEmpty())
        return place;
    // The file may hold any 32-bit place; far beyond every screen it counts as off them all,
    // and the rectangles below never reach the edge of int.
    constexpr int Far = 1 << 24;
    const QPoint near(std::clamp(place.x(), -Far, Far), std::clamp(place.y(), -Far, Far));
    if (near != place)
        return StartPlace(near, origin, table, available);
    const QRect topRow(place, QSize(table.width(), std::min(TableTopRowHeight, table.height())));
    // A top row split over two screens side by side is still within reach.
    if (origin == PlaceOrigin::Stored && QRegion(topRow).subtracted(screens).isEmpty())
        return place;
    const QRect* nearest = nullptr;
    qint64 nearestDistance = std::numeric_limits<qint64>::max();
    for (const QRect& area : available) {
        const qint64 distance = DistanceSquared(topRow, area);
        if (!area.isEmpty() && distance < nearestDistance) {
            nearest = &area;
            nearestDistance = distance;
        }
    }
    return Inside(place, table, *nearest);
}

QList<QRect> AvailableAreas() {
    QList<QRect> areas;
    if (const QScreen* primary = QGuiApplication::primaryScreen())
        areas.append(primary->availableGeometry());
    for (const QScreen* screen : QGuiApplication::screens()) {
        if (screen != QGuiApplication::primaryScreen())
            areas.append(screen->availableGeometry());
    }
    return areas;
}

bool KnowsOwnPosition() {
    return QGuiApplication::platformName() != QLatin1String("wayland");
}
