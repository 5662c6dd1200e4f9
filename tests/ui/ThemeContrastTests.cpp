// Every text the game colours itself (game buttons in every live state, the address on the felt,
// about box headings and version) reads at 4.5:1 or more in any theme, GTK's dark one too.
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

// The commonest colour inside the edges (a button's focus mark left out) is the ground, the
// one farthest from it the ink.
double TextContrast(QWidget* widget, const QByteArray& what) {
    const int in = qobject_cast<QToolButton*>(widget) ? 4 : 2;
    const QImage image =
        widget->grab().toImage().copy(widget->rect().adjusted(in + 1, in, -in - 1, -in));
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

// Small text on the felt reads against its lightest threads (next to no red, as no mix with the
// pale yellow has); the ink is the brightest pixel.
double OnTheFelt(const QImage& image) {
    double ink = 0, felt = 0;
    for (int i = 0; i < image.width() * image.height(); ++i) {
        const QRgb pixel = image.pixel(i % image.width(), i / image.width());
        double& brightest = qRed(pixel) <= 20 ? felt : ink;
        brightest = std::max(brightest, Light(pixel));
    }
    std::printf("the address: %.1f:1\n", ink / felt);
    return ink / felt;
}

TEST_F(MainWindowTest, EveryTextTheGameColoursReadsInTheDesktopsTheme) {
    // Under a dark theme the check proves something only if the theme really is dark.
    const bool dark = qEnvironmentVariableIsSet("HUSZONEGY_DARK_THEME");
    ASSERT_TRUE(!dark || QApplication::palette().color(QPalette::Window).lightness() < 100);
    Tfrm_Main& table = OpenShown();
    for (const bool inDeal : {false, true}) {
        if (inDeal)
            Key(Qt::Key_F2);
        for (QToolButton* button : {table.newDealButton, table.oneMoreButton, table.standButton}) {
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
    // Among the address's letters, in the table's own pixels.
    EXPECT_GE(OnTheFelt(table.felt->grab(QRect(390, 490, 104, 14)).toImage()), 4.5);
    Tfrm_Nevjegy box(&table);
    box.show();
    for (QLabel* label : {box.Label3, box.Label2, box.ProductName})
        EXPECT_GE(TextContrast(label, label->text().toUtf8()), 4.5);
}

} // namespace
