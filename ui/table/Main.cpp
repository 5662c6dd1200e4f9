#include "ui/table/Main.h"

#include "app/ErrorBox.h"
#include "app/Seged.h"
#include "ui/copies/DesktopActivation.h"
#include "ui/dialogs/Beallit.h"
#include "ui/dialogs/Nevjegy.h"
#include "ui/dialogs/Sugo.h"
#include "ui/look/ButtonHover.h"
#include "ui/look/ToolTipStyle.h"
#include "ui/speech/TableAccessibility.h"
#include "ui/speech/TableSpeech.h"
#include "ui/start/Exe.h"
#include "ui/start/ResultsKeeper.h"
#include "ui/table/CardPlace.h"
#include "ui/table/DeviceFit.h"
#include "ui/table/TableActions.h"
#include "ui/table/TableButton.h"
#include "ui/table/TableLayout.h"
#include "ui/table/TablePlacement.h"
#include "ui/table/WindowManagerMove.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QStyleHints>
#include <QTimer>
#include <QToolButton>
#include <QWindow>

#include <algorithm>
#include <iterator>
#include <utility>

/*
    TRANSLATOR Tfrm_Main

    The card table: the deal buttons, the small buttons' tips, the seats' captions and names,
    and what a screen reader hears of them.
*/

