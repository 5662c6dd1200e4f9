// The table during and after deals: which cards show, face up or down, and the results.
#include "MainWindowFixture.h"

#include "support/SystemReason.h"
#include "ui/speech/CardNames.h"
#include "ui/table/TableLayout.h"

#include <QAction>

#include <climits>
#include <numeric>

namespace {

QString FaceFile(CardCode code) {
    return ProgramDir.File(
        QStringLiteral("/Images/%1.bmp").arg(QString::fromStdString(code.Text())));
}

// Every card of `hand` in its place, face up or down, and nothing past the last.
void ExpectHandShown(Tfrm_Main& w, char letter, const Hand& hand, bool faceUp) {
    SCOPED_TRACE(std::string("seat ") + letter);
    for (size_t i = 0; i < hand.size(); ++i) {
        CardPlace* place = w.findChild<CardPlace*>(QChar(letter) + QString::number(i));
        ASSERT_NE(place, nullptr);
        EXPECT_TRUE(place->isVisibleTo(&w));
        EXPECT_FALSE(place->Picture().isNull());
        EXPECT_EQ(place->PictureFile(),
                  faceUp ? FaceFile(hand[i]) : ProgramDir.File(QStringLiteral("/Images/h.bmp")));
        // Whose card it is comes first, so a seat's name alone never tells a hidden card.
        const QString name = AccessibleName(place);
        EXPECT_TRUE(
            name.endsWith(QStringLiteral(": ") + (faceUp ? CardName(hand[i]) : FaceDownCardName())))
            << name.toStdString();
    }
    if (auto* next = w.findChild<CardPlace*>(QChar(letter) + QString::number(hand.size()))) {
        EXPECT_FALSE(next->isVisibleTo(&w));
    }
}

std::int64_t MoneySum(const TBeall& results) {
    return std::int64_t(results.Money1) + results.Money2 + results.Money3;
}

TEST_F(MainWindowTest, KeysPlayAWholeDeal) {
    Tfrm_Main& w = OpenShown();
    const std::int64_t moneyBefore = MoneySum(Results());

    // Between deals F3 and F4 do nothing.
    Key(Qt::Key_F3);
    Key(Qt::Key_F4);
    EXPECT_TRUE(w.Game.Hands[0].empty());
    EXPECT_TRUE(boxes.empty());

    Key(Qt::Key_F2);
    ASSERT_EQ(w.Game.Hands[0].size(), 2u);
    EXPECT_EQ(w.Game.NextCard, 6);
    ExpectHandShown(w, 'a', w.Game.Hands[0], true);
    ExpectHandShown(w, 'b', w.Game.Hands[1], false);
    ExpectHandShown(w, 'c', w.Game.Hands[2], false);
    EXPECT_EQ(w.seats[Seat::Human].total->text(), QString::number(w.Game.Scores[0]));
    EXPECT_FALSE(w.seats[Seat::Bank].total->isVisibleTo(&w));
    EXPECT_FALSE(w.seats[Seat::Vuru].total->isVisibleTo(&w));
    EXPECT_FALSE(w.aUj->isEnabled());
    EXPECT_TRUE(w.aLapot->isEnabled());
    EXPECT_TRUE(w.aMegall->isEnabled());
    EXPECT_TRUE(w.oneMoreButton->isEnabled());

    // F2 during a deal does nothing.
    const auto handsDuringDeal = w.Game.Hands;
    Key(Qt::Key_F2);
    EXPECT_EQ(w.Game.Hands, handsDuringDeal);

    // Draw while it is safe, then stand.
    while (w.aLapot->isEnabled() && w.Game.Scores[0] < 15) {
        Key(Qt::Key_F3);
        if (w.aLapot->isEnabled()) {
            ExpectHandShown(w, 'b', w.Game.Hands[1], false);
            ExpectHandShown(w, 'c', w.Game.Hands[2], false);
        }
    }
    if (w.aMegall->isEnabled())
        Key(Qt::Key_F4);

    ASSERT_EQ(BoxesOf(BoxKind::Information).size(), 1u);
    const BoxRequest box = BoxesOf(BoxKind::Information).front();
    const QStringList verdicts = {QStringLiteral("Te győztél"), QStringLiteral("Bank nyert"),
                                  QStringLiteral("Vuru nyert")};
    const int winner = int(verdicts.indexOf(box.text));
    ASSERT_GE(winner, 0) << box.text.toStdString();
    EXPECT_EQ(box.owner, &w);
    EXPECT_TRUE(BoxesOf(BoxKind::Error).empty());

    for (int seat = 0; seat < 3; ++seat)
        ExpectHandShown(w, "abc"[seat], w.Game.Hands[seat], true);
    EXPECT_TRUE(w.seats[Seat::Bank].total->isVisibleTo(&w));
    EXPECT_TRUE(w.seats[Seat::Vuru].total->isVisibleTo(&w));
    EXPECT_TRUE(w.aUj->isEnabled());
    EXPECT_FALSE(w.aLapot->isEnabled());
    EXPECT_FALSE(w.aMegall->isEnabled());
    EXPECT_EQ(MoneySum(Results()), moneyBefore);

    QLabel* const names[] = {w.seats[Seat::Human].name, w.seats[Seat::Bank].name,
                             w.seats[Seat::Vuru].name};
    QLabel* const wins[] = {w.seats[Seat::Human].won, w.seats[Seat::Bank].won,
                            w.seats[Seat::Vuru].won};
    QLabel* const money[] = {w.seats[Seat::Human].money, w.seats[Seat::Bank].money,
                             w.seats[Seat::Vuru].money};
    const std::int32_t moneyNow[] = {Results().Money1, Results().Money2, Results().Money3};
    for (int seat = 0; seat < 3; ++seat) {
        SCOPED_TRACE(seat);
        EXPECT_EQ(names[seat]->palette().color(QPalette::WindowText),
                  seat == winner ? QColor(255, 255, 0) : QColor(255, 255, 255));
        EXPECT_EQ(wins[seat]->text(), seat == winner ? QStringLiteral("1") : QStringLiteral("0"));
        EXPECT_EQ(money[seat]->text(), QString::number(moneyNow[seat]));
        EXPECT_EQ(AccessibleName(money[seat]),
                  QStringLiteral("%1, Pénz: %2")
                      .arg(seat == 0 ? QStringLiteral("Tarvesz") : names[seat]->text())
                      .arg(moneyNow[seat]));
    }
    EXPECT_TRUE(AccessibleName(names[winner]).endsWith(QStringLiteral("nyertes")));

    // The next deal clears the table and the winner's colour.
    Key(Qt::Key_F2);
    for (int seat = 0; seat < 3; ++seat) {
        EXPECT_EQ(names[seat]->palette().color(QPalette::WindowText), QColor(Qt::white));
        ExpectHandShown(w, "abc"[seat], w.Game.Hands[seat], seat == 0);
    }
}

struct DebtCase {
    std::int32_t money1, money2, money3;
    bool t0, t1, t2;
};

TEST_F(MainWindowTest, InDebtMarksShowBelowZeroOnly) {
    Tfrm_Main& w = Open();
    const DebtCase cases[] = {{0, 0, 0, false, false, false},
                              {-1, 0, 1, true, false, false},
                              {0, -1, INT_MIN, false, true, true},
                              {INT_MAX, -1000, -1, false, true, true}};
    for (const DebtCase& c : cases) {
        SCOPED_TRACE(c.money1);
        Results().Money1 = c.money1;
        Results().Money2 = c.money2;
        Results().Money3 = c.money3;
        w.ShowResults();
        EXPECT_EQ(w.seats[Seat::Human].debtMark->isVisibleTo(&w), c.t0);
        EXPECT_EQ(w.seats[Seat::Bank].debtMark->isVisibleTo(&w), c.t1);
        EXPECT_EQ(w.seats[Seat::Vuru].debtMark->isVisibleTo(&w), c.t2);
        EXPECT_EQ(w.seats[Seat::Human].money->text(), QString::number(c.money1));
        EXPECT_EQ(w.seats[Seat::Vuru].money->text(), QString::number(c.money3));
    }
}

TEST_F(MainWindowTest, MissingBackPictureStopsTheNewDealWhereItFailed) {
    ASSERT_TRUE(QFile::remove(ImagesPath() + QStringLiteral("/h.bmp")));
    Tfrm_Main& w = OpenShown();
    Key(Qt::Key_F2);

    const auto errors = BoxesOf(BoxKind::Error);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors.front().text,
              QStringLiteral("Cannot open file \"%1/h.bmp\". %2.")
                  .arg(ImagesPath(), QString::fromStdString(SystemReason(ENOENT))));
    // The cards were dealt and the human player's show; the state change never came.
    EXPECT_EQ(w.Game.Hands[1].size(), 2u);
    ExpectHandShown(w, 'a', w.Game.Hands[0], true);
    EXPECT_TRUE(Place('b', 0)->isVisibleTo(&w));
    EXPECT_TRUE(Place('b', 0)->Picture().isNull());
    EXPECT_FALSE(Place('b', 1)->isVisibleTo(&w));
    EXPECT_TRUE(w.aUj->isEnabled());
    EXPECT_FALSE(w.aLapot->isEnabled());
    EXPECT_FALSE(w.aMegall->isEnabled());
}

