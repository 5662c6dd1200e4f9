#include "store/record/Windows1250.h"

#include <QStringDecoder>

#include <array>
#include <cstdint>

namespace {

// Both directions as plain tables, built once from Qt's own code page data: every byte
// decodes to one UTF-16 unit, and a byte's character encodes back to that byte.
struct CodePageTables {
    std::array<char16_t, 256> toUnicode{};
    std::array<std::int16_t, 65536> toByte{};

    CodePageTables() {
        toByte.fill(-1);
        QStringDecoder decoder("windows-1250", QStringConverter::Flag::Stateless);
        for (int byte = 0; byte < 256; ++byte) {
            const char raw = static_cast<char>(byte);
            char16_t unit = static_cast<char16_t>(byte); // Latin-1 if Qt lacks the code page
            if (decoder.isValid()) {
                const QString decoded = decoder.decode(QByteArrayView(&raw, 1));
                if (decoded.size() == 1)
                    unit = decoded.at(0).unicode();
            }
            toUnicode[static_cast<std::size_t>(byte)] = unit;
            if (toByte[unit] < 0)
                toByte[unit] = static_cast<std::int16_t>(byte);
        }
    }
};

const CodePageTables& Tables() {
    static const CodePageTables tables;
    return tables;
}

} // namespace

QString DecodeWindows1250(QByteArrayView bytes) {
    const CodePageTables& tables = Tables();
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char byte : bytes)
        *out++ = QChar(tables.toUnicode[static_cast<unsigned char>(byte)]);
    return text;
}

QByteArray EncodeWindows1250(QStringView text) {
    const CodePageTables& tables = Tables();
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar unit = text.at(i);
        // A character outside the 16-bit range is one character, so it becomes one "?".
        if (unit.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            bytes.append('?');
            ++i;
            continue;
        }
        const std::int16_t byte = tables.toByte[unit.unicode()];
        bytes.append(byte < 0 ? '?' : static_cast<char>(byte));
    }
    return bytes;
}
