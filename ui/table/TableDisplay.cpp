// The table display: cards, totals, money, games won and in-debt marks on the main window.
#include "ui/table/Main.h"

#include "ui/look/ToolTipStyle.h"

#include "app/Seged.h"
#include "bitmap/BitmapLoader.h"
#include "ui/speech/CardNames.h"
#include "ui/speech/TableAccessibility.h"
#include "ui/speech/TableSpeech.h"
#include "ui/table/CardPlace.h"
#include "ui/table/TableLayout.h"

#include <QAction>
#include <QLabel>
#include <QtMath>

#include <stdexcept>

namespace {

QString PlaceName(char letter, int index) {
    return QChar(letter) + QString::number(index);
}

// Every change of a name is an event on the accessibility bus; an unchanged one is noise.
void SetSpokenName(QWidget* widget, const QString& name) {
    if (widget->accessibleName() != name)
        widget->setAccessibleName(name);
}

// Kept clear between the end of the player's name and the in-debt mark.
constexpr int NameGap = 4;

} // namespace

void Tfrm_Main::SetLabelText(QLabel* label, const QString& text) {
    label->setText(text);
    // Labels grow to the right of their fixed left edge, as wide as their text.
    label->adjustSize();
}

// The accessible names follow at the next ShowCards, which comes after every new card: a
// computer seat's new total must not be told in the moment before its label hides.
void Tfrm_Main::SetScoreText(int seat, const QString& text) {
    SetLabelText(seats.at(seat).total, text);
}

void Tfrm_Main::SetScoreVisible(int seat, bool visible) {
    seats.at(seat).total->setVisible(visible);
}

// The deal flow records the winner before it asks for the colour, so the name is drawn
// from that record; the colour it passes is the same.
void Tfrm_Main::SetNameColour(int seat, NameColour) {
    DrawSeatName(seat);
    DescribeSeats();
}

void Tfrm_Main::DrawSeatName(int seat) {
    const NameColour colour = Game.LastWinner == seat ? Yellow : White;
    // Only the text colour is the label's own; the rest comes from the window as before.
    QPalette palette;
    palette.setColor(QPalette::WindowText, QColor(colour.red, colour.green, colour.blue));
    seats.at(seat).name->setPalette(palette);
}

void Tfrm_Main::ShowStakeAndName() {
    SetLabelText(stake, QString::number(results_.Pot));
    // A long name ends before the in-debt mark beside it; a listener hears it whole.
    SetLabelText(seats[Seat::Human].name,
                 seats[Seat::Human].name->fontMetrics().elidedText(
                     results_.Name, Qt::ElideRight,
                     seats[Seat::Human].debtMark->x() - seats[Seat::Human].name->x() -
                         qCeil(NameGap * zoom_)));
    DrawSeatName(0);
    DescribeSeats();
}

void Tfrm_Main::SetActionEnabled(GameAction action, bool enabled) {
    switch (action) {
    case GameAction::aUj:
        aUj->setEnabled(enabled);
        break;
    case GameAction::aLapot:
        aLapot->setEnabled(enabled);
        break;
    case GameAction::aMegall:
        aMegall->setEnabled(enabled);
        break;
    }
}

void Tfrm_Main::ShowMessageBox(const QString& text) {
    // The winner box comes once the deal has ended: every hand is told first, then the box
    // speaks the winner.
    if (Game.LastWinner)
        Announce(FinalLine(SeatNames(), Game.Hands));
    ::ShowMessageBox(text, this);
}

bool Tfrm_Main::AskYesNo(const QString& text, const QString& caption) {
    return ::AskYesNo(text, caption, this);
}

CardPlace* Tfrm_Main::CardPlaceAt(char letter, int index) {
    const QString name = PlaceName(letter, index);
    if (auto* place = findChild<CardPlace*>(name, Qt::FindDirectChildrenOnly))
        return place;
    if (index < PlacesPerSeat || index >= TDeck::Size || SeatOfLetter(letter) < 0)
        throw std::runtime_error("There is no card place " + name.toStdString());
    // A long hand goes on in places of its own, each over the one before it and under the
    // labels, the buttons and the in-debt marks, as the first six are.
    auto* place = new CardPlace(this);
    place->setObjectName(name);
    place->stackUnder(seats[Seat::Bank].name);
    place->SetZoom(zoom_);
    place->hide();
    return place;
}

