#pragma once
// What the deal flow may do to the table. The main window implements it; tests record it.

#include <QString>

enum class GameAction { aUj, aLapot, aMegall };

struct NameColour {
    int red, green, blue;
    bool operator==(const NameColour&) const = default;
};
inline constexpr NameColour White{255, 255, 255};
inline constexpr NameColour Yellow{255, 255, 0};

class Table {
public:
    virtual ~Table() = default;

    // Score label of a seat: Label1, Label2, Label3 for seats 0, 1, 2.
    virtual void SetScoreText(int seat, const QString& text) = 0;
    // Only Label2 and Label3 are ever shown or hidden (seats 1 and 2).
    virtual void SetScoreVisible(int seat, bool visible) = 0;
    // Name label j0, j1, j2.
    virtual void SetNameColour(int seat, NameColour colour) = 0;
    virtual void SetActionEnabled(GameAction action, bool enabled) = 0;
    virtual void ShowCards() = 0;
    virtual void ShowResults() = 0;
    // Card place `letter` (one of SeatLetters) + index 0..5.
    virtual void HideCardPlace(char letter, int index) = 0;
    virtual void ShowMessageBox(const QString& text) = 0;
    virtual bool AskYesNo(const QString& text, const QString& caption) = 0;
};
