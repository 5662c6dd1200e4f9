// Any bytes as a card picture, decoded as the table decodes it before drawing: a picture
// comes back within the size bound and with every pixel set, anything else with one of the
// player's messages.

#include "bitmap/BitmapHeader.h"
#include "bitmap/BitmapLoader.h"
#include "bitmap/SeeThrough.h"

#include <QImage>

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string_view>

#if __has_include(<valgrind/memcheck.h>)
#include <valgrind/memcheck.h>
#endif

namespace {

// Under valgrind, reports every pixel no decoder wrote; elsewhere it costs nothing. The
// drawn picture has 32-bit pixels and no padding, so every byte checked is a pixel's.
void CheckEveryPixelSet(const QImage& picture) {
#ifdef VALGRIND_CHECK_MEM_IS_DEFINED
    for (int y = 0; y < picture.height(); ++y)
        VALGRIND_CHECK_MEM_IS_DEFINED(picture.constScanLine(y),
                                      static_cast<std::size_t>(picture.width()) * 4);
#else
    (void)picture;
#endif
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QImage picture;
    try {
        picture = ApplySeeThrough(DecodeBitmap(bytes));
    } catch (const std::runtime_error& error) {
        const std::string_view message = error.what();
        if (message != "Stream read error" && message != "Bitmap image is not valid")
            __builtin_trap();
        return 0;
    }
    if (picture.width() > MaxPictureSide || picture.height() > MaxPictureSide)
        __builtin_trap();
    if (!picture.isNull() && picture.format() != QImage::Format_ARGB32)
        __builtin_trap();
    CheckEveryPixelSet(picture);
    return 0;
}
