// Any bytes as a settings file: every lookup must come back, and a value set must read back
// exactly while leaving every other value as it was; setting it again changes nothing.

#include "store/record/IntegerText.h"
#include "store/record/ProfileText.h"
#include "store/record/Settings.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

namespace {

std::array<std::optional<QString>, SettingsKeys.size()> AllValues(const ProfileText& text) {
    std::array<std::optional<QString>, SettingsKeys.size()> values;
    for (std::size_t i = 0; i < SettingsKeys.size(); ++i) {
        values[i] = text.Value(SettingsKeys[i].section, SettingsKeys[i].key);
        if (values[i] && values[i]->size() > ProfileValueLimit)
            __builtin_trap();
        if (values[i])
            (void)ParseInt32(*values[i]);
    }
    return values;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    // The first byte picks the key to set, so the rest of the file is free-form.
    const std::size_t chosen = data[0] % SettingsKeys.size();
    const QByteArray bytes(reinterpret_cast<const char*>(data) + 1,
                           static_cast<qsizetype>(size - 1));

    ProfileText text(bytes);
    std::array<std::optional<QString>, SettingsKeys.size()> expected = AllValues(text);

    // Leading blanks, as a name typed with them: they read back trimmed, and writing the
    // same value again must not change a byte, so repeated saves never grow the file.
    const QString value = QStringLiteral("v%1").arg(size);
    const QString typed = QStringLiteral("  ") + value;
    text.SetValue(SettingsKeys[chosen].section, SettingsKeys[chosen].key, typed);
    expected[chosen] = value;
    const QByteArray once = text.Bytes();
    text.SetValue(SettingsKeys[chosen].section, SettingsKeys[chosen].key, typed);
    if (text.Bytes() != once)
        __builtin_trap();

    // Reading the edited bytes afresh, as the next start would.
    if (AllValues(ProfileText(text.Bytes())) != expected)
        __builtin_trap();
    return 0;
}
