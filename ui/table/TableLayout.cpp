#include "ui/table/TableLayout.h"

#include <stdexcept>
#include <string>

namespace {

struct Fan {
    int left, top, step;
};

Fan SeatFan(char letter) {
    switch (letter) {
    case 'a':
        return {16, 292, 32};
    case 'b':
        return {92, 12, 28};
    case 'c':
        return {268, 152, 28};
    default:
        throw std::runtime_error("No card places for seat " + std::string(1, letter));
    }
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
