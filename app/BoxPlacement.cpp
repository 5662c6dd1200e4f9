#include "app/BoxPlacement.h"

#include <algorithm>

namespace {

// `wanted` moved into [low, high - length], or `low` where the span is shorter than `length`.
int Within(int wanted, int length, int low, int high) {
    return std::max(low, std::min(wanted, high - length));
}

} // namespace

QRect BesideTable(const QRect& table, const QSize& box, const QRect& screen) {
    const int screenRight = screen.left() + screen.width();
    const int screenBottom = screen.top() + screen.height();
    const int tableRight = table.left() + table.width();
    const int tableBottom = table.top() + table.height();
    const int centredLeft = table.left() + (table.width() - box.width()) / 2;
    const int centredTop = table.top() + (table.height() - box.height()) / 2;
    const bool fitsAcross = box.width() <= screen.width();
    const bool fitsDown = box.height() <= screen.height();
    const int acrossLeft = Within(centredLeft, box.width(), screen.left(), screenRight);
    const int downTop = Within(centredTop, box.height(), screen.top(), screenBottom);

    if (fitsAcross && tableBottom + box.height() <= screenBottom && tableBottom >= screen.top())
        return {QPoint(acrossLeft, tableBottom), box};
    if (fitsDown && tableRight + box.width() <= screenRight && tableRight >= screen.left())
        return {QPoint(tableRight, downTop), box};
    if (fitsDown && table.left() - box.width() >= screen.left() && table.left() <= screenRight)
        return {QPoint(table.left() - box.width(), downTop), box};
    if (fitsAcross && table.top() - box.height() >= screen.top() && table.top() <= screenBottom)
        return {QPoint(acrossLeft, table.top() - box.height()), box};
    return {QPoint(centredLeft, centredTop), box};
}
