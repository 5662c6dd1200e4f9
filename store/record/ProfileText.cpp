#include "store/record/ProfileText.h"

#include "store/record/Windows1250.h"

#include <QByteArrayView>

namespace {

constexpr QByteArrayView Utf8Bom("\xEF\xBB\xBF");

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

enum class LineKind { Other, Section, Key };

// One line of the file, as offsets into its bytes.
struct ProfileLine {
    LineKind kind = LineKind::Other;
    qsizetype start = 0;
    qsizetype contentEnd = 0; // before "\n" or "\r\n"
    qsizetype next = 0;       // where the following line starts
    qsizetype nameStart = 0;  // section or key name, blanks trimmed
    qsizetype nameEnd = 0;
    qsizetype valueStart = 0; // right after "=": a write replaces the blanks there too
    bool blank = true;
    bool terminated = false; // ends with a line break (every line but perhaps the last)
};

ProfileLine ReadLine(const QByteArray& bytes, qsizetype start) {
    ProfileLine line;
    line.start = start;
    const qsizetype size = bytes.size();
    const char* data = bytes.constData();

    const qsizetype newline = bytes.indexOf('\n', start);
    if (newline < 0) {
        line.contentEnd = size;
        line.next = size;
    } else {
        line.terminated = true;
        line.next = newline + 1;
        line.contentEnd = (newline > start && data[newline - 1] == '\r') ? newline - 1 : newline;
    }

    qsizetype first = start;
    while (first < line.contentEnd && IsBlank(data[first]))
        ++first;
    if (first == line.contentEnd)
        return line;
    line.blank = false;

    qsizetype last = line.contentEnd;
    while (last > first && IsBlank(data[last - 1]))
        --last;

    if (data[first] == '[') {
        qsizetype close = last - 1;
        while (close > first && data[close] != ']')
            --close;
        if (close == first)
            return line; // "[" without "]": not a header, just skipped
        line.kind = LineKind::Section;
        line.nameStart = first + 1;
        line.nameEnd = close;
    } else {
        const qsizetype found = QByteArrayView(data + first, line.contentEnd - first).indexOf('=');
        if (found < 0)
            return line;
        const qsizetype equals = first + found;
        line.kind = LineKind::Key;
        line.nameStart = first;
        line.nameEnd = equals;
        line.valueStart = equals + 1;
    }
    while (line.nameStart < line.nameEnd && IsBlank(data[line.nameStart]))
        ++line.nameStart;
    while (line.nameEnd > line.nameStart && IsBlank(data[line.nameEnd - 1]))
        --line.nameEnd;
    return line;
}

QString Decode(QByteArrayView bytes, bool utf8) {
    return utf8 ? QString::fromUtf8(bytes) : DecodeWindows1250(bytes);
}

QByteArray Encode(QStringView text, bool utf8) {
    return utf8 ? text.toUtf8() : EncodeWindows1250(text);
}

bool NameMatches(const QByteArray& bytes, const ProfileLine& line, QStringView wanted, bool utf8) {
    const qsizetype length = line.nameEnd - line.nameStart;
    // One byte per character in the code page: a different length can never match.
    if (!utf8 && length != wanted.size())
        return false;
    const QString name = Decode(QByteArrayView(bytes).sliced(line.nameStart, length), utf8);
    return QStringView(name).compare(wanted, Qt::CaseInsensitive) == 0;
}

// Where a key stands, or where it would go.
struct KeyLocation {
    bool sectionFound = false;
    bool keyFound = false;
    ProfileLine keyLine;
    qsizetype sectionEnd = 0; // after the section's last non-blank line
    bool sectionEndTerminated = false;
};

KeyLocation Locate(const QByteArray& bytes, qsizetype begin, bool utf8, QStringView section,
                   QStringView key) {
    KeyLocation location;
    bool inSection = false;
    for (qsizetype at = begin; at < bytes.size();) {
        const ProfileLine line = ReadLine(bytes, at);
        at = line.next;
        if (line.kind == LineKind::Section) {
            if (inSection)
                break; // only the first section of that name counts
            inSection = NameMatches(bytes, line, section, utf8);
            location.sectionFound = inSection;
        } else if (inSection && line.kind == LineKind::Key && NameMatches(bytes, line, key, utf8)) {
            location.keyFound = true;
            location.keyLine = line;
            return location;
        }
        if (inSection && !line.blank) {
            location.sectionEnd = line.next;
            location.sectionEndTerminated = line.terminated;
        }
    }
    return location;
}

QByteArray LineBreakOf(const QByteArray& bytes) {
    const qsizetype newline = bytes.indexOf('\n');
    if (newline < 0 || (newline > 0 && bytes.at(newline - 1) == '\r'))
        return "\r\n"; // what a new file gets, readable by the game's older Windows versions
    return "\n";
}

} // namespace

