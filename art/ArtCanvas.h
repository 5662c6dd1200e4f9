#pragma once
// Shared ground for the drawn pictures: blank canvases at a device-pixel ratio, the
// card outline and its see-through corners, and a repeatable noise source.

#include <QColor>
#include <QImage>
#include <QLineF>
#include <QPainterPath>
#include <QPen>

#include <array>
#include <cstdint>

// Card pictures use this colour outside their rounded corners; the table leaves it undrawn.
inline constexpr QRgb SeeThroughRgb = 0xFFFF00FFu;

inline constexpr int CardWidth = 76;
inline constexpr int CardHeight = 124;

// A transparent ARGB canvas of `width` x `height` logical pixels at `devicePixelRatio`;
// a QPainter on it works in logical pixels.
QImage NewCanvas(int width, int height, qreal devicePixelRatio);

// The card's rounded outline, in logical pixels, for the card's 1-pixel border.
QPainterPath CardOutlinePath();

// Paints the white rounded card with its near-black outline onto a canvas from NewCanvas.
void PaintBlankCard(QPainter& painter);

// Turns a drawn card (transparent outside the card) into the opaque file picture:
// magenta wherever nothing was drawn, and never magenta anywhere else, so only the
// corners fall through on the table.
QImage FinishCard(const QImage& drawn);

// Crosses `area` with lines in `pen`, clipped to it: both of `lines` moved right by each
// shift from `from`, in steps of `step`, while below `to`. The acorn's hatched cup.
void CrossHatch(QPainter& painter, const QPainterPath& area, const QPen& pen,
                const std::array<QLineF, 2>& lines, qreal from, qreal to, qreal step);

// A small xorshift generator: the same seed always gives the same pictures.
class NoiseSource {
public:
    explicit NoiseSource(std::uint32_t seed) : state_(seed ? seed : 1u) {}
    std::uint32_t Next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return state_;
    }

private:
    std::uint32_t state_;
};
