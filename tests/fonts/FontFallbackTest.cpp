// Every font the game asks for, on a machine with only the package's hard dependencies: no
// Comic Neue, none of Wine's Windows faces, no Arial. A missing family must give way to a
// plain sans, never to what the font configuration likens it to (a script face for "Comic
// Sans MS"). The font configuration is narrowed before the application starts.
#include "ui/look/Fonts.h"

#include <QApplication>
#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>

namespace {

const char* const HiddenFamilies[] = {"Comic Neue", "Comic Sans MS", "Tahoma", "MS Sans Serif",
                                      "Arial"};

// The system's font configuration, minus the faces the package only recommends.
QByteArray NarrowedFontConfiguration() {
    QByteArray hidden;
    for (const char* family : HiddenFamilies)
        hidden += QByteArray("<pattern><patelt name=\"family\"><string>") + family +
                  "</string></patelt></pattern>";
    return "<?xml version=\"1.0\"?>\n<!DOCTYPE fontconfig SYSTEM \"urn:fontconfig:fonts.dtd\">\n"
           "<fontconfig><include ignore_missing=\"yes\">/etc/fonts/fonts.conf</include>"
           "<selectfont><rejectfont>" +
           hidden + "</rejectfont></selectfont></fontconfig>\n";
}

struct Request {
    const char* name;
    std::function<QFont()> font;
};

class WithoutRecommendedFonts : public ::testing::TestWithParam<Request> {};

TEST_P(WithoutRecommendedFonts, FallsToAPlainSans) {
    for (const char* family : HiddenFamilies)
        ASSERT_FALSE(QFontDatabase::hasFamily(QString::fromLatin1(family))) << family;
    const QFontInfo shown(GetParam().font());
    EXPECT_TRUE(PlainFallbackFamilies().contains(shown.family())) << shown.family().toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Fonts, WithoutRecommendedFonts,
    ::testing::Values(Request{"SeatName", [] { return TableFont(15, true); }},
                      Request{"Caption", [] { return TableFont(12, false); }},
                      Request{"GameButton", [] { return ButtonFont(1.0); }},
                      Request{"GameButtonHiDpi", [] { return ButtonFont(2.0); }},
                      Request{"Dialog", [] { return DialogFont(); }},
                      Request{"Heading", [] { return HeadingFont(DialogFont()); }},
                      Request{"ProductName", [] { return ProductFont(15); }}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace

int main(int argc, char** argv) {
    QTemporaryDir folder;
    if (!folder.isValid())
        return 1;
    const QString configuration = folder.filePath(QStringLiteral("fonts.conf"));
    QFile file(configuration);
    if (!file.open(QIODevice::WriteOnly) || file.write(NarrowedFontConfiguration()) < 0)
        return 1;
    file.close();
    qputenv("FONTCONFIG_FILE", QFile::encodeName(configuration));
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    // As the game does at start, from a Wine font folder that is not there.
    RegisterWindowsFonts(folder.filePath(QStringLiteral("no-wine-fonts")));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
