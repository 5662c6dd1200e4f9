// Three figures from one run: the floor (the shuffle's bare loop over plain integers),
// ShuffleDeck, and a whole deal against a table that does nothing.
#include "game/DealFlow.h"
#include "game/Rules.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>

namespace {

class NoOpTable final : public Table {
public:
    void SetScoreText(int, const QString&) override {}
    void SetScoreVisible(int, bool) override {}
    void SetNameColour(int, NameColour) override {}
    void SetActionEnabled(GameAction, bool) override {}
    void ShowCards() override {}
    void ShowResults() override {}
    void HideCardPlace(char, int) override {}
    void ShowMessageBox(const QString&) override {}
    bool AskYesNo(const QString&, const QString&) override { return false; }
};

// The least a shuffle can cost: the same clock read, the same source and 20002 draws,
// swapping 32 integers. The array is published after every run so the work stays.
void Floor(benchmark::State& state) {
    std::array<std::int32_t, 32> values{};
    for (std::int32_t i = 0; i < 32; ++i)
        values[i] = i;
    const ClockSource clock = SteadyClockLow32;
    for (auto _ : state) {
        RandomSource random;
        random.Seed(clock());
        for (int swap = 0; swap <= 10000; ++swap) {
            const std::uint32_t r1 = random.Next(32);
            const std::uint32_t r2 = random.Next(32);
            const std::int32_t first = values[r1];
            values[r1] = values[r2];
            values[r2] = first;
        }
        benchmark::DoNotOptimize(values);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(Floor);

void ShuffleDeck(benchmark::State& state) {
    TDeck deck;
    for (auto _ : state) {
        deck.ShuffleDeck();
        benchmark::DoNotOptimize(deck.Cards());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(ShuffleDeck);

// New deal, stand, settle.
void WholeDeal(benchmark::State& state) {
    NoOpTable table;
    TBeall results;
    DealFlow flow(table, results);
    for (auto _ : state) {
        flow.aUjExecute();
        flow.aMegallExecute();
        benchmark::DoNotOptimize(results);
    }
}
BENCHMARK(WholeDeal);

} // namespace

BENCHMARK_MAIN();
