#pragma once
// A private-profile (INI) file held in memory as its bytes, with the Windows profile service's
// rules: case-insensitive lookup, trimmed and unquoted values, Windows-1250 bytes, and every
// other byte of the file left as it was when a value is set.

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <optional>

// At most this many characters of a value come back, as from a 2048-byte buffer.
inline constexpr int ProfileValueLimit = 2047;

class ProfileText {
public:
    // The bytes of a file as read. Windows-1250 unless they start with a UTF-8 byte order
    // mark, in which case the file is UTF-8 throughout and stays so.
    explicit ProfileText(QByteArray bytes = {});

    // The first `key` of the first `section`, both found whatever their letter case: its
    // value with the blanks around it removed, one pair of enclosing matching quotes taken
    // off and cut to ProfileValueLimit characters. Empty when the section or key is absent.
    std::optional<QString> Value(QStringView section, QStringView key) const;

    // Replaces everything after the key's equals sign, blanks included, where it stands; otherwise
    // appends the key at the end of its section, or the section at the end of the file. Line breaks
    // in `value` become blanks, so a value can never add lines of its own to the file.
    void SetValue(QStringView section, QStringView key, QStringView value);

    // Ends the last line with the file's own line break when it has none.
    void EndLastLine();

    const QByteArray& Bytes() const { return bytes_; }

private:
    QByteArray bytes_;
    bool utf8_ = false;
};