Tfrm_Main::Tfrm_Main(ResultsKeeper& keeper, ClockSource clock, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      Game(*this, keeper.Results(), std::move(clock)), keeper_(keeper), results_(keeper.Results()) {
    InstallTableAccessibility();
    setObjectName(QStringLiteral("frm_Main"));
    // Desktop taskbars list a window by its title, and the game's taskbar button has always
    // read the application title.
    setWindowTitle(ApplicationTitle());
    setFixedSize(ClientWidth, ClientHeight);
    tips_ = new ButtonTips(this);
    buttonStyle_ = NewButtonStyle(this);
    CreateActions();
    CreateControls();
    Exe = new TExe(this);
    Exe->Command = HomepageAddress();
    Game.ResultsChanged = [this] { keeper_.SaveAfterChange(); };
    connect(&keeper_, &ResultsKeeper::ForwardRequested, this,
            [this](const ForwardRequest& request) { RunGuarded([&] { ComeForward(request); }); });
    RunGuarded([this] { FormCreate(); });
}

Tfrm_Main::~Tfrm_Main() {
    keeper_.TrackPosition({});
}

QAction* Tfrm_Main::MakeAction(const char* name, const QString& caption, const QString& hint,
                               const QList<QKeySequence>& keys, void (Tfrm_Main::*execute)()) {
    auto* action = new QAction(caption, this);
    action->setObjectName(QString::fromLatin1(name));
    action->setStatusTip(hint);
    action->setToolTip(ButtonTipText(hint, keys.isEmpty() ? QKeySequence() : keys.first()));
    action->setShortcuts(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    addAction(action);
    connect(action, &QAction::triggered, this,
            [this, execute] { RunGuarded([this, execute] { (this->*execute)(); }); });
    return action;
}

void Tfrm_Main::CreateActions() {
    for (const TableAction& row : TableActions()) {
        QAction* action =
            MakeAction(row.name, tr(row.caption), tr(row.hint), row.keys, row.execute);
        action->setEnabled(row.openAtStart);
        // The help lists the keys of the table's own actions, in their order.
        if (row.keysLine != nullptr)
            action->setProperty(KeysLineProperty,
                                QCoreApplication::translate("Tfrm_Sugo", row.keysLine));
        this->*row.member = action;
    }
}

QLabel* Tfrm_Main::MakeLabel(const char* name, int left, int top, const QString& text,
                             int pixelSize, bool bold) {
    auto* label = new QLabel(this);
    label->setObjectName(QString::fromLatin1(name));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(palette);
    label->setTextFormat(Qt::PlainText);
    Place(label, QRect(left, top, 0, 0), pixelSize, bold);
    SetLabelText(label, text);
    return label;
}

QToolButton* Tfrm_Main::MakeButton(const char* name, QAction* action, int left, int top, int width,
                                   int height) {
    auto* button = new TableButton(this);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoRaise(false);
    // Reached with Tab only, so a mouse player never sees a focus mark.
    button->setFocusPolicy(Qt::TabFocus);
    button->setDefaultAction(action);
    Place(button, QRect(left, top, width, height));
    button->setAccessibleName(action->statusTip());
    // The name is spoken already; the description adds the key alone. A button with no key
    // keeps its tip, which is its name, and screen readers do not speak that twice.
    const QString key = ShortcutText(action->shortcut());
    if (!key.isEmpty())
        button->setAccessibleDescription(key);
    LightUpUnderMouse(*button, *buttonStyle_);
    // A disabled button lets a press through to the background, which starts a drag.
    const auto followAction = [button, action] {
        button->setAttribute(Qt::WA_TransparentForMouseEvents, !action->isEnabled());
    };
    followAction();
    connect(action, &QAction::changed, button, followAction);
    button->installEventFilter(this);
    return button;
}

void Tfrm_Main::CreateControls() {

    felt = new QLabel(this);
    felt->setObjectName(QStringLiteral("Image2"));
    Place(felt, QRect(0, 0, ClientWidth, ClientHeight));
    //: A screen reader's name for the table's background
    felt->setAccessibleName(tr("Kártyaasztal"));
    felt->installEventFilter(this);

    deck = new CardPlace(this);
    deck->setObjectName(QStringLiteral("Image1"));
    Place(deck, QRect(QPoint(12, 12), QSize()));
    //: A screen reader's name for the deck
    deck->setAccessibleName(tr("Pakli"));

    // Made in this order, which is also their stacking order among the table's children.
    for (const int seat : {Seat::Bank, Seat::Vuru, Seat::Human}) {
        const char letter = SeatLetters[seat];
        for (int i = 0; i < PlacesPerSeat; ++i) {
            auto* place = new CardPlace(this);
            place->setObjectName(QString(QChar(letter)) + QString::number(i));
            Place(place, QRect(CardPlacePosition(letter, i, PlacesPerSeat), QSize()));
            place->hide();
        }
    }

    // Each seat's name, then its result, money and games won, each value beside its caption;
    // the in-debt mark comes right of the name, made after the buttons. Seat by seat in this
    // order, which is also their stacking order. In table pixels, with the form's names.
    struct SeatLayout {
        int seat;
        std::array<const char*, 8> objectNames; // name, its three captions and values, mark
        QString name;
        int left, top, valueLeft, wonValueLeft, markLeft;
    };
    //: The name of a seat the computer plays: the Bank
    const QString bank = tr("Bank");
    //: The name of the other seat the computer plays; a name, usually kept as it is
    const QString vuru = tr("Vuru");
    // clang-format off
    const SeatLayout layouts[] = {
        {Seat::Bank,  {"j1", "Label5",  "Label2", "Label6",  "Label7",  "Label8",  "Label9",  "t1"},
         bank, 20, 144, 80, 112, 160},
        {Seat::Vuru,  {"j2", "Label15", "Label3", "Label12", "Label11", "Label13", "Label14", "t2"},
         vuru, 268, 284, 328, 360, 416},
        {Seat::Human, {"j0", "Label21", "Label1", "Label18", "Label17", "Label19", "Label20", "t0"},
         {}, 20, 424, 80, 112, 160},
    };
    // clang-format on
    for (const SeatLayout& at : layouts) {
        SeatView& seat = seats[at.seat];
        const auto& names = at.objectNames;
        seat.name = MakeLabel(names[0], at.left, at.top, at.name, 15, true);
        //: A seat's caption: the total of its cards in this deal
        seat.totalCaption = MakeLabel(names[1], at.left, at.top + 24, tr("Eredmény"), 12, false);
        seat.total = MakeLabel(names[2], at.valueLeft, at.top + 24, {}, 12, true);
        // The others' totals are hidden until a deal ends.
        if (at.seat != Seat::Human)
            seat.total->hide();
        //: A seat's caption: its money
        seat.moneyCaption = MakeLabel(names[3], at.left, at.top + 44, tr("Pénz"), 12, false);
        seat.money = MakeLabel(names[4], at.valueLeft, at.top + 44, {}, 12, true);
        //: A seat's caption: how many deals it has won
        seat.wonCaption = MakeLabel(names[5], at.left, at.top + 64, tr("Nyert játékok"), 12, false);
        seat.won = MakeLabel(names[6], at.wonValueLeft, at.top + 64, {}, 12, true);
    }

    newDealButton = MakeButton("SpeedButton1", aUj, 384, 72, 77, 25);
    //: The table's caption of the stake: the money each deal is played for
    stakeCaption = MakeLabel("Label22", 328, 44, tr("Tét"), 12, false);
    stake = MakeLabel("Label23", 388, 44, {}, 12, true);
    KeepValuesBesideCaptions();
    oneMoreButton = MakeButton("SpeedButton4", aLapot, 304, 428, 77, 25);
    standButton = MakeButton("SpeedButton5", aMegall, 384, 428, 77, 25);
    resetResultsButton = MakeButton("SpeedButton9", aEredmenyTorol, 348, 8, 23, 22);
    homepageButton = MakeButton("SpeedButton8", aHonlap, 376, 8, 23, 22);
    aboutButton = MakeButton("SpeedButton7", aNevjegy, 400, 8, 23, 22);
    settingsButton = MakeButton("SpeedButton6", aBeallit, 428, 8, 23, 22);
    minimiseButton = MakeButton("SpeedButton3", aTalcara, 456, 8, 23, 22);
    closeButton = MakeButton("SpeedButton2", aBezar, 480, 8, 23, 22);

    for (QToolButton* button : {newDealButton, oneMoreButton, standButton}) {
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        tips_->Silence(button);
    }
    for (QToolButton* button : {resetResultsButton, homepageButton, aboutButton, settingsButton,
                                minimiseButton, closeButton}) {
        button->setToolButtonStyle(Qt::ToolButtonIconOnly);
        tips_->ShowTips(button);
    }

    for (const SeatLayout& at : layouts) {
        QLabel* mark = new QLabel(this);
        mark->setObjectName(QString::fromLatin1(at.objectNames[7]));
        Place(mark, QRect(at.markLeft, at.top, 64, 64));
        mark->hide();
        seats[at.seat].debtMark = mark;
    }
    announcer_ = new Announcer(this);
    KeepFocusOnTable();
}

void Tfrm_Main::KeepFocusOnTable() {
    // The window holds the focus itself until Tab moves it, and takes it back at a click, so
    // no button shows a focus mark to a mouse player and the function keys never move the
    // focus. Left with no focus at all, the window would hand it to its first button when
    // it is next activated.
    if (focusWidget() != this)
        setFocus(Qt::OtherFocusReason);
}

bool Tfrm_Main::focusNextPrevChild(bool next) {
    // Tab reaches the deal buttons first, then the small buttons of the top row, and the
    // reset of the results last, so no short run of keys from the table wipes them. A
    // disabled button is passed over.
    QWidget* const order[] = {newDealButton,  oneMoreButton, standButton,
                              homepageButton, aboutButton,   settingsButton,
                              minimiseButton, closeButton,   resetResultsButton};
    const int count = int(std::size(order));
    const int step = next ? 1 : count - 1;
    const auto from = std::find(std::begin(order), std::end(order), focusWidget());
    int at = from == std::end(order) ? (next ? count - 1 : 0) : int(from - std::begin(order));
    for (int tried = 0; tried < count; ++tried) {
        at = (at + step) % count;
        if (order[at]->isEnabled() && order[at]->isVisible()) {
            order[at]->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    }
    return false;
}

void Tfrm_Main::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (watchingScreen_ || !windowHandle())
        return;
    watchingScreen_ = true;
    // Moved to a screen of another resolution or size, the table is drawn anew for it, shrunk
    // where it would not fit; the cards are read again as at any other change of the table.
    // It is not moved: the player may still be dragging it there.
    connect(windowHandle(), &QWindow::screenChanged, this, [this](QScreen* screen) {
        RunGuarded([this, screen] {
            FollowScreen(screen);
            RefitToScreen(false);
        });
    });
    FollowScreen(windowHandle()->screen());
}

void Tfrm_Main::FollowScreen(QScreen* followed) {
    delete screenWatch_;
    screenWatch_ = new QObject(this);
    if (followed == nullptr)
        return;
    // A text size or resolution changed on the desktop while the game runs (GNOME's Large
    // Text, a new scale, a panel added) comes as several changes of the screen in a row; the
    // table follows them once, as the start would have sized it, and stays whole on the screen.
    const auto refit = [this] {
        QTimer::singleShot(0, screenWatch_,
                           [this] { RunGuarded([this] { RefitToScreen(true); }); });
    };
    connect(followed, &QScreen::logicalDotsPerInchChanged, screenWatch_, refit);
    connect(followed, &QScreen::geometryChanged, screenWatch_, refit);
    connect(followed, &QScreen::availableGeometryChanged, screenWatch_, refit);
}

void Tfrm_Main::RefitToScreen(bool bringInside) {
    const ScreenArea area = AreaOf(screen());
    FitInto(area);
    DrawWindowPictures();
    if (bringInside && KnowsOwnPosition())
        move(WholeInside(pos(), size(), area));
    ShowCards();
}

void Tfrm_Main::FormCreate() {
    // The stored place is used as it is while the table's top row can be reached there; the
    // first start (the default place) keeps clear of the panels.
    const QPoint stored = keeper_.StoredPosition();
    const bool firstStart = stored == QPoint(StoredSettings{}.Left, StoredSettings{}.Top);
    const PlaceOrigin origin = firstStart ? PlaceOrigin::Default : PlaceOrigin::Stored;
    const QList<QRect> areas = AvailableAreas();
    // The table is sized for the screen it opens on, then placed at that size.
    FitInto(AreaAt(StartPlace(stored, origin, size(), areas)));
    DrawWindowPictures();
    // A place brought onto a screen is brought onto it whole, to the device pixel.
    const QPoint place = StartPlace(stored, origin, size(), areas);
    const bool kept = origin == PlaceOrigin::Stored && place == stored;
    move(kept ? place : WholeInside(place, size(), AreaAt(place)));
    // Where the window system keeps the position to itself, the stored place stays.
    keeper_.TrackPosition([this]() -> std::optional<QPoint> {
        if (!KnowsOwnPosition())
            return std::nullopt;
        return pos();
    });
    Dragging = false;
    Pressing = false;
    ShowResults();
    ShowStakeAndName();
}

void Tfrm_Main::closeEvent(QCloseEvent* event) {
    FormClose(event);
}

void Tfrm_Main::FormClose(QCloseEvent* event) {
    // A file that cannot be written keeps the window open, so the player can try again; the
    // keeper says why and, from the second failure on, offers to leave without saving.
    if (keeper_.SaveAtClose(this))
        event->accept();
    else
        event->ignore();
}

void Tfrm_Main::ComeForward(const ForwardRequest& request) {
    // The player started the game again: this table is the one to play at, or the box it has
    // up, which is what the player must answer first.
    if (isMinimized())
        showNormal();
    raise();
    QWidget* box = QApplication::activeModalWidget();
    BringForward(box != nullptr ? *box : *this, request);
}

void Tfrm_Main::aUjExecute() {
    if (Game.aUjExecute())
        Announce(DealLine(SeatNames(), Game.Hands));
}
void Tfrm_Main::aLapotExecute() {
    // A card that ends the deal was already told with the final hands.
    if (Game.aLapotExecute() && Game.Phase == DealPhase::InDeal)
        Announce(DealLine(SeatNames(), Game.Hands));
}
void Tfrm_Main::aMegallExecute() {
    Game.aMegallExecute();
}
void Tfrm_Main::aEredmenyTorolExecute() {
    Game.aEredmenyTorolExecute();
}

void Tfrm_Main::aBeallitExecute() {
    const bool changed = ShowSettingsDialog(results_, keeper_.Path(), this);
    ShowStakeAndName();
    if (changed)
        keeper_.SaveAfterChange();
}

void Tfrm_Main::aTalcaraExecute() {
    if (isMinimized())
        return;
    //: Heard when Esc minimises the table
    Announce(tr("Az asztal a tálcára kerül."));
    showMinimized();
}

void Tfrm_Main::aBezarExecute() {
    close();
}
void Tfrm_Main::aNevjegyExecute() {
    ShowAboutDialog(this);
}
void Tfrm_Main::aHonlapExecute() {
    Exe->Execute();
}
void Tfrm_Main::aSugoExecute() {
    ShowHelpDialog(this);
}

void Tfrm_Main::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    // At the start, and each time a box closes or the table comes back, the player hears
    // where things stand. Told once the window is active, so the screen reader has spoken
    // the window first and takes the line from the window in front.
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        QTimer::singleShot(0, this, [this] { RunGuarded([this] { AnnounceTable(); }); });
}

void Tfrm_Main::keyPressEvent(QKeyEvent* event) {
    // A move key whose move is not open now gets here, past its disabled action: the
    // player hears why nothing happens, and the game is left as it is.
    const QKeySequence pressed(event->keyCombination());
    for (const TableAction& row : TableActions()) {
        const QAction* action = this->*row.member;
        if (row.move && !action->isEnabled() && action->shortcuts().contains(pressed)) {
            RunGuarded([this] { Announce(NoMoveLine(Game.Phase, CurrentMoveKeys())); });
            event->accept();
            return;
        }
    }
    QWidget::keyPressEvent(event);
}

bool Tfrm_Main::eventFilter(QObject* watched, QEvent* event) {
    if (auto* button = qobject_cast<QToolButton*>(watched)) {
        if (event->type() == QEvent::MouseButtonPress) {
            KeepFocusOnTable();
        } else if (event->type() == QEvent::KeyPress) {
            // Space presses a button by itself; Enter does the same here. Alt+Enter stays
            // the settings key, which the window's shortcut takes before it gets here.
            const auto* key = static_cast<QKeyEvent*>(event);
            const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
            if (enter && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
                if (button->isEnabled())
                    button->click();
                return true;
            }
        }
        return QWidget::eventFilter(watched, event);
    }
    if (watched != felt)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        KeepFocusOnTable();
        Image2MouseDown(static_cast<QMouseEvent*>(event)->button());
        return true;
    case QEvent::MouseMove:
        Image2MouseMove(static_cast<QMouseEvent*>(event)->buttons());
        return true;
    case QEvent::MouseButtonRelease:
        Image2MouseUp();
        return true;
    default:
        return QWidget::eventFilter(watched, event);
    }
}

