// The about box: what it says and the ways it does and does not close; the help spaced as it.
#include "BeallitModalScript.h"
#include "MainWindowFixture.h"

#include "ui/dialogs/Nevjegy.h"
#include "ui/dialogs/SpacedLabel.h"
#include "ui/dialogs/Sugo.h"
#include "ui/table/Main.h"

#include <QAccessible>
#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <vector>

namespace {

TEST(AboutBox, NamesTheGameAndItsVersionAndShowsTheIconInItsPanel) {
    Tfrm_Nevjegy box;
    EXPECT_EQ(box.ProductName->text(), QStringLiteral("21\r\nV1.0.0.9"));
    EXPECT_EQ(box.Image1->pixmap().deviceIndependentSize().toSize(), QSize(32, 32));
    EXPECT_TRUE(box.Panel2->rect().contains(box.Image1->geometry()));
}

// The box states the same licence as LICENSE and the package, and nothing that contradicts it.
TEST(AboutBox, StatesTheFreeLicenceWithoutWarrantyAndFitsItsStrips) {
    Tfrm_Nevjegy box;
    const QString terms = box.Comments->text();
    for (const char* phrase : {"szabad szoftver", "GNU General Public License", "3-as vagy",
                               "későbbi változata", "garancia nélkül"})
        EXPECT_TRUE(terms.contains(QString::fromUtf8(phrase))) << phrase;
    const QString everything = terms + box.Copyright->text() + box.Label1->text();
    for (const char* contradiction : {"jog fenntartva", "változatlan", "ingyenes"})
        EXPECT_FALSE(everything.contains(QString::fromUtf8(contradiction), Qt::CaseInsensitive))
            << contradiction;
    EXPECT_TRUE(box.Copyright->text().startsWith(QStringLiteral("Copyright © ")));
    EXPECT_TRUE(box.Copyright->text().contains(QStringLiteral("Tarvesz")));
    // Lines no closer than the letters are tall, and every line inside its strip; the help's
    // lines alike.
    Tfrm_Sugo help;
    help.show();
    for (const QLabel* label : {box.Comments, box.Copyright, box.Label1, help.Rules, help.Keys}) {
        SCOPED_TRACE(label->text().toStdString());
        const auto* spaced = qobject_cast<const SpacedLabel*>(label);
        ASSERT_NE(spaced, nullptr);
        EXPECT_GE(spaced->LinePitch(), 1.2 * label->font().pixelSize());
        const QRect needed = label->fontMetrics().boundingRect(QRect(0, 0, label->width(), 1000),
                                                               Qt::TextWordWrap, label->text());
        EXPECT_LE(needed.width(), label->width());
        EXPECT_LE(spaced->heightForWidth(label->width()), label->height());
    }
}

TEST(AboutBox, ControlsSitAtTheirPlacesInTahoma) {
    Tfrm_Nevjegy box;
    EXPECT_EQ(box.windowTitle(), QStringLiteral("Névjegy"));
    EXPECT_EQ(box.size(), QSize(319, 343));
    EXPECT_EQ(box.font().pixelSize(), 11);
    const struct {
        QWidget* control;
        QWidget* parent;
        QRect geometry;
    } placed[] = {
        {box.Panel1, &box, {8, 8, 305, 293}},
        {box.Panel2, box.Panel1, {10, 10, 69, 63}},
        {box.ProductName, box.Panel1, {148, 16, 145, 37}},
        {box.Label3, box.Panel1, {8, 92, 285, 15}},
        {box.Comments, box.Panel1, {8, 116, 285, 65}},
        {box.Label2, box.Panel1, {8, 188, 285, 15}},
        {box.Label1, box.Panel1, {8, 208, 285, 81}},
        {box.OKButton, &box, {127, 312, 75, 25}},
    };
    for (const auto& p : placed) {
        SCOPED_TRACE(p.control->objectName().toStdString() + " " +
                     p.control->metaObject()->className());
        EXPECT_EQ(p.control->parentWidget(), p.parent);
        EXPECT_EQ(p.control->geometry(), p.geometry);
    }
    EXPECT_EQ(box.Label3->text(), QStringLiteral("21 kártyajáték"));
    EXPECT_EQ(box.Label2->text(), QStringLiteral("Elérhetőség"));
    EXPECT_EQ(box.ProductName->font().family(), QStringLiteral("Arial"));
    EXPECT_TRUE(box.ProductName->font().bold());
    EXPECT_EQ(box.ProductName->font().pixelSize(), 15);
    EXPECT_TRUE(box.OKButton->isDefault());
}

// Orca reads a box's labels of three words or more when it opens, top to bottom: the version
// and both headings must be among them, each heading just before its text.
TEST(AboutBox, ScreenReadersHearTheVersionAndEachHeadingOverItsText) {
    Tfrm_Nevjegy box;
    std::vector<std::pair<QPoint, QString>> read;
    for (QLabel* label : box.findChildren<QLabel*>()) {
        const QString name = QAccessible::queryAccessibleInterface(label)->text(QAccessible::Name);
        if (name.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts).size() >= 3)
            read.emplace_back(label->mapTo(&box, QPoint()), name);
    }
    std::sort(read.begin(), read.end(), [](const auto& a, const auto& b) {
        return std::pair(a.first.y(), a.first.x()) < std::pair(b.first.y(), b.first.x());
    });
    QString spoken;
    for (const auto& [place, name] : read)
        spoken += name + QLatin1Char(' ');
    const QString inOrder[] = {QStringLiteral("21, verzió 1.0.0.9"), QStringLiteral("Copyright"),
                               QStringLiteral("21 kártyajáték. A 21 kártyajáték szabad"),
                               QStringLiteral("Elérhetőség. Tarvesz")};
    qsizetype from = 0;
    for (const QString& part : inOrder) {
        const qsizetype at = spoken.indexOf(part, from);
        EXPECT_GE(at, from) << part.toStdString() << " in " << spoken.toStdString();
        from = std::max(from, at);
    }
}

