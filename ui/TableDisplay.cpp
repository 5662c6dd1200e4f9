// The table display: cards, totals, money, games won and in-debt marks on the main window.
#include "ui/Main.h"

#include "app/Seged.h"
#include "game/Results.h"
#include "ui/BitmapLoader.h"
#include "ui/CardNames.h"
#include "ui/CardPlace.h"
#include "ui/TableLayout.h"

#include <QAction>
#include <QLabel>

#include <stdexcept>

namespace {

QString PlaceName(char letter, int index) {
    return QChar(letter) + QString::number(index);
}

bool IsWinnerColour(const QLabel* label) {
    return label->palette().color(QPalette::WindowText) ==
           QColor(Yellow.red, Yellow.green, Yellow.blue);
}

} // namespace

void Tfrm_Main::SetLabelText(QLabel* label, const QString& text) {
    label->setText(text);
    // Labels grow to the right of their fixed left edge, as wide as their text.
    label->adjustSize();
}

void Tfrm_Main::SetScoreText(int seat, const QString& text) {
    QLabel* const labels[] = {Label1, Label2, Label3};
    SetLabelText(labels[seat], text);
    UpdateAccessibleNames();
}

void Tfrm_Main::SetScoreVisible(int seat, bool visible) {
    QLabel* const labels[] = {Label1, Label2, Label3};
    labels[seat]->setVisible(visible);
}

void Tfrm_Main::SetNameColour(int seat, NameColour colour) {
    QLabel* const names[] = {j0, j1, j2};
    QPalette palette = names[seat]->palette();
    palette.setColor(QPalette::WindowText, QColor(colour.red, colour.green, colour.blue));
    names[seat]->setPalette(palette);
    UpdateAccessibleNames();
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
    ::ShowMessageBox(text, this);
}

bool Tfrm_Main::AskYesNo(const QString& text, const QString& caption) {
    return ::AskYesNo(text, caption, this);
}

CardPlace* Tfrm_Main::CardPlaceAt(char letter, int index) {
    const QString name = PlaceName(letter, index);
    if (auto* place = findChild<CardPlace*>(name, Qt::FindDirectChildrenOnly))
        return place;
    if (index < PlacesPerSeat || index >= TDeck::Size ||
        (letter != 'a' && letter != 'b' && letter != 'c'))
        throw std::runtime_error("There is no card place " + name.toStdString());
    // A long hand goes on in places of its own, each over the one before it and under the
    // labels, the buttons and the in-debt marks, as the first six are.
    auto* place = new CardPlace(this);
    place->setObjectName(name);
    place->stackUnder(j1);
    place->hide();
    return place;
}

void Tfrm_Main::HideCardPlace(char letter, int index) {
    CardPlaceAt(letter, index)->hide();
    // Places past the sixth only continue this seat's fan: they go with it.
    for (int i = PlacesPerSeat;; ++i) {
        auto* extra = findChild<CardPlace*>(PlaceName(letter, i), Qt::FindDirectChildrenOnly);
        if (!extra)
            break;
        extra->hide();
    }
}

void Tfrm_Main::ShowHand(char letter, const Hand& hand, bool faceUp) {
    const int count = static_cast<int>(hand.size());
    for (int i = 0; i < count; ++i) {
        CardPlace* place = CardPlaceAt(letter, i);
        place->move(CardPlacePosition(letter, i, count));
        place->show();
        const QString file =
            faceUp ? QStringLiteral("/Images/%1.bmp").arg(QString::fromStdString(hand[i].Text()))
                   : QStringLiteral("/Images/h.bmp");
        const QString path = ProgramDir.File(file);
        // Read anew every time: the player may change the pictures while the game runs.
        place->SetPicture(LoadCardPicture(path, devicePixelRatioF()), path);
        place->setAccessibleName(faceUp ? CardName(hand[i]) : FaceDownCardName());
    }
}

void Tfrm_Main::ShowCards() {
    ShowHand('a', Game.Hands[0], true);
    ShowHand('b', Game.Hands[1], Game.Revealed);
    ShowHand('c', Game.Hands[2], Game.Revealed);
}

void Tfrm_Main::ShowResults() {
    SetLabelText(Label17, QString::number(Results.Money1));
    SetLabelText(Label7, QString::number(Results.Money2));
    SetLabelText(Label11, QString::number(Results.Money3));
    SetLabelText(Label9, QString::number(Results.Win2));
    SetLabelText(Label14, QString::number(Results.Win3));
    SetLabelText(Label20, QString::number(Results.Win1));
    t0->setVisible(Results.Money1 < 0);
    t1->setVisible(Results.Money2 < 0);
    t2->setVisible(Results.Money3 < 0);
    UpdateAccessibleNames();
}

void Tfrm_Main::UpdateAccessibleNames() {
    struct Seat {
        QLabel* name;
        QLabel* total;
        QLabel* money;
        QLabel* won;
        QLabel* debt;
    };
    const Seat seats[] = {{j0, Label1, Label17, Label20, t0},
                          {j1, Label2, Label7, Label9, t1},
                          {j2, Label3, Label11, Label14, t2}};
    for (const Seat& seat : seats) {
        const QString who =
            seat.name->text().isEmpty() ? QStringLiteral("Játékos") : seat.name->text();
        seat.name->setAccessibleName(
            IsWinnerColour(seat.name) ? QStringLiteral("%1, nyertes").arg(who) : who);
        const auto describe = [&who](QLabel* label, const QString& caption) {
            label->setAccessibleName(QStringLiteral("%1, %2: %3").arg(who, caption, label->text()));
        };
        describe(seat.total, QStringLiteral("Eredmény"));
        describe(seat.money, QStringLiteral("Pénz"));
        describe(seat.won, QStringLiteral("Nyert játékok"));
        seat.debt->setAccessibleName(QStringLiteral("%1 adósságban van").arg(who));
    }
    Label23->setAccessibleName(QStringLiteral("Tét: %1").arg(Label23->text()));
}