ProfileText::ProfileText(QByteArray bytes)
    : bytes_(std::move(bytes)), utf8_(bytes_.startsWith(Utf8Bom)) {}

std::optional<QString> ProfileText::Value(QStringView section, QStringView key) const {
    const qsizetype begin = utf8_ ? Utf8Bom.size() : 0;
    const KeyLocation location = Locate(bytes_, begin, utf8_, section, key);
    if (!location.keyFound)
        return std::nullopt;

    QByteArrayView raw = QByteArrayView(bytes_).sliced(
        location.keyLine.valueStart, location.keyLine.contentEnd - location.keyLine.valueStart);
    // The service hands back a C string: a NUL byte ends the value.
    const qsizetype nul = raw.indexOf('\0');
    if (nul >= 0)
        raw = raw.first(nul);
    while (!raw.isEmpty() && IsBlank(raw.front()))
        raw = raw.sliced(1);
    while (!raw.isEmpty() && IsBlank(raw.back()))
        raw.chop(1);
    if (raw.size() >= 2 && (raw.front() == '"' || raw.front() == '\'') && raw.back() == raw.front())
        raw = raw.sliced(1, raw.size() - 2);

    QString value = Decode(raw, utf8_);
    if (value.size() > ProfileValueLimit) {
        qsizetype keep = ProfileValueLimit;
        if (value.at(keep - 1).isHighSurrogate())
            --keep; // never leave half a character behind
        value.truncate(keep);
    }
    return value;
}

void ProfileText::SetValue(QStringView section, QStringView key, QStringView value) {
    QString oneLine = value.toString();
    for (QChar& c : oneLine) {
        if (c == u'\r' || c == u'\n' || c == u'\0')
            c = u' ';
    }
    const QByteArray encodedValue = Encode(oneLine, utf8_);

    const qsizetype begin = utf8_ ? Utf8Bom.size() : 0;
    const KeyLocation location = Locate(bytes_, begin, utf8_, section, key);
    if (location.keyFound) {
        const ProfileLine& line = location.keyLine;
        bytes_.replace(line.valueStart, line.contentEnd - line.valueStart, encodedValue);
        return;
    }

    const QByteArray lineBreak = LineBreakOf(bytes_);
    const QByteArray keyLine = Encode(key, utf8_) + '=' + encodedValue + lineBreak;
    if (location.sectionFound) {
        const QByteArray before = location.sectionEndTerminated ? QByteArray() : lineBreak;
        bytes_.insert(location.sectionEnd, before + keyLine);
        return;
    }
    if (bytes_.size() > begin && !bytes_.endsWith('\n'))
        bytes_.append(lineBreak);
    bytes_.append('[' + Encode(section, utf8_) + ']' + lineBreak + keyLine);
}

void ProfileText::EndLastLine() {
    if (bytes_.size() > (utf8_ ? Utf8Bom.size() : 0) && !bytes_.endsWith('\n'))
        bytes_.append(LineBreakOf(bytes_));
}
