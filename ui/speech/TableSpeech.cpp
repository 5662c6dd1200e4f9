#include "ui/speech/TableSpeech.h"

#include "ui/speech/CardNames.h"

#include <QCoreApplication>
#include <QStringList>

QString HandLine(const QString& who, const Hand& hand) {
    QStringList cards;
    for (const CardCode& card : hand)
        cards << CardName(card);
    // One arg() for every part: a name holding "%1" is spoken as typed.
    return QCoreApplication::translate("TableSpeech", "%1: %2, összesen %3")
        .arg(who, cards.join(QStringLiteral(", ")), QString::number(HandTotal(hand)));
}

QString DealLine(const std::array<QString, 3>& names, const std::array<Hand, 3>& hands) {
    QString line = HandLine(names[0], hands[0]) + QStringLiteral(". ");
    for (int seat : {1, 2}) {
        // %n, not an arg(): a language that says "1 card" but "2 cards" needs the count.
        const int count = static_cast<int>(hands[seat].size());
        line += QCoreApplication::translate("TableSpeech", "%1: %n lap. ", nullptr, count)
                    .arg(names[seat]);
    }
    return line.trimmed();
}

QString FinalLine(const std::array<QString, 3>& names, const std::array<Hand, 3>& hands) {
    QStringList lines;
    for (int seat = 0; seat < 3; ++seat)
        lines << HandLine(names[seat], hands[seat]);
    return lines.join(QStringLiteral(". ")) + u'.';
}

namespace {

QString NextMoves(DealPhase phase) {
    return phase == DealPhase::InDeal
               ? QCoreApplication::translate("TableSpeech", "Még egy lapot: F3. Megállok: F4.")
               : QCoreApplication::translate("TableSpeech", "Új leosztás: F2.");
}

} // namespace

QString TableLine(const QString& player, std::int32_t money, std::int32_t won, std::int32_t pot,
                  DealPhase phase) {
    return QCoreApplication::translate("TableSpeech", "%1: pénz %2, nyert játékok %3. Tét %4. %5")
        .arg(player, QString::number(money), QString::number(won), QString::number(pot),
             NextMoves(phase));
}

QString NoMoveLine(DealPhase phase) {
    return (phase == DealPhase::InDeal
                ? QCoreApplication::translate("TableSpeech", "A leosztás már folyik. ")
                : QCoreApplication::translate("TableSpeech", "Nincs leosztás folyamatban. ")) +
           NextMoves(phase);
}

QString CardPlaceLine(const QString& who, const QString& card) {
    return QStringLiteral("%1: %2").arg(who, card);
}
