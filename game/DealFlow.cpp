#include "game/DealFlow.h"

#include "game/Rules.h"

#include <QCoreApplication>

#include <stdexcept>
#include <utility>

/*
    TRANSLATOR DealFlow

    The boxes of a deal: who won it, and the question before the results are set back.
*/

namespace {

using namespace Seat;

QString WinnerMessage(int seat) {
    switch (seat) {
    case Human:
        //: The box at the end of a deal: the player won
        return QCoreApplication::translate("DealFlow", "Te győztél");
    case Bank:
        //: The box at the end of a deal: the Bank, a seat the computer plays, won
        return QCoreApplication::translate("DealFlow", "Bank nyert");
    default:
        //: The box at the end of a deal: Vuru, the other seat the computer plays, won
        return QCoreApplication::translate("DealFlow", "Vuru nyert");
    }
}

} // namespace

DealFlow::DealFlow(Table& table, TBeall& results, ClockSource clock)
    : DealFlow(table, results, ClockShuffle(std::move(clock))) {}

DealFlow::DealFlow(Table& table, TBeall& results, DeckShuffle shuffle)
    : Deck(std::move(shuffle)), table_(table), results_(results) {
    Deck.ShuffleDeck();
}

void DealFlow::DealCard(int seat) {
    if (NextCard < 0 || NextCard >= TDeck::Size)
        throw std::runtime_error("The deck has no more cards");
    const CardCode code = Deck[NextCard];
    Hands.at(seat).push_back(code);
    ++NextCard;
    Scores[seat] += CardValue(code);
    // Also while the label is hidden, so it is current whenever it shows.
    table_.SetScoreText(seat, QString::number(Scores[seat]));
}

bool DealFlow::aUjExecute() {
    if (Phase == DealPhase::InDeal || settling_)
        return false;
    for (int i = 0; i < 6; ++i) {
        for (const char letter : SeatLetters)
            table_.HideCardPlace(letter, i);
    }
    Scores = {0, 0, 0};
    Deck.ShuffleDeck();
    for (Hand& hand : Hands)
        hand.clear();
    NextCard = 0;
    for (int seat : {Human, Human, Bank, Bank, Vuru, Vuru})
        DealCard(seat);
    NextCard = 6;
    Revealed = false;
    table_.ShowCards();
    table_.SetActionEnabled(GameAction::aUj, false);
    table_.SetActionEnabled(GameAction::aLapot, true);
    table_.SetActionEnabled(GameAction::aMegall, true);
    // The computer seats' totals stay secret during play.
    table_.SetScoreVisible(Bank, false);
    table_.SetScoreVisible(Vuru, false);
    Phase = DealPhase::InDeal;
    LastWinner.reset();
    for (int seat : {Human, Bank, Vuru})
        table_.SetNameColour(seat, White);
    return true;
}

bool DealFlow::aLapotExecute() {
    if (Phase != DealPhase::InDeal)
        return false;
    DealCard(Human);
    if (CountsNothing(Scores[Human])) {
        FinishDeal();
        return true;
    }
    table_.ShowCards();
    // One card for each computer seat below the limit per card the human takes.
    if (ComputerSeatDraws(Scores[Bank]))
        DealCard(Bank);
    table_.ShowCards();
    if (ComputerSeatDraws(Scores[Vuru]))
        DealCard(Vuru);
    table_.ShowCards();
    return true;
}

bool DealFlow::aMegallExecute() {
    if (Phase != DealPhase::InDeal)
        return false;
    FinishDeal();
    return true;
}

void DealFlow::FinishDeal() {
    table_.SetActionEnabled(GameAction::aLapot, false);
    // The Bank draws out completely before Vuru starts.
    while (ComputerSeatDraws(Scores[Bank])) {
        DealCard(Bank);
        table_.ShowCards();
    }
    while (ComputerSeatDraws(Scores[Vuru])) {
        DealCard(Vuru);
        table_.ShowCards();
    }
    table_.SetScoreVisible(Bank, true);
    table_.SetScoreVisible(Vuru, true);
    Revealed = true;
    table_.ShowCards();

    const int winner = DecideWinner();
    // Before anything can wait for the player: a stand pressed again while the box is up
    // would settle the deal a second time.
    table_.SetActionEnabled(GameAction::aMegall, false);
    // The whole settlement at once, money and the win together, and kept before the box:
    // whatever ends the program while the box is up, the deal is never half paid.
    const std::int32_t pot = results_.Pot;
    for (int seat : {Human, Bank, Vuru}) {
        std::int32_t& money = MoneyOf(results_, seat);
        money = seat == winner ? WrapAdd(money, WrapAdd(pot, pot)) : WrapSub(money, pot);
    }
    std::int32_t& wins = WinsOf(results_, winner);
    wins = WrapAdd(wins, 1);
    Phase = DealPhase::BetweenDeals;
    LastWinner = winner;
    settling_ = true;
    KeepResults();
    EndSettledDeal(winner);
}

void DealFlow::EndSettledDeal(int winner) {
    try {
        table_.SetNameColour(winner, Yellow);
        // Modal: the money and the games won show once the player has read who won.
        table_.ShowMessageBox(WinnerMessage(winner));
    } catch (...) {
        // The deal is paid whatever failed here, so the next one must still be possible.
        settling_ = false;
        table_.SetActionEnabled(GameAction::aUj, true);
        throw;
    }
    settling_ = false;
    table_.SetActionEnabled(GameAction::aUj, true);
    table_.ShowResults();
}

int DealFlow::DecideWinner() {
    // The labels keep the totals reached; only the counted totals drop to 0.
    for (std::int32_t& score : Scores)
        score = CountedTotal(score);
    return Winner(Scores, {Hands[Human].size(), Hands[Bank].size(), Hands[Vuru].size()});
}

bool DealFlow::aEredmenyTorolExecute() {
    if (!table_.AskYesNo(
            //: Asked before every seat's money and games won are set back to the start
            QCoreApplication::translate("DealFlow", "Valóban nullázzam az eredményeket?"),
            //: The title of that question's box
            QCoreApplication::translate("DealFlow", "Megerősítés")))
        return false;
    results_.Money1 = results_.Money2 = results_.Money3 = 1000;
    results_.Win1 = results_.Win2 = results_.Win3 = 0;
    KeepResults();
    table_.ShowResults();
    return true;
}

void DealFlow::KeepResults() {
    if (ResultsChanged)
        ResultsChanged();
}
