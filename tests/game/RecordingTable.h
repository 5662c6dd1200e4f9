#pragma once
// A table that writes down every operation the deal flow asks of it, keeps the state those
// operations leave behind, and can be told to fail at a chosen operation.

#include "game/DealFlow.h"

#include <algorithm>
#include <map>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

class RecordingTable : public Table {
public:
    std::vector<std::string> Log;
    // As the window starts: between deals.
    std::map<GameAction, bool> Enabled{
        {GameAction::aUj, true}, {GameAction::aLapot, false}, {GameAction::aMegall, false}};
    std::map<int, bool> ScoreVisible{{0, true}, {1, false}, {2, false}};
    std::map<int, std::string> ScoreText;
    std::map<int, NameColour> Colour;
    bool Answer = true;

    // Seen at ShowCards: the hand sizes and whether the cards are face up.
    const DealFlow* Flow = nullptr;
    // Seen when the winner is announced.
    const TBeall* Results = nullptr;
    std::vector<TBeall> ResultsAtMessage;

    // The operation whose log entry starts with FailOn fails on its FailAt-th call (from 1).
    std::string FailOn;
    int FailAt = 0;

    std::vector<std::string> TakeLog() { return std::exchange(Log, {}); }

    void SetScoreText(int seat, const QString& text) override {
        Record("score " + std::to_string(seat) + " = " + text.toStdString());
        ScoreText[seat] = text.toStdString();
    }
    void SetScoreVisible(int seat, bool visible) override {
        Record((visible ? "show label " : "hide label ") + std::to_string(seat));
        ScoreVisible[seat] = visible;
    }
    void SetNameColour(int seat, NameColour colour) override {
        const std::string name = colour == White ? "white" : colour == Yellow ? "yellow" : "other";
        Record("colour " + std::to_string(seat) + " " + name);
        Colour[seat] = colour;
    }
    void SetActionEnabled(GameAction action, bool enabled) override {
        static const std::map<GameAction, std::string> names{{GameAction::aUj, "aUj"},
                                                             {GameAction::aLapot, "aLapot"},
                                                             {GameAction::aMegall, "aMegall"}};
        Record((enabled ? "enable " : "disable ") + names.at(action));
        Enabled[action] = enabled;
    }
    void ShowCards() override {
        std::string entry = "cards";
        if (Flow != nullptr) {
            for (const Hand& hand : Flow->Hands)
                entry += " " + std::to_string(hand.size());
            entry += Flow->Revealed ? " up" : " down";
        }
        Record(entry);
    }
    void ShowResults() override { Record("results"); }
    void HideCardPlace(char letter, int index) override {
        Record(std::string("hide ") + letter + std::to_string(index));
    }
    void ShowMessageBox(const QString& text) override {
        Record("message " + text.toStdString());
        if (Results != nullptr)
            ResultsAtMessage.push_back(*Results);
    }
    bool AskYesNo(const QString& text, const QString& caption) override {
        Record("ask " + text.toStdString() + " | " + caption.toStdString());
        return Answer;
    }

private:
    std::map<std::string, int> calls_;

    void Record(const std::string& entry) {
        if (!FailOn.empty() && entry.rfind(FailOn, 0) == 0 && ++calls_[FailOn] == FailAt)
            throw std::runtime_error("table failed at " + entry);
        Log.push_back(entry);
    }
};

// A deal flow on a recording table whose every shuffle hands over `NextDeck` as it is.
struct TestGame {
    RecordingTable table;
    TBeall results;
    DeckOrder NextDeck = TDeck::BuildOrder();
    DealFlow flow{table, results, [this](const DeckOrder&) { return NextDeck; }};

    TestGame() {
        table.Flow = &flow;
        table.Results = &results;
    }
    // The flow's shuffle points back into this object.
    TestGame(const TestGame&) = delete;
    TestGame& operator=(const TestGame&) = delete;

    // The next new deal deals `top` first, then the remaining cards in build order.
    void DealNextFrom(const std::vector<std::string>& top) {
        std::vector<CardCode> order;
        for (const std::string& code : top)
            order.push_back(CardCode{code.at(0), code.at(1)});
        for (const CardCode& card : TDeck::BuildOrder())
            if (std::find(order.begin(), order.end(), card) == order.end())
                order.push_back(card);
        if (order.size() != NextDeck.size())
            throw std::invalid_argument("the top of a deck must name distinct cards");
        std::copy(order.begin(), order.end(), NextDeck.begin());
    }

    void NewDeal(const std::vector<std::string>& top) {
        DealNextFrom(top);
        flow.aUjExecute();
        table.TakeLog();
    }
};
