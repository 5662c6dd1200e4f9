#pragma once
// The main window: the whole card table, its buttons and keys, and the game it owns.

#include "game/DealFlow.h"
#include "game/Table.h"

#include <QPoint>
#include <QString>
#include <QWidget>

#include <array>
#include <optional>
#include <utility>
#include <vector>

class CardPlace;
class QAction;
class QLabel;
struct MoveKeys;
class QScreen;
class QStyle;
class QToolButton;
class TExe;
class ButtonTips;
class ResultsKeeper;
struct ScreenArea;
class Announcer;
struct ForwardRequest;

class Tfrm_Main : public QWidget, public Table {
    Q_OBJECT
public:
    static constexpr int ClientWidth = 512;
    static constexpr int ClientHeight = 516;

    // `keeper` holds the program's one record of money, games won, stake and name and its
    // file; the window draws the record, changes it through the game and asks for saves.
    // `clock` seeds the shuffles; tests pass a fixed one.
    explicit Tfrm_Main(ResultsKeeper& keeper, ClockSource clock = SteadyClockLow32,
                       QWidget* parent = nullptr);
    ~Tfrm_Main() override;

    // Table
    void SetScoreText(int seat, const QString& text) override;
    void SetScoreVisible(int seat, bool visible) override;
    void SetNameColour(int seat, NameColour colour) override;
    void SetActionEnabled(GameAction action, bool enabled) override;
    void ShowCards() override;
    void ShowResults() override;
    void HideCardPlace(char letter, int index) override;
    void ShowMessageBox(const QString& text) override;
    bool AskYesNo(const QString& text, const QString& caption) override;

    void aUjExecute();
    void aLapotExecute();
    void aMegallExecute();
    void aBeallitExecute();
    void aTalcaraExecute();
    void aBezarExecute();
    void aEredmenyTorolExecute();
    void aNevjegyExecute();
    void aHonlapExecute();
    void aSugoExecute();

    // Card place `letter` + `index`, found by name; places beyond the sixth are made on
    // demand so a long hand never runs out of places.
    CardPlace* CardPlaceAt(char letter, int index);

    // The keys of the moves as the actions have them now, for what is spoken.
    MoveKeys CurrentMoveKeys() const;

    DealFlow Game;

    // Moving the window by its background. Pressing: the left button is down on it and the
    // pointer has not yet gone the drag distance; Dragging: the game moves the window itself.
    bool Pressing = false;
    bool Dragging = false;
    QPoint DragStartCursor;
    int DragStartLeft = 0;
    int DragStartTop = 0;

    // The felt, which the table is dragged by, and the deck.
    QLabel* felt = nullptr;
    CardPlace* deck = nullptr;
    // One seat: the name, then each caption with its value beside it, and the in-debt mark.
    struct SeatView {
        QLabel* name = nullptr;
        QLabel* totalCaption = nullptr;
        QLabel* total = nullptr;
        QLabel* moneyCaption = nullptr;
        QLabel* money = nullptr;
        QLabel* wonCaption = nullptr;
        QLabel* won = nullptr;
        QLabel* debtMark = nullptr;
    };
    // By seat number: the human player, the Bank, Vuru.
    std::array<SeatView, 3> seats{};
    QLabel* stakeCaption = nullptr;
    QLabel* stake = nullptr;
    QToolButton *newDealButton = nullptr, *oneMoreButton = nullptr, *standButton = nullptr;
    // The small buttons of the top row, from the left.
    QToolButton *resetResultsButton = nullptr, *homepageButton = nullptr, *aboutButton = nullptr,
                *settingsButton = nullptr, *minimiseButton = nullptr, *closeButton = nullptr;

    QAction *aUj = nullptr, *aLapot = nullptr, *aMegall = nullptr, *aBeallit = nullptr,
            *aTalcara = nullptr, *aBezar = nullptr, *aEredmenyTorol = nullptr, *aNevjegy = nullptr,
            *aHonlap = nullptr, *aSugo = nullptr;

    TExe* Exe = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void CreateControls();
    // Everything the window draws itself, at the screen's current resolution and the zoom.
    void DrawWindowPictures();
    // Shrinks the table to fit a screen's free area `area` (or brings it back to its own size
    // where it fits): every position, size and font together, pictures at the next
    // DrawWindowPictures.
    void FitInto(const ScreenArea& area);
    // Moves each value right of its caption where the caption reaches it.
    void KeepValuesBesideCaptions();
    // Puts `widget` at `base`, in table pixels at zoom 1, and keeps it there at every zoom;
    // an empty size leaves the widget's own. A label's font is TableFont(`fontPixels`).
    void Place(QWidget* widget, const QRect& base, int fontPixels = 0, bool bold = false);
    void CreateActions();
    QLabel* MakeLabel(const char* name, int left, int top, const QString& text, int pixelSize,
                      bool bold);
    QToolButton* MakeButton(const char* name, QAction* action, int left, int top, int width,
                            int height);
    QAction* MakeAction(const char* name, const QString& caption, const QString& hint,
                        const QList<QKeySequence>& keys, void (Tfrm_Main::*execute)());
    // Follows changes of `followed`, the screen the table is on, until it is on another.
    void FollowScreen(QScreen* followed);
    // Sizes the table for its screen as the start would and draws it anew; `bringInside`
    // also moves it whole into the screen's free area.
    void RefitToScreen(bool bringInside);
    void FormCreate();
    void FormClose(QCloseEvent* event);
    void ComeForward(const ForwardRequest& request);
    void Image2MouseDown(Qt::MouseButton button);
    void Image2MouseMove(Qt::MouseButtons buttons);
    void Image2MouseUp();
    void SetLabelText(QLabel* label, const QString& text);
    void ShowHand(char letter, const QString& who, const Hand& hand, bool faceUp);
    void ShowStakeAndName();
    void DrawSeatName(int seat);
    // How the seats are named to a listener: the player by name, then Bank and Vuru.
    std::array<QString, 3> SeatNames() const;
    void DescribeSeats();
    void Announce(const QString& text);
    // Where the player stands and what to press, spoken when the table is back in front.
    void AnnounceTable();
    void KeepFocusOnTable();

    ResultsKeeper& keeper_;
    TBeall& results_;
    Announcer* announcer_ = nullptr;
    ButtonTips* tips_ = nullptr;
    QStyle* buttonStyle_ = nullptr;
    // An X11 window manager was asked to move the table at the press on its background.
    bool askedWindowManager_ = false;
    bool watchingScreen_ = false;
    // The connections to the table's screen, gone with it.
    QObject* screenWatch_ = nullptr;
    // The table's zoom: 1 where it fits its screen, less where it would not.
    qreal zoom_ = 1.0;
    struct Placed {
        QWidget* widget;
        QRect base;
        int fontPixels;
        bool bold;
    };
    std::vector<Placed> placed_;
};
