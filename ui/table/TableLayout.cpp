#include "ui/table/TableLayout.h"

#include "game/Rules.h"

#include <QtMath>

#include <algorithm>
#include <array>
#include <stdexcept>
#include <string>

namespace {

struct Fan {
    int left, top, step;
};

// By seat number.
constexpr std::array<Fan, 3> Fans{{{16, 292, 32}, {92, 12, 28}, {268, 152, 28}}};

Fan SeatFan(char letter) {
    const int seat = SeatOfLetter(letter);
    if (seat < 0)
        throw std::runtime_error("No card places for seat " + std::string(1, letter));
    return Fans[seat];
}

} // namespace

QPoint CardPlacePosition(char letter, int index, int count) {
    const Fan fan = SeatFan(letter);
    if (count <= PlacesPerSeat)
        return {fan.left + fan.step * index, fan.top};
    // The last card lands where the sixth place stands; the others spread evenly before it.
    const int span = fan.step * (PlacesPerSeat - 1);
    return {fan.left + span * index / (count - 1), fan.top};
}

qreal FitZoom(QSize table, QSize available) {
    if (available.isEmpty() ||
        (table.width() <= available.width() && table.height() <= available.height()))
        return 1.0;
    return std::min(qreal(available.width()) / table.width(),
                    qreal(available.height()) / table.height());
}

QRect Zoomed(const QRect& base, qreal zoom) {
    const auto at = [zoom](int edge) { return qFloor(edge * zoom + 0.5); };
    return QRect(QPoint(at(base.left()), at(base.top())),
                 QPoint(at(base.left() + base.width()) - 1, at(base.top() + base.height()) - 1));
}
