// Any text through the integer parser: no crash, and whatever it accepts as decimal it
// reads as the number the digits spell.

#include "store/record/IntegerText.h"

#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const std::optional<std::int32_t> parsed = ParseInt32(text);
    if (!parsed)
        return 0;

    // Every accepted number reads the same once written back in decimal.
    if (ParseInt32(QString::number(*parsed)) != parsed)
        __builtin_trap();

    // Plain decimal text must agree with the C library's reading of it.
    const QByteArray latin = text.toLatin1();
    const bool decimal = !latin.contains('$') && !latin.contains('x') && !latin.contains('X');
    if (decimal && std::strtoll(latin.constData(), nullptr, 10) != *parsed)
        __builtin_trap();
    return 0;
}
