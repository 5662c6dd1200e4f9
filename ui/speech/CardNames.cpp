#include "ui/speech/CardNames.h"

#include <array>

namespace {

const std::array<const char*, 4> Suits{"Piros", "Tök", "Zöld", "Makk"};
const std::array<const char*, 8> Ranks{"hetes", "nyolcas", "kilences", "tízes",
                                       "alsó",  "felső",   "király",   "ász"};

} // namespace

QString CardName(CardCode code) {
    const int suit = code.suit - '1';
    const int rank = code.rank - '1';
    // A code outside the deck still gets a name a listener can report, never a crash.
    if (suit < 0 || suit >= int(Suits.size()) || rank < 0 || rank >= int(Ranks.size()))
        return QString::fromStdString(code.Text());
    return QString::fromUtf8(Suits[suit]) + u' ' + QString::fromUtf8(Ranks[rank]);
}

QString FaceDownCardName() {
    return QStringLiteral("lefordított lap");
}
