#pragma once
// The results: money and games won per seat, the stake and the player's name. The program
// keeps one record, made at start-up and handed to the window that reads, shows and saves it.

#include <QString>

#include <cstdint>

struct TBeall {
    std::int32_t Money1 = 1000; // the human player
    std::int32_t Money2 = 1000; // the Bank
    std::int32_t Money3 = 1000; // Vuru
    std::int32_t Win1 = 0;
    std::int32_t Win2 = 0;
    std::int32_t Win3 = 0;
    std::int32_t Pot = 50;
    QString Name = QStringLiteral("Tarvesz");

    bool operator==(const TBeall&) const = default;
};

// A seat's money and games won by seat number (0 the human player, 1 the Bank, 2 Vuru),
// writable through a writable record.
template <typename Record> auto& MoneyOf(Record& results, int seat) {
    return seat == 0 ? results.Money1 : seat == 1 ? results.Money2 : results.Money3;
}
template <typename Record> auto& WinsOf(Record& results, int seat) {
    return seat == 0 ? results.Win1 : seat == 1 ? results.Win2 : results.Win3;
}

// Money and games won are plain 32-bit numbers that wrap around, as two's complement.
inline std::int32_t WrapAdd(std::int32_t a, std::int32_t b) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) + static_cast<std::uint32_t>(b));
}
inline std::int32_t WrapSub(std::int32_t a, std::int32_t b) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) - static_cast<std::uint32_t>(b));
}
