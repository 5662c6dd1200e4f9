// Every text the game colours itself reads in the desktop's theme, light or dark: the game
// buttons' captions, resting and under the mouse, and the about box's headings and version,
// at least 4.5:1 against their ground. theme_contrast.sh runs this under dark themes too.
#include "MainWindowFixture.h"

#include "ui/dialogs/Nevjegy.h"
#include "ui/look/ButtonHover.h"

#include <QPalette>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>

namespace {

double Luminance(QRgb rgb) {
    const auto channel = [](int value) {
        const double c = value / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(rgb)) + 0.7152 * channel(qGreen(rgb)) +
           0.0722 * channel(qBlue(rgb));
}

double Contrast(QRgb a, QRgb b) {
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The commonest colour inside the widget's edges is its ground, the colour farthest from it
// the text's ink (the cores of the strokes reach it).
double TextContrast(QWidget* widget) {
    const QImage image = widget->grab()
                             .toImage()
                             .convertToFormat(QImage::Format_RGB32)
                             .copy(widget->rect().adjusted(3, 2, -3, -2));
    std::map<QRgb, int> count;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ++count[image.pixel(x, y)];
    const QRgb ground = std::max_element(count.begin(), count.end(), [](auto& a, auto& b) {
                            return a.second < b.second;
                        })->first;
    double most = 1;
    for (const auto& [ink, n] : count)
        most = std::max(most, Contrast(ink, ground));
    return most;
}

constexpr double Readable = 4.5;

TEST_F(MainWindowTest, EveryTextTheGameColoursReadsInTheDesktopsTheme) {
    // Under a dark theme the check means something only when the theme really is dark.
    if (qEnvironmentVariableIsSet("HUSZONEGY_DARK_THEME")) {
        ASSERT_LT(QApplication::palette().color(QPalette::Window).lightness(), 100);
    }
    Tfrm_Main& table = OpenShown();
    const auto measure = [](QWidget* widget, const char* what) {
        const double contrast = TextContrast(widget);
        std::printf("%s: %.1f:1\n", what, contrast);
        EXPECT_GE(contrast, Readable) << what;
    };
    const auto buttons = [&] {
        QToolButton* live[] = {table.SpeedButton1, table.SpeedButton4, table.SpeedButton5};
        for (QToolButton* button : live) {
            if (!button->isEnabled())
                continue;
            const QByteArray name = button->text().toUtf8();
            QTest::mouseMove(&table, QPoint(250, 250));
            measure(button, name);
            QTest::mouseMove(&table, button->geometry().center());
            EXPECT_TRUE(QTest::qWaitFor(
                [button] { return button->palette().color(QPalette::Button) == LitButtonFace; }));
            measure(button, name + " under the mouse");
        }
    };
    buttons();
    Key(Qt::Key_F2);
    buttons();

    Tfrm_Nevjegy box(&table);
    box.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
    measure(box.Label3, "21 kártyajáték");
    measure(box.Label2, "Elérhetőség");
    measure(box.ProductName, "version");
}

} // namespace
