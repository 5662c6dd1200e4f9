#include "app/FileName.h"

namespace {

// Length of the valid UTF-8 sequence starting at `at` and its code point, or 0 when the
// bytes there are not one (overlong forms, surrogates and values past U+10FFFF included).
int ValidSequence(QByteArrayView bytes, qsizetype at, char32_t& codePoint) {
    const auto byte = [&](qsizetype i) { return static_cast<unsigned char>(bytes[i]); };
    const unsigned char lead = byte(at);
    int length = 0;
    char32_t value = 0;
    char32_t smallest = 0;
    if (lead < 0x80) {
        codePoint = lead;
        return 1;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2, value = lead & 0x1F, smallest = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, value = lead & 0x0F, smallest = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, value = lead & 0x07, smallest = 0x10000;
    } else {
        return 0;
    }
    if (at + length > bytes.size())
        return 0;
    for (int i = 1; i < length; ++i) {
        const unsigned char next = byte(at + i);
        if ((next & 0xC0) != 0x80)
            return 0;
        value = (value << 6) | (next & 0x3F);
    }
    if (value < smallest || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
        return 0;
    codePoint = value;
    return length;
}

} // namespace

QString DecodeFileName(QByteArrayView bytes) {
    QString name;
    name.reserve(bytes.size());
    for (qsizetype at = 0; at < bytes.size();) {
        char32_t codePoint = 0;
        const int length = ValidSequence(bytes, at, codePoint);
        if (length == 0) {
            name.append(QChar(char16_t(0xDC00 + static_cast<unsigned char>(bytes[at]))));
            ++at;
            continue;
        }
        const char32_t one[] = {codePoint};
        name.append(QString::fromUcs4(one, 1));
        at += length;
    }
    return name;
}

QByteArray EncodeFileName(QStringView name) {
    QByteArray bytes;
    bytes.reserve(name.size());
    for (qsizetype i = 0; i < name.size(); ++i) {
        const char16_t unit = name[i].unicode();
        const bool pairStarts =
            QChar::isHighSurrogate(unit) && i + 1 < name.size() && name[i + 1].isLowSurrogate();
        if (pairStarts) {
            bytes.append(name.sliced(i, 2).toUtf8());
            ++i;
        } else if (unit >= 0xDC80 && unit <= 0xDCFF) {
            bytes.append(static_cast<char>(unit - 0xDC00)); // a byte kept from decoding
        } else if (QChar::isSurrogate(unit)) {
            bytes.append('?'); // never made by DecodeFileName: no byte to give back
        } else {
            bytes.append(name.sliced(i, 1).toUtf8());
        }
    }
    return bytes;
}