TEST_F(MainWindowTest, MissingBackPictureAfterAFinishedDealLeavesTheLastResultUp) {
    Tfrm_Main& w = OpenShown();
    Key(Qt::Key_F2);
    Key(Qt::Key_F4);
    const QLabel* names[] = {w.seats[Seat::Human].name, w.seats[Seat::Bank].name,
                             w.seats[Seat::Vuru].name};
    int winner = -1;
    for (int seat = 0; seat < 3; ++seat)
        if (names[seat]->palette().color(QPalette::WindowText) == QColor(255, 255, 0))
            winner = seat;
    ASSERT_NE(winner, -1);

    ASSERT_TRUE(QFile::remove(ImagesPath() + QStringLiteral("/h.bmp")));
    Key(Qt::Key_F2);
    // The new deal stopped at its first back picture: the totals and the winner's colour
    // of the last deal are still up, and the new deal cannot be played.
    EXPECT_EQ(BoxesOf(BoxKind::Error).size(), 1u);
    EXPECT_TRUE(w.seats[Seat::Bank].total->isVisibleTo(&w));
    EXPECT_TRUE(w.seats[Seat::Vuru].total->isVisibleTo(&w));
    EXPECT_EQ(names[winner]->palette().color(QPalette::WindowText), QColor(255, 255, 0));
    EXPECT_TRUE(w.aUj->isEnabled());
    EXPECT_FALSE(w.aLapot->isEnabled());
    EXPECT_FALSE(w.aMegall->isEnabled());
}