enum class Close { OkClick, EnterKey, SpaceOnOk, CloseBox };

class AboutBoxClosedBy : public ::testing::TestWithParam<Close> {};

TEST_P(AboutBoxClosedBy, AfterEscLeftItOpen) {
    bool openAfterEsc = false;
    OnModal<Tfrm_Nevjegy>([&](Tfrm_Nevjegy& box) {
        QTest::keyClick(box.OKButton, Qt::Key_Escape);
        QTest::keyClick(&box, Qt::Key_Escape);
        openAfterEsc = box.isVisible();
        if (GetParam() == Close::OkClick)
            QTest::mouseClick(box.OKButton, Qt::LeftButton);
        else if (GetParam() == Close::EnterKey)
            QTest::keyClick(box.OKButton, Qt::Key_Return);
        else if (GetParam() == Close::SpaceOnOk)
            QTest::keyClick(box.OKButton, Qt::Key_Space);
        else
            box.windowHandle()->close();
    });
    ShowAboutDialog(nullptr);
    EXPECT_TRUE(openAfterEsc);
}

INSTANTIATE_TEST_SUITE_P(Ways, AboutBoxClosedBy,
                         ::testing::Values(Close::OkClick, Close::EnterKey, Close::SpaceOnOk,
                                           Close::CloseBox));

// Everything a deal in progress is made of, as the player can see or the settlement uses.
struct DealSnapshot {
    std::array<Hand, 3> hands;
    std::array<std::int32_t, 3> scores;
    std::int32_t nextCard;
    bool revealed;
    TBeall results;
    bool canDeal, canDraw, canStand;
    QString playerName, playerTotal;

    static DealSnapshot Of(const Tfrm_Main& window, const TBeall& results) {
        return {window.Game.Hands,
                window.Game.Scores,
                window.Game.NextCard,
                window.Game.Revealed,
                results,
                window.aUj->isEnabled(),
                window.aLapot->isEnabled(),
                window.aMegall->isEnabled(),
                window.seats[Seat::Human].name->text(),
                window.seats[Seat::Human].total->text()};
    }
    bool operator==(const DealSnapshot&) const = default;
};

TEST_F(MainWindowTest, AboutBoxOpenedDuringADealLeavesTheDealAsItWas) {
    Tfrm_Main& window = OpenShown();
    window.aUj->trigger();
    ASSERT_TRUE(window.aLapot->isEnabled()) << "a deal should be under way";
    const DealSnapshot before = DealSnapshot::Of(window, Results());

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
    EXPECT_TRUE(DealSnapshot::Of(window, Results()) == before);
    EXPECT_TRUE(boxes.empty()) << "no message or error box was expected";
}

} // namespace
