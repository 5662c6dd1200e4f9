// The about box: what it says and the ways it does and does not close.
#include "BeallitModalScript.h"
#include "MainWindowFixture.h"

#include "ui/Main.h"
#include "ui/Nevjegy.h"

#include <QAction>

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

#include <array>

namespace {

TEST(AboutBox, NamesTheGameAndItsVersionFromTheStart) {
    Tfrm_Nevjegy box;
    EXPECT_EQ(box.ProductName->text(), QStringLiteral("21\r\nV1.0.0.9"));
    EXPECT_EQ(box.windowTitle(), QStringLiteral("Névjegy"));
}

TEST(AboutBox, ShowsTheIconInsideTheColouredPanel) {
    Tfrm_Nevjegy box;
    const QPixmap icon = box.Image1->pixmap();
    ASSERT_FALSE(icon.isNull());
    EXPECT_EQ(icon.deviceIndependentSize().toSize(), QSize(32, 32));
    EXPECT_TRUE(box.Panel2->geometry().contains(box.Image1->geometry().translated(
        box.Panel2->pos())));
}

enum class Close { OkClick, EnterKey, SpaceOnOk, CloseBox };

std::string CloseName(const ::testing::TestParamInfo<Close>& info) {
    const char* const names[] = {"OkClick", "EnterKey", "SpaceOnOk", "CloseBox"};
    return names[static_cast<int>(info.param)];
}

class AboutBoxClosedBy : public ::testing::TestWithParam<Close> {};

TEST_P(AboutBoxClosedBy, EscFirstLeavesItOpen) {
    bool openAfterEsc = false;
    bool closedAfterwards = false;
    Tfrm_Nevjegy* seen = nullptr;
    OnModal<Tfrm_Nevjegy>([&](Tfrm_Nevjegy& box) {
        seen = &box;
        QTest::keyClick(box.OKButton, Qt::Key_Escape);
        QTest::keyClick(&box, Qt::Key_Escape);
        openAfterEsc = box.isVisible();
        switch (GetParam()) {
        case Close::OkClick:
            QTest::mouseClick(box.OKButton, Qt::LeftButton);
            break;
        case Close::EnterKey:
            QTest::keyClick(box.OKButton, Qt::Key_Return);
            break;
        case Close::SpaceOnOk:
            QTest::keyClick(box.OKButton, Qt::Key_Space);
            break;
        case Close::CloseBox:
            box.windowHandle()->close();
            break;
        }
        closedAfterwards = !box.isVisible();
        if (!closedAfterwards)
            box.reject(); // keeps a failing case from hanging the run
    });
    ShowAboutDialog();
    EXPECT_NE(seen, nullptr);
    EXPECT_TRUE(openAfterEsc);
    EXPECT_TRUE(closedAfterwards);
}

INSTANTIATE_TEST_SUITE_P(Ways, AboutBoxClosedBy,
                         ::testing::Values(Close::OkClick, Close::EnterKey, Close::SpaceOnOk,
                                           Close::CloseBox),
                         CloseName);
} // namespace

namespace {

// Everything a deal in progress is made of, as the player can see or the settlement uses.
struct DealSnapshot {
    std::array<Hand, 3> hands;
    std::array<std::int32_t, 3> scores;
    std::int32_t nextCard;
    bool revealed;
    TBeall results;
    bool canDeal, canDraw, canStand;
    QString playerName, playerTotal;

    static DealSnapshot Of(const Tfrm_Main& window) {
        return {window.Game.Hands,       window.Game.Scores,      window.Game.NextCard,
                window.Game.Revealed,    Results,                 window.aUj->isEnabled(),
                window.aLapot->isEnabled(), window.aMegall->isEnabled(), window.j0->text(),
                window.t0->text()};
    }
    bool operator==(const DealSnapshot&) const = default;
};

TEST_F(MainWindowTest, AboutBoxOpenedDuringADealLeavesTheDealAsItWas) {
    Tfrm_Main& window = OpenShown();
    window.aUj->trigger();
    ASSERT_TRUE(window.aLapot->isEnabled()) << "a deal should be under way";
    const DealSnapshot before = DealSnapshot::Of(window);

    bool opened = false;
    OnModal<Tfrm_Nevjegy>([&](Tfrm_Nevjegy& box) {
        opened = true;
        // Esc belongs to the main window's minimise key; with the box up it must do neither.
        QTest::keyClick(box.OKButton, Qt::Key_Escape);
        QTest::keyClick(box.OKButton, Qt::Key_Return);
    });
    window.aNevjegy->trigger();

    EXPECT_TRUE(opened);
    EXPECT_FALSE(window.isMinimized());
    EXPECT_TRUE(DealSnapshot::Of(window) == before);
    EXPECT_TRUE(boxes.empty()) << "no message or error box was expected";
}

} // namespace
