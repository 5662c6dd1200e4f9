#pragma once
// The pictures every start shows, drawn once at build time by the card generator for the
// device-pixel ratios most screens have and built into the program: the felt alone costs a
// start more than the rest of the window. Any other ratio is drawn at start, as before.

#include <QImage>

#include <array>

struct StartPicture {
    const char* name; // the generator's file, <name>.raw, and the program's symbol
    int width;        // in device pixels
    int height;
    QImage::Format format;
    qreal ratio;
};

enum class StartPictureId { Felt1, Felt2, Back1, Back2, Icon16, Icon32, Icon48 };

inline constexpr std::array<StartPicture, 7> StartPictures{{
    {"felt_1", 512, 516, QImage::Format_RGB32, 1.0},
    {"felt_2", 1024, 1032, QImage::Format_RGB32, 2.0},
    {"back_1", 76, 124, QImage::Format_RGB32, 1.0},
    {"back_2", 152, 248, QImage::Format_RGB32, 2.0},
    {"icon_16", 16, 16, QImage::Format_ARGB32_Premultiplied, 1.0},
    {"icon_32", 32, 32, QImage::Format_ARGB32_Premultiplied, 1.0},
    {"icon_48", 48, 48, QImage::Format_ARGB32_Premultiplied, 1.0},
}};

inline const StartPicture& StartPictureOf(StartPictureId id) {
    return StartPictures[static_cast<std::size_t>(id)];
}

// The picture drawn as a start without it built in would draw it.
QImage DrawStartPicture(StartPictureId id);
