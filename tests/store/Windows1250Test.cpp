#include "store/record/Windows1250.h"

#include <QStringDecoder>
#include <gtest/gtest.h>

namespace {

struct CodePageCase {
    const char* text; // UTF-8
    QByteArray bytes; // Windows-1250
};

class Windows1250Test : public testing::TestWithParam<CodePageCase> {};

TEST_P(Windows1250Test, EncodesAndDecodes) {
    const CodePageCase& c = GetParam();
    const QString text = QString::fromUtf8(c.text);
    EXPECT_EQ(EncodeWindows1250(text), c.bytes);
    EXPECT_EQ(DecodeWindows1250(c.bytes), text);
}

INSTANTIATE_TEST_SUITE_P(
    HungarianLetters, Windows1250Test,
    testing::Values(CodePageCase{"Tarvesz", "Tarvesz"},
                    CodePageCase{"őűŐŰ", QByteArray("\xF5\xFB\xD5\xDB")},
                    CodePageCase{"áéíóöúüÁÉÍÓÖÚÜ",
                                 QByteArray("\xE1\xE9\xED\xF3\xF6\xFA\xFC\xC1\xC9\xCD\xD3\xD6"
                                            "\xDA\xDC")},
                    CodePageCase{"€ Šš Žž", QByteArray("\x80 \x8A\x9A \x8E\x9E")},
                    CodePageCase{"", QByteArray()}));

struct UnmappableCase {
    const char* text; // UTF-8
    QByteArray bytes;
};

class Windows1250UnmappableTest : public testing::TestWithParam<UnmappableCase> {};

TEST_P(Windows1250UnmappableTest, BecomesQuestionMark) {
    EXPECT_EQ(EncodeWindows1250(QString::fromUtf8(GetParam().text)), GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(OutsideTheCodePage, Windows1250UnmappableTest,
                         testing::Values(UnmappableCase{"ñ", "?"}, UnmappableCase{"日本", "??"},
                                         UnmappableCase{"a😀b", "a?b"},
                                         UnmappableCase{"Ő€ő", QByteArray("\xD5\x80\xF5")}));

TEST(Windows1250, EveryByteRoundTrips) {
    QByteArray all;
    for (int byte = 0; byte < 256; ++byte)
        all.append(static_cast<char>(byte));
    const QString decoded = DecodeWindows1250(all);
    ASSERT_EQ(decoded.size(), 256);
    EXPECT_EQ(EncodeWindows1250(decoded), all);
    // The same characters as Qt's own converter, which the settings file was written with.
    QStringDecoder qt("windows-1250", QStringConverter::Flag::Stateless);
    if (qt.isValid()) {
        EXPECT_EQ(decoded, QString(qt.decode(all)));
    }
}

} // namespace
