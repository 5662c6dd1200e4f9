#pragma once
// The pictures every start shows, drawn once at build time by the card generator for the
// device-pixel ratios most screens have, 1 and 2, and built into the program: the felt alone
// cost a start more than the rest of the window. Any other ratio is drawn at start, as before.

#include "art/Pictures.h"

#include <QImage>

#include <array>
#include <optional>

enum class StartPictureKind { Felt, CardBack, Icon, Button, DebtMark };

struct StartPicture {
    StartPictureKind kind;
    int variant; // the icon's size, the button's ButtonPicture; 0 for the others
    qreal ratio;
    int width; // in device pixels
    int height;
    QImage::Format format;

    qsizetype Bytes() const { return qsizetype(width) * height * 4; }
};

constexpr StartPicture ButtonAt(ButtonPicture button, int ratio) {
    return {StartPictureKind::Button,
            static_cast<int>(button),
            qreal(ratio),
            16 * ratio,
            16 * ratio,
            QImage::Format_ARGB32_Premultiplied};
}

// In the order the generator lays them one after another.
inline constexpr std::array<StartPicture, 21> StartPictures{{
    {StartPictureKind::Felt, 0, 1.0, 512, 516, QImage::Format_RGB32},
    {StartPictureKind::Felt, 0, 2.0, 1024, 1032, QImage::Format_RGB32},
    {StartPictureKind::CardBack, 0, 1.0, 76, 124, QImage::Format_RGB32},
    {StartPictureKind::CardBack, 0, 2.0, 152, 248, QImage::Format_RGB32},
    {StartPictureKind::Icon, 16, 1.0, 16, 16, QImage::Format_ARGB32_Premultiplied},
    {StartPictureKind::Icon, 32, 1.0, 32, 32, QImage::Format_ARGB32_Premultiplied},
    {StartPictureKind::Icon, 48, 1.0, 48, 48, QImage::Format_ARGB32_Premultiplied},
    {StartPictureKind::DebtMark, 0, 1.0, 64, 64, QImage::Format_ARGB32_Premultiplied},
    {StartPictureKind::DebtMark, 0, 2.0, 128, 128, QImage::Format_ARGB32_Premultiplied},
    ButtonAt(ButtonPicture::Close, 1),
    ButtonAt(ButtonPicture::Close, 2),
    ButtonAt(ButtonPicture::Minimise, 1),
    ButtonAt(ButtonPicture::Minimise, 2),
    ButtonAt(ButtonPicture::Settings, 1),
    ButtonAt(ButtonPicture::Settings, 2),
    ButtonAt(ButtonPicture::About, 1),
    ButtonAt(ButtonPicture::About, 2),
    ButtonAt(ButtonPicture::Homepage, 1),
    ButtonAt(ButtonPicture::Homepage, 2),
    ButtonAt(ButtonPicture::ResetResults, 1),
    ButtonAt(ButtonPicture::ResetResults, 2),
}};

// Where the picture of `kind` and `variant` at `ratio` stands in StartPictures, if it does.
std::optional<std::size_t> FindStartPicture(StartPictureKind kind, int variant, qreal ratio);

// The picture drawn as a start without it built in would draw it.
QImage DrawStartPicture(const StartPicture& picture);
