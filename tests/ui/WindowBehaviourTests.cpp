// Moving, minimising, closing and ending the program.
#include "MainWindowFixture.h"

#include "BeallitModalScript.h"
#include "store/disk/SettingsFile.h"
#include "ui/dialogs/Beallit.h"
#include "ui/dialogs/Nevjegy.h"
#include "ui/table/TablePlacement.h"

#include <QAction>
#include <QCloseEvent>
#include <QCursor>
#include <QDialog>
#include <QEventLoop>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include <csignal>

namespace {

// Drags with `button` from `from` (client pixels) by `offset` screen pixels, through the
// window system so the press lands on whatever control is under it.
void Drag(Tfrm_Main& w, Qt::MouseButton button, QPoint from, QPoint offset) {
    QWindow* handle = w.windowHandle();
    const QPoint screenStart = w.mapToGlobal(from);
    QCursor::setPos(screenStart);
    QTest::mousePress(handle, button, Qt::NoModifier, from);
    QCursor::setPos(screenStart + offset);
    QTest::mouseMove(handle, from + offset);
    QTest::mouseRelease(handle, button, Qt::NoModifier, from + offset);
}

struct DragCase {
    const char* what;
    Qt::MouseButton button;
    QPoint from;
    bool moves;
    QPoint way{37, 21};
};

TEST_F(MainWindowTest, DraggingTheBackgroundMovesTheWindow) {
    Tfrm_Main& w = OpenShown();
    const DragCase cases[] = {
        {"left button on the baize", Qt::LeftButton, {250, 250}, true},
        {"a tap on the baize", Qt::LeftButton, {250, 250}, false, {0, 0}},
        {"a wobble short of the drag distance", Qt::LeftButton, {250, 250}, false, {2, -2}},
        {"right button on the baize", Qt::RightButton, {250, 250}, false},
        {"middle button on the baize", Qt::MiddleButton, {250, 250}, false},
        {"disabled Még egy lapot!", Qt::LeftButton, {310, 435}, true},
        {"disabled Megállok", Qt::LeftButton, {390, 435}, true},
        {"the deck", Qt::LeftButton, {30, 30}, false},
    };
    for (const DragCase& c : cases) {
        SCOPED_TRACE(c.what);
        w.move(40, 30);
        const QPoint before = w.pos();
        Drag(w, c.button, c.from, c.way);
        EXPECT_EQ(w.pos(), c.moves ? before + c.way : before);
        EXPECT_FALSE(w.Dragging) << "any release ends the drag";
    }
    EXPECT_TRUE(w.Game.Hands[0].empty()) << "a press on a disabled button must not act";
    EXPECT_TRUE(boxes.empty());
}

TEST_F(MainWindowTest, PressOnAnEnabledButtonActsAndDoesNotDrag) {
    Tfrm_Main& w = OpenShown();
    w.move(40, 30);
    const QPoint click(390, 80); // Új leosztás
    QCursor::setPos(w.mapToGlobal(click));
    QTest::mouseClick(w.windowHandle(), Qt::LeftButton, Qt::NoModifier, click);
    EXPECT_EQ(w.Game.Hands[0].size(), 2u);
    EXPECT_EQ(w.pos(), QPoint(40, 30));
    // Now the game buttons swap: the new-deal button lets presses through.
    EXPECT_TRUE(w.newDealButton->testAttribute(Qt::WA_TransparentForMouseEvents));
    EXPECT_FALSE(w.oneMoreButton->testAttribute(Qt::WA_TransparentForMouseEvents));
}

TEST_F(MainWindowTest, EscMinimisesOnlyOnce) {
    Tfrm_Main& w = OpenShown();
    Key(Qt::Key_F2);
    const auto hands = w.Game.Hands;
    Key(Qt::Key_Escape);
    EXPECT_TRUE(w.isMinimized());
    w.aTalcara->trigger(); // already minimised: nothing happens
    EXPECT_TRUE(w.isMinimized());
    w.showNormal();
    EXPECT_EQ(w.Game.Hands, hands) << "restoring shows the deal unchanged";
    EXPECT_FALSE(w.aUj->isEnabled());
}

TEST_F(MainWindowTest, BothEnterKeysWithAltOpenTheSettings) {
    Tfrm_Main& w = OpenShown();
    int opened = 0;
    QObject::connect(w.aBeallit, &QAction::triggered, [&] { ++opened; });
    for (const Qt::KeyboardModifiers modifiers :
         {Qt::KeyboardModifiers(Qt::AltModifier), Qt::AltModifier | Qt::KeypadModifier}) {
        // Whatever the settings dialog looks like, it is closed unchanged.
        QTimer::singleShot(0, [] {
            if (QWidget* modal = QApplication::activeModalWidget())
                modal->close();
        });
        Key(modifiers & Qt::KeypadModifier ? Qt::Key_Enter : Qt::Key_Return, modifiers);
        // The dialog took the activation; keys go to the table again once it is back.
        w.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    }
    EXPECT_EQ(opened, 2);
    EXPECT_EQ(w.stake->text(), QString::number(Results().Pot));
    EXPECT_EQ(w.seats[Seat::Human].name->text(), Results().Name);
}

// Both dialogs belong to the table: the window system keeps them above it (transient for it,
// a parent on Wayland) and opens them over it. Their frames offer a close button only.
TEST_F(MainWindowTest, TheDialogsAreOwnedByTheTable) {
    Tfrm_Main& w = OpenShown();
    struct Seen {
        QWidget* parent = nullptr;
        QWindow* transientParent = nullptr;
        Qt::WindowFlags flags;
    };
    const auto look = [](QWidget& dialog, Seen& seen) {
        seen = {dialog.parentWidget(), dialog.windowHandle()->transientParent(),
                dialog.windowFlags()};
        dialog.close();
    };
    Seen settings;
    Seen about;
    OnModal<Tfrm_Beallit>([&](Tfrm_Beallit& dialog) { look(dialog, settings); });
    w.aBeallit->trigger();
    OnModal<Tfrm_Nevjegy>([&](Tfrm_Nevjegy& dialog) { look(dialog, about); });
    w.aNevjegy->trigger();
    for (const Seen* seen : {&settings, &about}) {
        EXPECT_EQ(seen->parent, &w);
        EXPECT_EQ(seen->transientParent, w.windowHandle());
        EXPECT_TRUE(seen->flags.testFlag(Qt::WindowCloseButtonHint));
        EXPECT_FALSE(seen->flags.testFlag(Qt::WindowMinimizeButtonHint));
        EXPECT_FALSE(seen->flags.testFlag(Qt::WindowMaximizeButtonHint));
    }
}

TEST_F(MainWindowTest, ResetAsksAndOnlyYesClearsTheResults) {
    Tfrm_Main& w = Open();
    Results().Money1 = -5;
    Results().Win3 = 7;
    w.ShowResults();
    answer = false;
    w.aEredmenyTorol->trigger();
    ASSERT_EQ(BoxesOf(BoxKind::Question).size(), 1u);
    EXPECT_EQ(BoxesOf(BoxKind::Question).front().owner, &w);
    EXPECT_EQ(w.seats[Seat::Human].money->text(), QStringLiteral("-5"));
    answer = true;
    w.aEredmenyTorol->trigger();
    EXPECT_EQ(w.seats[Seat::Human].money->text(), QStringLiteral("1000"));
    EXPECT_EQ(w.seats[Seat::Vuru].won->text(), QStringLiteral("0"));
    EXPECT_FALSE(w.seats[Seat::Human].debtMark->isVisibleTo(&w));
}

TEST_F(MainWindowTest, StartsWhereTheSettingsFileSaysWhileItsTopRowIsOnAScreen) {
    StoredSettings stored;
    stored.Left = 123;
    stored.Top = 45;
    stored.Results.Money2 = -40;
    stored.Results.Pot = 75;
    stored.Results.Name = QStringLiteral("Öcsi");
    SaveSettings(SettingsFile(), stored);
    Open();
    EXPECT_EQ(window->pos(), QPoint(123, 45));
    window.reset();

    stored.Left = -3000;
    stored.Top = 20000;
    SaveSettings(SettingsFile(), stored);
    Tfrm_Main& w = Open();
    const QRect topRow(w.pos(), QSize(w.width(), TableTopRowHeight));
    EXPECT_TRUE(w.screen()->availableGeometry().contains(topRow))
        << w.pos().x() << "," << w.pos().y();
    EXPECT_EQ(w.seats[Seat::Human].name->text(), QStringLiteral("Öcsi"));
    EXPECT_EQ(w.stake->text(), QStringLiteral("75"));
    EXPECT_TRUE(w.seats[Seat::Bank].debtMark->isVisibleTo(&w));
    EXPECT_EQ(AccessibleName(w.seats[Seat::Bank].money), QStringLiteral("Bank, Pénz: -40"));
}

// Any change of the table's screen while it runs (a text size, a scale, a panel) brings a
// table the player left half off it whole into its free area; a screen that changes nothing
// leaves a table that stands whole where it is.
TEST_F(MainWindowTest, FollowsAChangeOfItsScreenWholeIntoTheFreeArea) {
    Tfrm_Main& w = OpenShown();
    QScreen* screen = w.screen();
    const QRect free = screen->availableGeometry();
    const std::pair<QPoint, QPoint> moves[] = {
        {free.topLeft() + QPoint(10, 20), free.topLeft() + QPoint(10, 20)},
        {free.bottomRight() - QPoint(100, 100),
         free.bottomRight() - QPoint(w.width(), w.height()) + QPoint(1, 1)},
    };
    for (const auto& [from, to] : moves) {
        w.move(from);
        emit screen->geometryChanged(screen->geometry());
        QCoreApplication::processEvents();
        EXPECT_EQ(w.pos(), to) << from.x() << "," << from.y();
    }
}

TEST_F(MainWindowTest, ClosingSavesEverythingAsItStands) {
    Tfrm_Main& w = OpenShown();
    Key(Qt::Key_F2); // in the middle of a deal
    w.move(123, 77);
    Results().Money1 = -150;
    Results().Win2 = 3;
    Results().Name = QStringLiteral("Zsófi");
    w.closeButton->click(); // Bezár
    EXPECT_FALSE(w.isVisible());
    EXPECT_TRUE(boxes.empty());
    const StoredSettings saved = LoadSettings(SettingsFile());
    EXPECT_EQ(saved.Left, 123);
    EXPECT_EQ(saved.Top, 77);
    EXPECT_EQ(saved.Results, Results());
}

TEST_F(MainWindowTest, AFailedSaveKeepsTheWindowOpen) {
    // A folder where the file should be: no write can replace it.
    ASSERT_TRUE(QDir().mkdir(SettingsFile()));
    Tfrm_Main& w = OpenShown();
    EXPECT_FALSE(w.close());
    EXPECT_TRUE(w.isVisible());
    const auto errors = BoxesOf(BoxKind::Error);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_TRUE(errors.front().text.startsWith(QStringLiteral("Unable to write to ")))
        << errors.front().text.toStdString();
    // Once the way is clear the next close goes through.
    ASSERT_TRUE(QDir().rmdir(SettingsFile()));
    EXPECT_TRUE(w.close());
}

// Lets the event loop see the signal's byte in the pipe.
void DeliverPendingSignals() {
    for (int i = 0; i < 10; ++i)
        QCoreApplication::processEvents();
}

TEST_F(MainWindowTest, TerminationSignalsSaveWithoutAsking) {
    for (const int signalNumber : {SIGTERM, SIGHUP}) {
        SCOPED_TRACE(signalNumber);
        QFile::remove(SettingsFile());
        Tfrm_Main& w = Open();
        w.move(55, 66);
        Results().Money3 = 4321;
        std::raise(signalNumber);
        DeliverPendingSignals();
        ASSERT_TRUE(QFile::exists(SettingsFile()));
        const StoredSettings saved = LoadSettings(SettingsFile());
        EXPECT_EQ(saved.Left, 55);
        EXPECT_EQ(saved.Results.Money3, 4321);
        window.reset();
    }
    EXPECT_TRUE(boxes.empty());
}

TEST_F(MainWindowTest, AFailedSaveAtTheEndShowsNoBox) {
    ASSERT_TRUE(QDir().mkdir(SettingsFile()));
    Open();
    std::raise(SIGTERM);
    DeliverPendingSignals();
    EXPECT_TRUE(boxes.empty());
}

TEST_F(MainWindowTest, ASignalWhileTheWinnerBoxIsUpSavesTheWholeSettlement) {
    Tfrm_Main& w = Open();
    // The box stands in for a real one: a loop of its own, during which the signal comes.
    SetMessageBoxHook([](const BoxRequest&) {
        QEventLoop box;
        QTimer::singleShot(0, [] { std::raise(SIGTERM); });
        box.exec();
        return true;
    });
    QTimer::singleShot(0, &w, [&w] {
        w.aUj->trigger();
        w.aMegall->trigger();
    });
    QApplication::exec();
    const StoredSettings saved = LoadSettings(SettingsFile());
    // The money moved before the box and the win is counted after it: both are kept.
    EXPECT_EQ(saved.Results.Win1 + saved.Results.Win2 + saved.Results.Win3, 1);
    EXPECT_EQ(saved.Results, Results());
}

TEST_F(MainWindowTest, TheSessionsQuitClosesQuietlyEvenWhenTheSaveFails) {
    ASSERT_TRUE(QDir().mkdir(SettingsFile()));
    Tfrm_Main& w = Open();
    w.show();
    // Sent from inside the application's loop, as the session manager's quit arrives.
    QTimer::singleShot(0, [] {
        QEvent quit(QEvent::Quit);
        QCoreApplication::sendEvent(QCoreApplication::instance(), &quit);
    });
    QApplication::exec();
    EXPECT_TRUE(boxes.empty());
    EXPECT_FALSE(w.isVisible());
}

} // namespace
