#include "art/StartPictures.h"

std::optional<std::size_t> FindStartPicture(StartPictureKind kind, int variant, qreal ratio) {
    for (std::size_t i = 0; i < StartPictures.size(); ++i) {
        const StartPicture& picture = StartPictures[i];
        if (picture.kind == kind && picture.variant == variant && picture.ratio == ratio)
            return i;
    }
    return std::nullopt;
}

QImage DrawStartPicture(const StartPicture& picture) {
    switch (picture.kind) {
    case StartPictureKind::Felt:
        return BackgroundPicture(picture.ratio).toImage();
    case StartPictureKind::CardBack:
        return CardBackImage(static_cast<int>(picture.ratio));
    case StartPictureKind::Icon:
        return AcornIcon(picture.variant);
    case StartPictureKind::Button:
        return ButtonPicturePixmap(static_cast<ButtonPicture>(picture.variant), picture.ratio)
            .toImage();
    case StartPictureKind::DebtMark:
        return DebtMarkPicture(picture.ratio).toImage();
    }
    return {};
}
