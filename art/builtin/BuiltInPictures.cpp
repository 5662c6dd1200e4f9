#include "art/builtin/BuiltInPictures.h"

#include "art/Pictures.h"
#include "art/StartPictures.h"

#include <optional>

// Laid down by StartPictures.S, each from its first byte to the one after its last.
#define HUSZONEGY_PICTURE(name)                                                                    \
    extern "C" const uchar huszonegy_##name[];                                                     \
    extern "C" const uchar huszonegy_##name##_end[];
HUSZONEGY_PICTURE(felt_1)
HUSZONEGY_PICTURE(felt_2)
HUSZONEGY_PICTURE(back_1)
HUSZONEGY_PICTURE(back_2)
HUSZONEGY_PICTURE(icon_16)
HUSZONEGY_PICTURE(icon_32)
HUSZONEGY_PICTURE(icon_48)
#undef HUSZONEGY_PICTURE

namespace {

struct Bytes {
    const uchar* begin;
    const uchar* end;
};

// In the order of StartPictures.
const Bytes Built[] = {
    {huszonegy_felt_1, huszonegy_felt_1_end},   {huszonegy_felt_2, huszonegy_felt_2_end},
    {huszonegy_back_1, huszonegy_back_1_end},   {huszonegy_back_2, huszonegy_back_2_end},
    {huszonegy_icon_16, huszonegy_icon_16_end}, {huszonegy_icon_32, huszonegy_icon_32_end},
    {huszonegy_icon_48, huszonegy_icon_48_end},
};
static_assert(std::size(Built) == StartPictures.size());

// The picture where it lies in the program, never copied: Qt copies it only if something
// draws into it, and nothing does.
std::optional<QImage> BuiltIn(StartPictureId id) {
    const StartPicture& picture = StartPictureOf(id);
    const Bytes& bytes = Built[static_cast<std::size_t>(id)];
    if (bytes.end - bytes.begin != qsizetype(picture.width) * picture.height * 4)
        return std::nullopt;
    QImage image(bytes.begin, picture.width, picture.height, picture.width * 4, picture.format);
    image.setDevicePixelRatio(picture.ratio);
    return image;
}

std::optional<QImage> BuiltInAt(qreal ratio, StartPictureId at1, StartPictureId at2) {
    if (ratio == 1.0)
        return BuiltIn(at1);
    if (ratio == 2.0)
        return BuiltIn(at2);
    return std::nullopt;
}

template <typename Draw> QImage BuiltInOr(std::optional<QImage> built, Draw draw) {
    return built ? std::move(*built) : draw();
}

} // namespace

QPixmap FeltPixmap(qreal devicePixelRatio) {
    if (std::optional<QImage> felt =
            BuiltInAt(devicePixelRatio, StartPictureId::Felt1, StartPictureId::Felt2))
        return QPixmap::fromImage(std::move(*felt));
    return BackgroundPicture(devicePixelRatio);
}

QImage CardBackPicture(int scale) {
    return BuiltInOr(BuiltInAt(scale, StartPictureId::Back1, StartPictureId::Back2),
                     [scale] { return CardBackImage(scale); });
}

QImage IconPicture(int size) {
    std::optional<QImage> built;
    for (const StartPictureId icon :
         {StartPictureId::Icon16, StartPictureId::Icon32, StartPictureId::Icon48}) {
        if (StartPictureOf(icon).width == size)
            built = BuiltIn(icon);
    }
    return BuiltInOr(std::move(built), [size] { return AcornIcon(size); });
}
