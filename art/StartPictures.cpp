#include "art/StartPictures.h"

#include "art/Pictures.h"

QImage DrawStartPicture(StartPictureId id) {
    switch (id) {
    case StartPictureId::Felt1:
        return BackgroundPicture(1.0).toImage();
    case StartPictureId::Felt2:
        return BackgroundPicture(2.0).toImage();
    case StartPictureId::Back1:
        return CardBackImage(1);
    case StartPictureId::Back2:
        return CardBackImage(2);
    case StartPictureId::Icon16:
        return AcornIcon(16);
    case StartPictureId::Icon32:
        return AcornIcon(32);
    case StartPictureId::Icon48:
        return AcornIcon(48);
    }
    return {};
}
