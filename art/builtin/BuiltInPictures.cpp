#include "art/builtin/BuiltInPictures.h"

#include "art/StartPictures.h"

#include <numeric>
#include <optional>

// Laid down by StartPictures.cpp: the start's pictures one after another, as StartPictures lists
// them, from the first byte to the one after the last.
extern "C" const uchar huszonegy_start_pictures[];
extern "C" const uchar huszonegy_start_pictures_end[];

namespace {

// The picture where it lies in the program, never copied: Qt would copy it only to draw into
// it, and nothing does.
std::optional<QImage> BuiltIn(StartPictureKind kind, int variant, qreal ratio) {
    const std::optional<std::size_t> index = FindStartPicture(kind, variant, ratio);
    const auto bytes = [](qsizetype sum, const StartPicture& picture) {
        return sum + picture.Bytes();
    };
    // Pictures of another build laid in would be read wrongly: they are drawn instead.
    if (!index ||
        huszonegy_start_pictures_end - huszonegy_start_pictures !=
            std::accumulate(StartPictures.begin(), StartPictures.end(), qsizetype(0), bytes))
        return std::nullopt;
    const StartPicture& picture = StartPictures[*index];
    const qsizetype offset =
        std::accumulate(StartPictures.begin(), StartPictures.begin() + *index, qsizetype(0), bytes);
    QImage image(huszonegy_start_pictures + offset, picture.width, picture.height,
                 picture.width * 4, picture.format);
    image.setDevicePixelRatio(ratio);
    return image;
}

template <typename Draw>
QPixmap BuiltInPixmapOr(StartPictureKind kind, int variant, qreal ratio, Draw draw) {
    if (std::optional<QImage> built = BuiltIn(kind, variant, ratio))
        return QPixmap::fromImage(std::move(*built));
    return draw();
}

template <typename Draw>
QImage BuiltInImageOr(StartPictureKind kind, int variant, qreal ratio, Draw draw) {
    std::optional<QImage> built = BuiltIn(kind, variant, ratio);
    return built ? std::move(*built) : draw();
}

} // namespace

QPixmap FeltPixmap(qreal devicePixelRatio) {
    return BuiltInPixmapOr(StartPictureKind::Felt, 0, devicePixelRatio,
                           [&] { return BackgroundPicture(devicePixelRatio); });
}

QImage CardBackPicture(int scale) {
    return BuiltInImageOr(StartPictureKind::CardBack, 0, scale,
                          [&] { return CardBackImage(scale); });
}

QImage IconPicture(int size) {
    return BuiltInImageOr(StartPictureKind::Icon, size, 1.0, [&] { return AcornIcon(size); });
}

QPixmap ButtonPixmap(ButtonPicture which, qreal devicePixelRatio) {
    return BuiltInPixmapOr(StartPictureKind::Button, static_cast<int>(which), devicePixelRatio,
                           [&] { return ButtonPicturePixmap(which, devicePixelRatio); });
}

QPixmap DebtMarkPixmap(qreal devicePixelRatio) {
    return BuiltInPixmapOr(StartPictureKind::DebtMark, 0, devicePixelRatio,
                           [&] { return DebtMarkPicture(devicePixelRatio); });
}
