#include "ui/speech/TableSpeech.h"

#include "ui/speech/CardNames.h"

#include <QCoreApplication>
#include <QStringList>

/*
    TRANSLATOR TableSpeech

    What a screen reader hears of the table: the seats, their cards and totals, and the keys.
*/

QString HandLine(const QString& who, const Hand& hand) {
    QStringList cards;
    for (const CardCode& card : hand)
        cards << CardName(card);
    // One arg() for every part: a name holding "%1" is spoken as typed.
    //: Heard for a seat: %1 its name, %2 its cards, %3 their total
    return QCoreApplication::translate("TableSpeech", "%1: %2, összesen %3")
        .arg(who, cards.join(QStringLiteral(", ")), QString::number(HandTotal(hand)));
}

QString DealLine(const std::array<QString, 3>& names, const std::array<Hand, 3>& hands) {
    QStringList lines{HandLine(names[0], hands[0]) + u'.'};
    for (int seat : {1, 2}) {
        // %n, not an arg(): a language that says "1 card" but "2 cards" needs the count.
        const int count = static_cast<int>(hands[seat].size());
        //: Heard for a seat whose cards are hidden: %1 its name, %n how many cards
        lines << QCoreApplication::translate("TableSpeech", "%1: %n lap.", nullptr, count)
                     .arg(names[seat]);
    }
    return lines.join(u' ');
}

QString FinalLine(const std::array<QString, 3>& names, const std::array<Hand, 3>& hands) {
    QStringList lines;
    for (int seat = 0; seat < 3; ++seat)
        lines << HandLine(names[seat], hands[seat]);
    return lines.join(QStringLiteral(". ")) + u'.';
}

namespace {

QString NextMoves(DealPhase phase, const MoveKeys& keys) {
    return phase == DealPhase::InDeal
               //: Heard during a deal: %1 the key for one more card, %2 the key for standing
               ? QCoreApplication::translate("TableSpeech", "Még egy lapot: %1. Megállok: %2.")
                     .arg(keys.oneMore, keys.stand)
               //: Heard between deals: %1 the key for a new deal
               : QCoreApplication::translate("TableSpeech", "Új leosztás: %1.").arg(keys.newDeal);
}

} // namespace

QString TableLine(const QString& player, std::int32_t money, std::int32_t won, std::int32_t pot,
                  DealPhase phase, const MoveKeys& keys) {
    //: Heard when the table comes forward: %1 the player's name, %2 money, %3 games won, %4 the
    //: stake, %5 the keys to press now
    return QCoreApplication::translate("TableSpeech", "%1: pénz %2, nyert játékok %3. Tét %4. %5")
        .arg(player, QString::number(money), QString::number(won), QString::number(pot),
             NextMoves(phase, keys));
}

QString NoMoveLine(DealPhase phase, const MoveKeys& keys) {
    const QString why =
        phase == DealPhase::InDeal
            //: Heard when the new-deal key is pressed during a deal; the keys to press follow
            ? QCoreApplication::translate("TableSpeech", "A leosztás már folyik.")
            //: Heard when a move key is pressed between deals; the key to press follows
            : QCoreApplication::translate("TableSpeech", "Nincs leosztás folyamatban.");
    return why + u' ' + NextMoves(phase, keys);
}

QString CardPlaceLine(const QString& who, const QString& card) {
    return QStringLiteral("%1: %2").arg(who, card);
}
