#pragma once
// The lines a screen reader speaks about the table, built from the game's state.

#include "game/DealFlow.h"
#include "game/Rules.h"

#include <QString>

#include <array>
#include <cstdint>

// "Tarvesz: Piros ász, Makk felső, összesen 14"
QString HandLine(const QString& who, const Hand& hand);

// During a deal: the player's cards and total, then how many cards each computer seat holds.
QString DealLine(const std::array<QString, 3>& names, const std::array<Hand, 3>& hands);

// At the end of a deal: every hand with its total.
QString FinalLine(const std::array<QString, 3>& names, const std::array<Hand, 3>& hands);

// The keys of the three moves as the table's actions have them ("F2"), to be spoken.
struct MoveKeys {
    QString newDeal;
    QString oneMore;
    QString stand;
};

// Where the player stands and what to press next: "Tarvesz: pénz 1000, nyert játékok 0.
// Tét 50. Új leosztás: F2."
QString TableLine(const QString& player, std::int32_t money, std::int32_t won, std::int32_t pot,
                  DealPhase phase, const MoveKeys& keys);

// Why a move key does nothing in this phase of the game, and what to press instead.
QString NoMoveLine(DealPhase phase, const MoveKeys& keys);

// A card place on the table: whose card it is, and the card or that it lies face down.
QString CardPlaceLine(const QString& who, const QString& card);
