// The table's buttons under the mouse: a live one lights up so a player sees it at a glance,
// a disabled one stays as it was, and leaving puts the face back.
#include "MainWindowFixture.h"

#include <QAction>
#include <QImage>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

#include <cmath>

namespace {

// Mean brightness, 0 to 255, of the button's face inside its bevel, caption or picture
// included, as a player takes it in at a glance.
double FaceBrightness(QToolButton* button) {
    const QImage face = button->grab()
                            .toImage()
                            .convertToFormat(QImage::Format_RGB32)
                            .copy(button->rect().adjusted(3, 3, -3, -3));
    double sum = 0;
    for (int y = 0; y < face.height(); ++y)
        for (int x = 0; x < face.width(); ++x)
            sum += qGray(face.pixel(x, y));
    return sum / (face.width() * face.height());
}

// A player notices a change of this many levels of 255 at a glance.
constexpr double NoticeableChange = 30;

using ButtonOf = QToolButton* Tfrm_Main::*;

class ButtonUnderMouse : public MainWindowTest, public ::testing::WithParamInterface<ButtonOf> {
protected:
    // Somewhere on the bare table, away from every button.
    void MoveToTable() { QTest::mouseMove(window.get(), QPoint(250, 250)); }
};

TEST_P(ButtonUnderMouse, LightsUpWhileLiveAndLeavesNoLightBehind) {
    Tfrm_Main& table = OpenShown();
    QToolButton* button = table.*GetParam();
    ASSERT_TRUE(button->isEnabled());
    MoveToTable();
    const double resting = FaceBrightness(button);

    QTest::mouseMove(window.get(), button->geometry().center());
    const double lit = FaceBrightness(button);
    EXPECT_GE(std::abs(lit - resting), NoticeableChange) << resting << " -> " << lit;

    MoveToTable();
    EXPECT_NEAR(FaceBrightness(button), resting, 1.0);
}

INSTANTIATE_TEST_SUITE_P(Table, ButtonUnderMouse,
                         ::testing::Values(&Tfrm_Main::newDealButton, &Tfrm_Main::settingsButton,
                                           &Tfrm_Main::closeButton));

TEST_F(MainWindowTest, ADisabledButtonStaysGreyUnderTheMouseAndABoundOneGoesOutWithIt) {
    Tfrm_Main& table = OpenShown();
    QTest::mouseMove(window.get(), QPoint(250, 250));
    const double disabled = FaceBrightness(table.oneMoreButton);
    QTest::mouseMove(window.get(), table.oneMoreButton->geometry().center());
    EXPECT_NEAR(FaceBrightness(table.oneMoreButton), disabled, 1.0);

    // The deal ends under the mouse: "Megállok" goes grey at once, not gold.
    table.aUj->trigger();
    QTest::mouseMove(window.get(), table.standButton->geometry().center());
    ASSERT_TRUE(table.aMegall->isEnabled());
    table.aMegall->trigger();
    ASSERT_FALSE(table.aMegall->isEnabled());
    EXPECT_NEAR(FaceBrightness(table.standButton), disabled, 5.0); // another caption
}

} // namespace