void Tfrm_Main::HideCardPlace(char letter, int index) {
    CardPlace* place = CardPlaceAt(letter, index);
    place->hide();
    // A hidden place names no card of an earlier deal.
    SetSpokenName(place, QString());
    // Places past the sixth only continue this seat's fan: they go with it.
    for (int i = PlacesPerSeat;; ++i) {
        auto* extra = findChild<CardPlace*>(PlaceName(letter, i), Qt::FindDirectChildrenOnly);
        if (!extra)
            break;
        extra->hide();
        SetSpokenName(extra, QString());
    }
}

void Tfrm_Main::ShowHand(char letter, const QString& who, const Hand& hand, bool faceUp) {
    const int count = static_cast<int>(hand.size());
    for (int i = 0; i < count; ++i) {
        CardPlace* place = CardPlaceAt(letter, i);
        place->move(Zoomed(QRect(CardPlacePosition(letter, i, count), QSize()), zoom_).topLeft());
        place->show();
        const QString file =
            faceUp ? QStringLiteral("/Images/%1.bmp").arg(QString::fromStdString(hand[i].Text()))
                   : QStringLiteral("/Images/h.bmp");
        const QString path = ProgramDir.File(file);
        // Read anew every time: the player may change the pictures while the game runs.
        // The picture nearest above the size shown, shrunk smoothly by the place.
        place->SetPicture(LoadCardPicture(path, devicePixelRatioF() * zoom_), path);
        SetSpokenName(place, CardPlaceLine(who, faceUp ? CardName(hand[i]) : FaceDownCardName()));
    }
}

void Tfrm_Main::ShowCards() {
    const auto names = SeatNames();
    for (int seat = 0; seat < int(SeatLetters.size()); ++seat)
        ShowHand(SeatLetters[seat], names[seat], Game.Hands[seat],
                 seat == Seat::Human || Game.Revealed);
    DescribeSeats();
}

void Tfrm_Main::ShowResults() {
    for (int seat = 0; seat < 3; ++seat) {
        const std::int32_t money = MoneyOf(results_, seat);
        SetLabelText(seats[seat].money, QString::number(money));
        SetLabelText(seats[seat].won, QString::number(WinsOf(results_, seat)));
        seats[seat].debtMark->setVisible(money < 0);
    }
    DescribeSeats();
}

std::array<QString, 3> Tfrm_Main::SeatNames() const {
    // A player with no name is still somebody.
    //: A screen reader's name for the player's seat while the player has no name
    return {results_.Name.isEmpty() ? tr("Játékos") : results_.Name, tr("Bank"), tr("Vuru")};
}

void Tfrm_Main::Announce(const QString& text) {
    announcer_->Announce(text);
}

MoveKeys Tfrm_Main::CurrentMoveKeys() const {
    return {KeyNames(aUj->shortcuts()), KeyNames(aLapot->shortcuts()),
            KeyNames(aMegall->shortcuts())};
}

void Tfrm_Main::AnnounceTable() {
    Announce(TableLine(SeatNames()[0], MoneyOf(results_, 0), WinsOf(results_, 0), results_.Pot,
                       Game.Phase, CurrentMoveKeys()));
}

void Tfrm_Main::DescribeSeats() {
    const auto names = SeatNames();
    for (int seat = 0; seat < 3; ++seat) {
        const SeatView& controls = seats[seat];
        const QString& who = names[seat];
        //: A screen reader's name for the last deal's winner: %1 the seat's name
        SetSpokenName(controls.name, Game.LastWinner == seat ? tr("%1, nyertes").arg(who) : who);
        // The computer seats' totals stay secret until their cards turn face up.
        const Hand& hand = Game.Hands[seat];
        const bool secret = seat != 0 && !Game.Revealed;
        //: A screen reader's word for a total hidden until the deal ends
        const QString total = secret         ? tr("rejtett")
                              : hand.empty() ? QString()
                                             : QString::number(HandTotal(hand));
        const auto describe = [&who](QLabel* label, const QString& caption, const QString& value) {
            SetSpokenName(label, QStringLiteral("%1, %2: %3").arg(who, caption, value));
        };
        describe(controls.total, tr("Eredmény"), total);
        describe(controls.money, tr("Pénz"), QString::number(MoneyOf(results_, seat)));
        describe(controls.won, tr("Nyert játékok"), QString::number(WinsOf(results_, seat)));
        //: A screen reader's name for the in-debt mark: %1 the seat's name
        SetSpokenName(controls.debtMark, tr("%1 adósságban van").arg(who));
    }
    //: A screen reader's name for the stake: %1 the amount
    SetSpokenName(stake, tr("Tét: %1").arg(results_.Pot));
}