void Tfrm_Main::Image2MouseDown(Qt::MouseButton button) {
    if (button != Qt::LeftButton)
        return;
    DragStartCursor = QCursor::pos();
    DragStartLeft = x();
    DragStartTop = y();
    askedWindowManager_ = false;
    // A Wayland compositor keeps the place to itself and moves the window only while the
    // button it was pressed with is held, so its move is asked for at once. An X11 window
    // manager is asked at once too, from the press point, while the button is still held: a
    // tap whose release already came asks nothing, as a manager told to move then would carry
    // the table along until the next click. The game moves the table itself only where no
    // one else does, once the pointer has gone the drag distance.
    QWindow* handle = windowHandle();
    if (handle != nullptr && !KnowsOwnPosition() && handle->startSystemMove())
        return;
    if (const std::optional<QPoint> held = X11PointerHeld();
        handle != nullptr && held && StartWindowManagerMove(*handle, *held)) {
        askedWindowManager_ = true;
        return;
    }
    Pressing = true;
}

void Tfrm_Main::Image2MouseMove(Qt::MouseButtons buttons) {
    // The screen position, not the event's: the window moves under the cursor.
    const QPoint way = QCursor::pos() - DragStartCursor;
    if (Pressing && (buttons & Qt::LeftButton) &&
        way.manhattanLength() >= QGuiApplication::styleHints()->startDragDistance()) {
        Pressing = false;
        Dragging = true;
    }
    if (Dragging)
        move(DragStartLeft + way.x(), DragStartTop + way.y());
}

void Tfrm_Main::Image2MouseUp() {
    // The release came to the game, not to the window manager, which took the move too late.
    if (std::exchange(askedWindowManager_, false))
        CancelWindowManagerMove(*windowHandle());
    Pressing = false;
    Dragging = false;
}
