#include "store/record/Windows1250.h"

#include <QStringDecoder>

#include <algorithm>
#include <array>
#include <optional>
#include <utility>

namespace {

// Both directions as plain tables, built once from Qt's own code page data: every byte
// decodes to one UTF-16 unit, and a byte's character encodes back to that byte.
struct CodePageTables {
    std::array<char16_t, 256> toUnicode{};
    // Every byte's character with the byte, in order of character and then of byte, so the
    // first byte of a character is found by a binary search.
    std::array<std::pair<char16_t, unsigned char>, 256> toByte{};

    CodePageTables() {
        std::array<char, 256> raw{};
        for (std::size_t byte = 0; byte < raw.size(); ++byte) {
            raw[byte] = static_cast<char>(byte);
            toUnicode[byte] = static_cast<char16_t>(byte); // Latin-1 if Qt lacks the code page
        }
        QStringDecoder decoder("windows-1250", QStringConverter::Flag::Stateless);
        if (decoder.isValid()) {
            // One call decodes them all, unless some byte does not give exactly one unit.
            const QString all = decoder.decode(QByteArrayView(raw.data(), raw.size()));
            for (std::size_t byte = 0; byte < raw.size(); ++byte) {
                if (all.size() == qsizetype(raw.size())) {
                    toUnicode[byte] = all.at(qsizetype(byte)).unicode();
                } else if (const QString one = decoder.decode(QByteArrayView(&raw[byte], 1));
                           one.size() == 1) {
                    toUnicode[byte] = one.at(0).unicode();
                }
            }
        }
        for (std::size_t byte = 0; byte < raw.size(); ++byte)
            toByte[byte] = {toUnicode[byte], static_cast<unsigned char>(byte)};
        std::sort(toByte.begin(), toByte.end());
    }

    // The first byte whose character `unit` is, or none.
    std::optional<char> ByteOf(char16_t unit) const {
        const auto found = std::lower_bound(toByte.begin(), toByte.end(),
                                            std::pair<char16_t, unsigned char>{unit, 0});
        if (found == toByte.end() || found->first != unit)
            return std::nullopt;
        return static_cast<char>(found->second);
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
        bytes.append(tables.ByteOf(unit.unicode()).value_or('?'));
    }
    return bytes;
}
