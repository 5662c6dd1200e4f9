#include "ui/speech/CardNames.h"

#include <QCoreApplication>

#include <array>

namespace {

// Marked here, translated where they are spoken.
const std::array<const char*, 4> Suits{
    QT_TRANSLATE_NOOP("CardNames", "Piros"), QT_TRANSLATE_NOOP("CardNames", "Tök"),
    QT_TRANSLATE_NOOP("CardNames", "Zöld"), QT_TRANSLATE_NOOP("CardNames", "Makk")};
const std::array<const char*, 8> Ranks{
    QT_TRANSLATE_NOOP("CardNames", "hetes"),    QT_TRANSLATE_NOOP("CardNames", "nyolcas"),
    QT_TRANSLATE_NOOP("CardNames", "kilences"), QT_TRANSLATE_NOOP("CardNames", "tízes"),
    QT_TRANSLATE_NOOP("CardNames", "alsó"),     QT_TRANSLATE_NOOP("CardNames", "felső"),
    QT_TRANSLATE_NOOP("CardNames", "király"),   QT_TRANSLATE_NOOP("CardNames", "ász")};

QString Translated(const char* text) {
    return QCoreApplication::translate("CardNames", text);
}

} // namespace

QString CardName(CardCode code) {
    const int suit = code.suit - '1';
    const int rank = code.rank - '1';
    // A code outside the deck still gets a name a listener can report, never a crash.
    if (suit < 0 || suit >= int(Suits.size()) || rank < 0 || rank >= int(Ranks.size()))
        return QString::fromStdString(code.Text());
    // Languages put the suit and the rank in their own order ("Ace of Hearts").
    return QCoreApplication::translate("CardNames", "%1 %2", "suit, rank")
        .arg(Translated(Suits[suit]), Translated(Ranks[rank]));
}

QString FaceDownCardName() {
    return QCoreApplication::translate("CardNames", "lefordított lap");
}
