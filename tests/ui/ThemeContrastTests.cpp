// Every text the game colours itself (game buttons at rest, lit, pressed and focused, about
// box headings and version) reads at 4.5:1 or more in any theme; desktop_settings.sh runs it
// in dark ones, GTK's among them.
#include "MainWindowFixture.h"

#include "ui/dialogs/Nevjegy.h"
#include "ui/look/ButtonHover.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace {

// Relative luminance, with the flare of the contrast formula added.
double Light(QRgb rgb) {
    const auto linear = [](int v) {
        return v <= 10 ? v / 3294.6 : std::pow((v / 255.0 + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(qRed(rgb)) + 0.7152 * linear(qGreen(rgb)) + 0.0722 * linear(qBlue(rgb)) +
           0.05;
}

// The commonest colour is the ground, the one farthest from it the ink.
double Contrast(const QImage& image, const QByteArray& what) {
    std::map<QRgb, int> count;
    for (int i = 0; i < image.width() * image.height(); ++i)
        ++count[image.pixel(i % image.width(), i / image.width())];
    const QRgb ground = std::max_element(count.begin(), count.end(), [](auto& a, auto& b) {
                            return a.second < b.second;
                        })->first;
    double most = 1;
    for (const auto& [ink, n] : count)
        most = std::max({most, Light(ink) / Light(ground), Light(ground) / Light(ink)});
    std::printf("%s: %.1f:1\n", what.constData(), most);
    return most;
}

// Small text on the felt reads against the lightest threads among its letters, which carry
// next to no red as no mix with the pale yellow does; the ink is the brightest pixel.
double OnTheFelt(const QImage& image, const char* what) {
    QRect letters;
    for (int i = 0; i < image.width() * image.height(); ++i)
        if (qRed(image.pixel(i % image.width(), i / image.width())) > 60)
            letters |= QRect(i % image.width(), i / image.width(), 1, 1);
    double ink = 0;
    double felt = 0;
    for (int y = letters.top(); y <= letters.bottom(); ++y)
        for (int x = letters.left(); x <= letters.right(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            ink = std::max(ink, Light(pixel));
            if (qRed(pixel) <= 20)
                felt = std::max(felt, Light(pixel));
        }
    std::printf("%s: %.1f:1\n", what, ink / felt);
    return ink / felt;
}

// Inside the edges; a button inside its focus mark.
double TextContrast(QWidget* widget, const QByteArray& what) {
    const int inset = qobject_cast<QToolButton*>(widget) ? 4 : 2;
    return Contrast(widget->grab().toImage().copy(
                        widget->rect().adjusted(inset + 1, inset, -inset - 1, -inset)),
                    what);
}

TEST_F(MainWindowTest, EveryTextTheGameColoursReadsInTheDesktopsTheme) {
    // Under a dark theme the check proves something only if the theme really is dark.
    const bool dark = qEnvironmentVariableIsSet("HUSZONEGY_DARK_THEME");
    ASSERT_TRUE(!dark || QApplication::palette().color(QPalette::Window).lightness() < 100);
    Tfrm_Main& table = OpenShown();
    for (const bool inDeal : {false, true}) {
        if (inDeal)
            Key(Qt::Key_F2);
        for (QToolButton* button : {table.SpeedButton1, table.SpeedButton4, table.SpeedButton5}) {
            if (!button->isEnabled())
                continue;
            const QByteArray caption = button->text().toUtf8();
            QTest::mouseMove(&table, QPoint(250, 250));
            EXPECT_GE(TextContrast(button, caption), 4.5);
            button->setFocus(Qt::TabFocusReason);
            EXPECT_GE(TextContrast(button, caption + " focused"), 4.5);
            table.setFocus();
            QTest::mouseMove(&table, button->geometry().center());
            EXPECT_TRUE(QTest::qWaitFor(
                [button] { return button->palette().color(QPalette::Button) == LitButtonFace; }));
            EXPECT_GE(TextContrast(button, caption + " under the mouse"), 4.5);
            button->setDown(true);
            EXPECT_GE(TextContrast(button, caption + " pressed"), 4.5);
            button->setDown(false);
        }
    }
    // The address on the felt, in the table's own pixels.
    EXPECT_GE(OnTheFelt(table.Image2->grab(QRect(349, 490, 146, 14)).toImage(), "the address"),
              4.5);
    Tfrm_Nevjegy box(&table);
    box.show();
    for (QLabel* label : {box.Label3, box.Label2, box.ProductName})
        EXPECT_GE(TextContrast(label, label->text().toUtf8()), 4.5);
}

} // namespace
