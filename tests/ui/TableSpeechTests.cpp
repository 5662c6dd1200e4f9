// The spoken lines, built from hands: the cards by name and the total they reach.
#include "ui/speech/TableSpeech.h"

#include <gtest/gtest.h>

namespace {

Hand Cards(std::initializer_list<const char*> codes) {
    Hand hand;
    for (const char* code : codes)
        hand.push_back(CardCode{code[0], code[1]});
    return hand;
}

// The keys as the table's actions give them today.
const MoveKeys Keys{QStringLiteral("F2"), QStringLiteral("F3"), QStringLiteral("F4")};
const std::array<QString, 3> Names = {QStringLiteral("Tarvesz"), QStringLiteral("Bank"),
                                      QStringLiteral("Vuru")};

struct LineCase {
    const char* what;
    QString line;
    const char* expected;
};

TEST(TableSpeech, LinesTellCardsAndTotals) {
    const std::array<Hand, 3> dealt = {Cards({"18", "46"}), Cards({"11", "12"}),
                                       Cards({"21", "22", "23"})};
    const std::array<Hand, 3> over = {Cards({"18", "28", "38"}), Cards({"35"}), Hand{}};
    const LineCase cases[] = {
        {"a hand", HandLine(Names[0], dealt[0]), "Tarvesz: Piros ász, Makk felső, összesen 14"},
        // The total reached, as the table shows it, also above 21.
        {"over 21", HandLine(Names[0], over[0]),
         "Tarvesz: Piros ász, Tök ász, Zöld ász, összesen 33"},
        {"during a deal the others only by count", DealLine(Names, dealt),
         "Tarvesz: Piros ász, Makk felső, összesen 14. Bank: 2 lap. Vuru: 3 lap."},
        {"at the end every hand", FinalLine(Names, dealt),
         "Tarvesz: Piros ász, Makk felső, összesen 14. Bank: Piros hetes, Piros nyolcas, "
         "összesen 15. Vuru: Tök hetes, Tök nyolcas, Tök kilences, összesen 24."},
        {"the table between deals", TableLine(Names[0], -20, 3, 50, DealPhase::BetweenDeals, Keys),
         "Tarvesz: pénz -20, nyert játékok 3. Tét 50. Új leosztás: F2."},
        {"the table during a deal", TableLine(Names[0], 1000, 0, 50, DealPhase::InDeal, Keys),
         "Tarvesz: pénz 1000, nyert játékok 0. Tét 50. Még egy lapot: F3. Megállok: F4."},
        {"a move key between deals", NoMoveLine(DealPhase::BetweenDeals, Keys),
         "Nincs leosztás folyamatban. Új leosztás: F2."},
        {"the deal key during a deal", NoMoveLine(DealPhase::InDeal, Keys),
         "A leosztás már folyik. Még egy lapot: F3. Megállok: F4."},
        {"a card place", CardPlaceLine(Names[1], QStringLiteral("lefordított lap")),
         "Bank: lefordított lap"},
        // A name is spoken as typed, place markers and all.
        {"a name like a place marker",
         TableLine(QStringLiteral("%1"), 1000, 3, 50, DealPhase::BetweenDeals, Keys),
         "%1: pénz 1000, nyert játékok 3. Tét 50. Új leosztás: F2."},
        {"a hand of such a name", HandLine(QStringLiteral("%2 %1"), dealt[0]),
         "%2 %1: Piros ász, Makk felső, összesen 14"},
        {"the others' count",
         DealLine({QStringLiteral("x"), QStringLiteral("%1"), QStringLiteral("%2")}, dealt),
         "x: Piros ász, Makk felső, összesen 14. %1: 2 lap. %2: 3 lap."},
    };
    for (const LineCase& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.line, QString::fromUtf8(c.expected));
    }
}

} // namespace
