#include "bitmap/BitmapHeader.h"

#include <cstdint>

namespace {

constexpr std::uint32_t BiRgb = 0, BiRle8 = 1, BiRle4 = 2, BiBitfields = 3;

std::uint32_t U16(const QByteArray& b, qsizetype at) {
    return static_cast<std::uint8_t>(b[at]) | static_cast<std::uint8_t>(b[at + 1]) << 8;
}
std::uint32_t U32(const QByteArray& b, qsizetype at) {
    return U16(b, at) | U16(b, at + 2) << 16;
}
std::int32_t S32(const QByteArray& b, qsizetype at) {
    return static_cast<std::int32_t>(U32(b, at));
}

struct Info {
    std::uint32_t headerSize = 0;
    std::int64_t width = 0;
    std::int64_t height = 0; // negative: rows stored top-down
    std::uint32_t planes = 0;
    std::uint32_t bitCount = 0;
    std::uint32_t compression = BiRgb;
    std::uint32_t imageSize = 0;
    std::uint32_t coloursUsed = 0;
};

bool KnownHeaderSize(std::uint32_t size) {
    return size == 12 || size == 40 || size == 52 || size == 56 || size == 64 || size == 108 ||
           size == 124;
}

Info ReadInfo(const QByteArray& b) {
    Info info;
    info.headerSize = U32(b, 14);
    if (info.headerSize == 12) { // OS/2 core header
        info.width = U16(b, 18);
        info.height = static_cast<std::int16_t>(U16(b, 20));
        info.planes = U16(b, 22);
        info.bitCount = U16(b, 24);
        return info;
    }
    info.width = S32(b, 18);
    info.height = S32(b, 22);
    info.planes = U16(b, 26);
    info.bitCount = U16(b, 28);
    info.compression = U32(b, 30);
    info.imageSize = U32(b, 34);
    info.coloursUsed = U32(b, 46);
    return info;
}

bool FormatIsValid(const Info& info) {
    if (info.planes != 1 || info.width <= 0 || info.height == 0 || info.width > MaxPictureSide)
        return false;
    const std::int64_t rows = info.height < 0 ? -info.height : info.height;
    if (rows > MaxPictureSide)
        return false;
    switch (info.compression) {
    case BiRgb:
        return info.bitCount == 1 || info.bitCount == 4 || info.bitCount == 8 ||
               info.bitCount == 16 || info.bitCount == 24 || info.bitCount == 32;
    case BiRle8:
        return info.bitCount == 8 && info.height > 0 && info.imageSize > 0;
    case BiRle4:
        return info.bitCount == 4 && info.height > 0 && info.imageSize > 0;
    case BiBitfields:
        return (info.bitCount == 16 || info.bitCount == 32) && info.headerSize != 12;
    default:
        return false;
    }
}

BitmapCheck CheckLayout(const QByteArray& b) {
    const std::int64_t fileSize = b.size();
    // File header, then at least the info header's own size field.
    if (fileSize < 18)
        return BitmapCheck::Truncated;
    const std::uint32_t declaredSize = U32(b, 2);
    const std::int64_t pixelOffset = U32(b, 10);
    const std::uint32_t headerSize = U32(b, 14);
    if (!KnownHeaderSize(headerSize))
        return BitmapCheck::Invalid;
    if (fileSize < 14 + static_cast<std::int64_t>(headerSize))
        return BitmapCheck::Truncated;
    if (declaredSize > fileSize)
        return BitmapCheck::Truncated;

    const Info info = ReadInfo(b);
    if (!FormatIsValid(info))
        return BitmapCheck::Invalid;

    std::int64_t tableStart = 14 + info.headerSize;
    if (info.compression == BiBitfields && info.headerSize == 40)
        tableStart += 12; // the three colour masks follow the short header
    std::int64_t paletteBytes = 0;
    if (info.bitCount <= 8) {
        const std::int64_t most = std::int64_t{1} << info.bitCount;
        const std::int64_t colours = info.coloursUsed ? info.coloursUsed : most;
        if (colours > most)
            return BitmapCheck::Invalid;
        paletteBytes = colours * (info.headerSize == 12 ? 3 : 4);
    }
    if (pixelOffset < tableStart + paletteBytes && info.bitCount <= 8)
        return BitmapCheck::Invalid;
    if (pixelOffset < tableStart)
        return BitmapCheck::Invalid;

    const std::int64_t rows = info.height < 0 ? -info.height : info.height;
    const std::int64_t rowBytes = (info.width * info.bitCount + 31) / 32 * 4;
    const std::int64_t pixelBytes =
        info.compression == BiRle8 || info.compression == BiRle4 ? info.imageSize : rowBytes * rows;
    if (fileSize < pixelOffset + pixelBytes)
        return BitmapCheck::Truncated;
    return BitmapCheck::Sound;
}
} // namespace

BitmapHeaders CheckBitmapHeaders(const QByteArray& bytes) {
    BitmapHeaders headers;
    headers.check = CheckLayout(bytes);
    if (headers.check != BitmapCheck::Sound)
        return headers;
    const Info info = ReadInfo(bytes);
    headers.shape.width = static_cast<int>(info.width);
    headers.shape.height = static_cast<int>(info.height < 0 ? -info.height : info.height);
    headers.shape.runLength = info.compression == BiRle8 || info.compression == BiRle4;
    return headers;
}
