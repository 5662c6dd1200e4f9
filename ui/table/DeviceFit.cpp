#include "ui/table/DeviceFit.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <cmath>

namespace {

// One axis of an area, in device pixels from the screen's corner: the first pixel it surely
// covers and the end (exclusive) it surely reaches. A logical start `start` came from any
// device start n with n / ratio in [start - 0.5, start + 0.5), its length alike; an area
// never starts before its screen.
struct Span {
    int first;
    int end;
};

Span SurelyCovered(int start, int length, qreal ratio) {
    const auto least = [ratio](qreal logical) { return int(std::ceil(logical * ratio)); };
    return {least(start + 0.5) - 1, std::max(0, least(start - 0.5)) + least(length - 0.5)};
}

// Where Qt puts a window's logical edge or length `logical` in device pixels.
int Device(int logical, qreal ratio) {
    return qRound(logical * ratio);
}

// The longest logical length whose device length is at most `device`.
int LongestWithin(int device, qreal ratio) {
    int length = int(std::floor((device + 0.5) / ratio));
    while (length > 0 && Device(length, ratio) > device)
        --length;
    while (Device(length + 1, ratio) <= device)
        ++length;
    return length;
}

// The first logical start whose device start is inside `span`.
int FirstStart(const Span& span, qreal ratio) {
    int first = int(std::floor(span.first / ratio)) - 1;
    while (Device(first, ratio) < span.first)
        ++first;
    return first;
}

// The logical length a window can take on one axis, standing at the first start.
int RoomAlong(const Span& span, qreal ratio) {
    const int from = Device(FirstStart(span, ratio), ratio);
    return std::max(0, LongestWithin(span.end - from, ratio));
}

// The start nearest `start` (from the screen's corner) at which a window `length` long lies
// in `span` on one axis; its first edge first where the span is too short.
int StartWithin(int start, int length, const Span& span, qreal ratio) {
    const int deviceLength = Device(length, ratio);
    int last = int(std::floor((span.end - deviceLength) / ratio)) + 1;
    while (Device(last, ratio) + deviceLength > span.end)
        --last;
    return std::max(FirstStart(span, ratio), std::min(start, last));
}

} // namespace

ScreenArea AreaOf(const QScreen* screen) {
    if (!screen)
        return {};
    return {screen->availableGeometry(), screen->geometry().topLeft(), screen->devicePixelRatio()};
}

ScreenArea AreaAt(QPoint point) {
    for (const QScreen* screen : QGuiApplication::screens()) {
        if (screen->availableGeometry().contains(point))
            return AreaOf(screen);
    }
    return AreaOf(QGuiApplication::primaryScreen());
}

QSize RoomIn(const ScreenArea& area) {
    if (area.available.isEmpty())
        return {};
    const QPoint start = area.available.topLeft() - area.origin;
    return {RoomAlong(SurelyCovered(start.x(), area.available.width(), area.ratio), area.ratio),
            RoomAlong(SurelyCovered(start.y(), area.available.height(), area.ratio), area.ratio)};
}

QPoint WholeInside(QPoint place, QSize size, const ScreenArea& area) {
    if (area.available.isEmpty())
        return place;
    const QPoint start = area.available.topLeft() - area.origin;
    const QPoint at = place - area.origin;
    const Span across = SurelyCovered(start.x(), area.available.width(), area.ratio);
    const Span down = SurelyCovered(start.y(), area.available.height(), area.ratio);
    return area.origin + QPoint(StartWithin(at.x(), size.width(), across, area.ratio),
                                StartWithin(at.y(), size.height(), down, area.ratio));
}