struct LongHand {
    char letter;
    int seat;
    int cards;
};

TEST_F(MainWindowTest, LongHandsCloseUpWithinTheirSeat) {
    Tfrm_Main& w = Open();
    const LongHand hands[] = {{'a', 0, 7}, {'a', 0, 9}, {'b', 1, 7}, {'c', 2, 7}, {'a', 0, 6}};
    for (const LongHand& h : hands) {
        SCOPED_TRACE(std::to_string(h.cards) + h.letter);
        for (int i = 0; i < 6; ++i)
            for (char letter : {'a', 'b', 'c'})
                w.HideCardPlace(letter, i);
        w.Game.Hands = {};
        w.Game.Revealed = true;
        for (int i = 0; i < h.cards; ++i)
            w.Game.Hands[h.seat].push_back(w.Game.Deck[i]);
        w.ShowCards();

        const QPoint first = CardPlacePosition(h.letter, 0, 6);
        const QPoint sixth = CardPlacePosition(h.letter, 5, 6);
        QRect seatArea(first, sixth + QPoint(CardPlace::Width - 1, CardPlace::Height - 1));
        int previousLeft = -1;
        for (int i = 0; i < h.cards; ++i) {
            CardPlace* place = Place(h.letter, i);
            ASSERT_NE(place, nullptr) << i;
            EXPECT_TRUE(place->isVisibleTo(&w));
            EXPECT_TRUE(seatArea.contains(place->geometry())) << i;
            EXPECT_GT(place->x(), previousLeft) << "each card fans to the right";
            previousLeft = place->x();
            for (QWidget* other : std::initializer_list<QWidget*>{
                     w.oneMoreButton, w.standButton, w.newDealButton, w.seats[Seat::Vuru].name,
                     w.seats[Seat::Human].debtMark, w.seats[Seat::Bank].debtMark,
                     w.seats[Seat::Vuru].debtMark})
                EXPECT_FALSE(place->geometry().intersects(other->geometry()))
                    << other->objectName().toStdString();
            if (i > 0) {
                // Later cards lie over earlier ones, under the labels.
                const auto children = w.children();
                EXPECT_GT(children.indexOf(place), children.indexOf(Place(h.letter, i - 1)));
                EXPECT_LT(children.indexOf(place), children.indexOf(w.seats[Seat::Bank].name));
            }
        }
        EXPECT_EQ(Place(h.letter, h.cards - 1)->pos(), sixth);
    }
    // A new deal clears the extra places with the first six.
    w.Game.aUjExecute();
    for (int i = 2; i < 9; ++i)
        EXPECT_FALSE(Place('a', i)->isVisibleTo(&w)) << i;
}

struct Named {
    CardCode code;
    const char* name;
};

TEST(CardNames, EverySuitAndRankHasItsHungarianName) {
    const Named cards[] = {{{'1', '8'}, "Piros ász"},    {{'2', '1'}, "Tök hetes"},
                           {{'3', '2'}, "Zöld nyolcas"}, {{'4', '3'}, "Makk kilences"},
                           {{'1', '4'}, "Piros tízes"},  {{'2', '5'}, "Tök alsó"},
                           {{'3', '6'}, "Zöld felső"},   {{'4', '7'}, "Makk király"},
                           {{'5', '1'}, "51"},           {{'1', '9'}, "19"}};
    for (const Named& card : cards)
        EXPECT_EQ(CardName(card.code), QString::fromUtf8(card.name)) << card.code.Text();
    EXPECT_EQ(FaceDownCardName(), QStringLiteral("lefordított lap"));
}

TEST(TableLayout, ShortHandsUseTheSeatsOwnStep) {
    EXPECT_EQ(CardPlacePosition('a', 5, 6), QPoint(176, 292));
    EXPECT_EQ(CardPlacePosition('b', 2, 3), QPoint(148, 12));
    EXPECT_EQ(CardPlacePosition('c', 0, 1), QPoint(268, 152));
    EXPECT_EQ(CardPlacePosition('a', 8, 9), QPoint(176, 292));
    EXPECT_EQ(CardPlacePosition('a', 4, 9), QPoint(96, 292));
    EXPECT_THROW(CardPlacePosition('d', 0, 1), std::runtime_error);
}

} // namespace
