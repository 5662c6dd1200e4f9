#pragma once
// The game's one integer parser, for the settings file and the stake typed in the dialog.

#include <QString>

#include <cstdint>
#include <optional>

// Leading spaces (not tabs), one optional sign, then decimal digits in the 32-bit range,
// or a "$", "x", "X", "0x", "0X" prefix and at most eight significant hexadecimal digits
// taken as a 32-bit pattern. Nothing may follow the digits. Empty when the text is invalid.
std::optional<std::int32_t> ParseInt32(const QString& text);
