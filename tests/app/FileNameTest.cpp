#include "app/FileName.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

struct NameCase {
    const char* name;
    friend void PrintTo(const NameCase& c, std::ostream* os) { *os << c.name; }
    QByteArray bytes;
    QString decoded;
};

class FileNameOf : public testing::TestWithParam<NameCase> {};

TEST_P(FileNameOf, DecodesAndRoundTripsEveryByte) {
    const QString decoded = DecodeFileName(GetParam().bytes);
    EXPECT_EQ(decoded, GetParam().decoded);
    EXPECT_EQ(EncodeFileName(decoded), GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Seged, FileNameOf,
    testing::Values(
        NameCase{"Utf8", "/home/j\xC3\xA1t\xC3\xA9k", QStringLiteral("/home/játék")},
        // "játék" in Latin-1: the two accented bytes are kept, not replaced.
        NameCase{"Latin1", "/home/j\xE1t\xE9k", QStringLiteral("/home/j\xDCE1t\xDCE9k")},
        NameCase{"OutsideTheBasicPlane", "/\xF0\x9F\x98\x80", QString::fromUtf8("/😀")},
        NameCase{"Overlong", "/\xC0\xAF", QStringLiteral("/\xDCC0\xDCAF")},
        NameCase{"EncodedSurrogate", "/\xED\xA0\x80", QStringLiteral("/\xDCED\xDCA0\xDC80")},
        NameCase{"CutShort", "/\xE2\x82", QStringLiteral("/\xDCE2\xDC82")}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Seged, EveryByteSequenceRoundTrips) {
    QByteArray all;
    for (int byte = 1; byte < 256; ++byte)
        all.append(static_cast<char>(byte));
    EXPECT_EQ(EncodeFileName(DecodeFileName(all)), all);
}

} // namespace
