#include "ui/speech/CardNames.h"

#include <QCoreApplication>

#include <array>

/*
    TRANSLATOR CardNames

    A card as a screen reader names it: the suit and the rank of the Hungarian deck.
*/

namespace {

// Marked here, translated where they are spoken. A card is named suit first, then rank
// ("Piros ász"), by the "%1 %2" that CardName translates.
const std::array<const char*, 4> Suits{
    //: A suit of the Hungarian deck, hearts (red)
    QT_TRANSLATE_NOOP("CardNames", "Piros"),
    //: A suit of the Hungarian deck, bells
    QT_TRANSLATE_NOOP("CardNames", "Tök"),
    //: A suit of the Hungarian deck, leaves (green)
    QT_TRANSLATE_NOOP("CardNames", "Zöld"),
    //: A suit of the Hungarian deck, acorns
    QT_TRANSLATE_NOOP("CardNames", "Makk"),
};
const std::array<const char*, 8> Ranks{
    //: A rank of the Hungarian deck: the seven
    QT_TRANSLATE_NOOP("CardNames", "hetes"),
    //: A rank of the Hungarian deck: the eight
    QT_TRANSLATE_NOOP("CardNames", "nyolcas"),
    //: A rank of the Hungarian deck: the nine
    QT_TRANSLATE_NOOP("CardNames", "kilences"),
    //: A rank of the Hungarian deck: the ten
    QT_TRANSLATE_NOOP("CardNames", "tízes"),
    //: A rank of the Hungarian deck: the Under (a knave below), worth 2
    QT_TRANSLATE_NOOP("CardNames", "alsó"),
    //: A rank of the Hungarian deck: the Over (a knave above), worth 3
    QT_TRANSLATE_NOOP("CardNames", "felső"),
    //: A rank of the Hungarian deck: the king, worth 4
    QT_TRANSLATE_NOOP("CardNames", "király"),
    //: A rank of the Hungarian deck: the ace, worth 11
    QT_TRANSLATE_NOOP("CardNames", "ász"),
};

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
    //: A card lying face down, as a screen reader names it
    return QCoreApplication::translate("CardNames", "lefordított lap");
}
