// Playing without a mouse and without sight: Tab reaches the buttons, the keys work from
// anywhere, each move is spoken, and the accessibility tree keeps the hidden hands hidden.
#include "BeallitModalScript.h"
#include "MainWindowFixture.h"

#include "app/ErrorBox.h"
#include "ui/dialogs/Beallit.h"
#include "ui/dialogs/Sugo.h"
#include "ui/look/ToolTipStyle.h"
#include "ui/speech/CardNames.h"
#include "ui/speech/TableAccessibility.h"
#include "ui/speech/TableSpeech.h"
#include "ui/table/TableActions.h"

#include <QAction>
#include <QImage>
#include <QRegularExpression>
#include <QWindow>

namespace {

// Every text the tree holds under `face`: names, descriptions, values, help and contents.
void CollectTexts(QAccessibleInterface* face, QStringList& texts, int depth = 0) {
    if (!face || depth > 20)
        return;
    for (const auto kind :
         {QAccessible::Name, QAccessible::Description, QAccessible::Value, QAccessible::Help})
        texts << face->text(kind);
    if (QAccessibleTextInterface* text = face->textInterface())
        texts << text->text(0, text->characterCount());
    if (QAccessibleValueInterface* value = face->valueInterface())
        texts << value->currentValue().toString();
    for (int i = 0; i < face->childCount(); ++i)
        CollectTexts(face->child(i), texts, depth + 1);
}

// What the tree tells of the Bank's and Vuru's hands: their card names, and their totals
// in any text about them.
QStringList ToldOfComputerHands(Tfrm_Main& w) {
    QStringList texts;
    CollectTexts(QAccessible::queryAccessibleInterface(&w), texts);
    QStringList told;
    const QString seats[] = {QString(), QStringLiteral("Bank"), QStringLiteral("Vuru")};
    for (int seat : {1, 2}) {
        const QRegularExpression total(
            QStringLiteral("(?<!\\d)%1(?!\\d)").arg(HandTotal(w.Game.Hands[seat])));
        for (const QString& text : texts) {
            for (const CardCode& card : w.Game.Hands[seat])
                if (text.contains(CardName(card)))
                    told << text;
            // Sentence by sentence, so the player's own total is no false alarm; a bare
            // number, as a label's own text would read, counts too.
            for (const QString& clause : text.split(QStringLiteral(". ")))
                if (clause.contains(seats[seat]) && clause.contains(total))
                    told << text;
            if (text.trimmed() == QString::number(HandTotal(w.Game.Hands[seat])))
                told << text;
        }
    }
    return told;
}

Announcer* SpokenLine(Tfrm_Main& w) {
    return w.findChild<Announcer*>();
}

TEST_F(MainWindowTest, TheTreeTellsNoHiddenTotalOrCardUntilTheEnd) {
    Tfrm_Main& w = OpenShown();
    // The fixture's seed gives a deal that takes a card and stays under 22.
    for (QAction* move : {w.aUj, w.aLapot}) {
        SCOPED_TRACE(move->objectName().toStdString());
        move->trigger();
        ASSERT_EQ(w.Game.Phase, DealPhase::InDeal);
        const QStringList told = ToldOfComputerHands(w);
        EXPECT_TRUE(told.isEmpty()) << told.join(QStringLiteral(" | ")).toStdString();
    }
    w.aMegall->trigger();
    ASSERT_EQ(w.Game.Phase, DealPhase::BetweenDeals);
    // The same walk finds them once the cards are face up.
    EXPECT_FALSE(ToldOfComputerHands(w).isEmpty());
}

TEST_F(MainWindowTest, TheWindowIsAFrameNamedByTheTitle) {
    Tfrm_Main& w = Open();
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(&w);
    ASSERT_NE(face, nullptr);
    EXPECT_EQ(face->role(), QAccessible::Window);
    EXPECT_EQ(face->text(QAccessible::Name), ApplicationTitle());
}

// Presses `key` as the desktop delivers it: to whatever has the focus.
void Press(Tfrm_Main& w, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(w.windowHandle(), key, modifiers);
}

std::vector<QWidget*> TabWalk(Tfrm_Main& w, Qt::Key key, int presses) {
    std::vector<QWidget*> visited;
    for (int i = 0; i < presses; ++i) {
        Press(w, key);
        visited.push_back(QApplication::focusWidget());
    }
    return visited;
}

TEST_F(MainWindowTest, TabWalksTheDealButtonsFirstAndTheResetLast) {
    Tfrm_Main& w = OpenShown();
    EXPECT_EQ(QApplication::focusWidget(), &w) << "no button has the focus at the start";
    const std::vector<QWidget*> smallButtons = {w.homepageButton, w.aboutButton,
                                                w.settingsButton, w.minimiseButton,
                                                w.closeButton,    w.resetResultsButton};
    std::vector<QWidget*> between = {w.newDealButton};
    between.insert(between.end(), smallButtons.begin(), smallButtons.end());
    std::vector<QWidget*> forward = between;
    forward.push_back(w.newDealButton); // and round again
    EXPECT_EQ(TabWalk(w, Qt::Key_Tab, int(forward.size())), forward);
    // From the first button back round to the last, and on back to the first.
    const std::vector<QWidget*> backward(between.rbegin(), between.rend());
    EXPECT_EQ(TabWalk(w, Qt::Key_Backtab, int(backward.size())), backward);

    Press(w, Qt::Key_F2);
    std::vector<QWidget*> during = {w.oneMoreButton, w.standButton};
    during.insert(during.end(), smallButtons.begin(), smallButtons.end());
    during.push_back(w.oneMoreButton);
    w.oneMoreButton->setFocus(Qt::TabFocusReason);
    std::vector<QWidget*> walked = {w.oneMoreButton};
    const auto rest = TabWalk(w, Qt::Key_Tab, int(during.size()) - 1);
    walked.insert(walked.end(), rest.begin(), rest.end());
    EXPECT_EQ(walked, during);
}

TEST_F(MainWindowTest, NoShortRunOfKeysFromTheTableResetsTheResults) {
    Tfrm_Main& w = OpenShown();
    Results().Money1 = 1234;
    answer = true; // a reset question, if one came, would be answered yes
    for (const Qt::Key key : {Qt::Key_Tab, Qt::Key_Return, Qt::Key_Return})
        Press(w, key);
    EXPECT_TRUE(BoxesOf(BoxKind::Question).empty());
    EXPECT_NE(Results().Money1, 1000);
}

TEST_F(MainWindowTest, SpaceAndEnterPressTheFocusedButton) {
    Tfrm_Main& w = OpenShown();
    w.newDealButton->setFocus(Qt::TabFocusReason);
    Press(w, Qt::Key_Space);
    ASSERT_EQ(w.Game.Hands[0].size(), 2u) << "Space on Új leosztás deals";
    w.oneMoreButton->setFocus(Qt::TabFocusReason);
    Press(w, Qt::Key_Return);
    EXPECT_EQ(w.Game.Hands[0].size(), 3u) << "Enter on Még egy lapot! draws";
    if (w.aMegall->isEnabled()) {
        w.standButton->setFocus(Qt::TabFocusReason);
        Press(w, Qt::Key_Enter, Qt::KeypadModifier);
    }
    EXPECT_EQ(w.Game.Phase, DealPhase::BetweenDeals) << "Enter on Megállok stands";
    EXPECT_EQ(BoxesOf(BoxKind::Information).size(), 1u);
}

TEST_F(MainWindowTest, FunctionKeysWorkAndStayPutWhateverHasTheFocus) {
    Tfrm_Main& w = OpenShown();
    w.aboutButton->setFocus(Qt::TabFocusReason);
    Press(w, Qt::Key_F2);
    EXPECT_EQ(w.Game.Hands[0].size(), 2u);
    Press(w, Qt::Key_F3);
    EXPECT_EQ(w.Game.Hands[0].size(), 3u);
    if (w.aMegall->isEnabled())
        Press(w, Qt::Key_F4);
    EXPECT_EQ(w.Game.Phase, DealPhase::BetweenDeals);
    EXPECT_EQ(QApplication::focusWidget(), w.aboutButton) << "a move does not take the focus";

    int settings = 0;
    QObject::connect(w.aBeallit, &QAction::triggered, [&] { ++settings; });
    OnModal<Tfrm_Beallit>([](Tfrm_Beallit& dialog) { dialog.reject(); });
    Press(w, Qt::Key_Return, Qt::AltModifier);
    EXPECT_EQ(settings, 1) << "Alt+Enter opens the settings, not the focused button";
    EXPECT_TRUE(BoxesOf(BoxKind::Question).empty()) << "the focused button must not run";
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    Press(w, Qt::Key_Escape);
    EXPECT_TRUE(w.isMinimized());
}

TEST_F(MainWindowTest, OnlyTheKeyboardLeavesAFocusMark) {
    Tfrm_Main& w = OpenShown();
    const QImage plain = w.homepageButton->grab().toImage();
    w.homepageButton->setFocus(Qt::TabFocusReason);
    while (QApplication::focusWidget() != w.homepageButton)
        Press(w, Qt::Key_Tab);
    EXPECT_NE(w.homepageButton->grab().toImage(), plain) << "the focused button shows a mark";

    // A click elsewhere puts the mouse look back; the clicked button takes no focus.
    answer = false;
    QTest::mouseClick(w.resetResultsButton, Qt::LeftButton);
    ASSERT_EQ(BoxesOf(BoxKind::Question).size(), 1u);
    EXPECT_EQ(QApplication::focusWidget(), &w) << "the table itself holds the focus again";
    EXPECT_EQ(w.homepageButton->grab().toImage(), plain);

    // Nor does a press on the background, and the focus stays off the buttons when the
    // window comes back from the taskbar.
    Press(w, Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), w.newDealButton);
    QTest::mouseClick(w.felt, Qt::LeftButton, {}, QPoint(250, 250));
    EXPECT_EQ(QApplication::focusWidget(), &w);
    w.showMinimized();
    w.showNormal();
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    EXPECT_EQ(QApplication::focusWidget(), &w);
}

TEST_F(MainWindowTest, EachMoveIsSpokenAndTheEndBeforeTheWinnerBox) {
    Tfrm_Main& w = OpenShown();
    Announcer* line = SpokenLine(w);
    ASSERT_NE(line, nullptr);
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(line);
    ASSERT_NE(face, nullptr);
    EXPECT_EQ(face->role(), QAccessible::Notification);
    EXPECT_EQ(line->size(), QSize(0, 0)) << "it draws nothing on the table";

    const std::array<QString, 3> names = {QStringLiteral("Tarvesz"), QStringLiteral("Bank"),
                                          QStringLiteral("Vuru")};
    for (QAction* move : {w.aUj, w.aLapot}) {
        SCOPED_TRACE(move->objectName().toStdString());
        move->trigger();
        ASSERT_EQ(w.Game.Phase, DealPhase::InDeal);
        EXPECT_TRUE(line->isVisible());
        EXPECT_EQ(face->text(QAccessible::Name), DealLine(names, w.Game.Hands));
    }

    QString spokenAtTheBox;
    const MessageBoxHook fixtureHook = SetMessageBoxHook([&](const BoxRequest& request) {
        spokenAtTheBox = face->text(QAccessible::Name);
        boxes.push_back(request);
        return true;
    });
    w.aMegall->trigger();
    SetMessageBoxHook(fixtureHook);
    ASSERT_EQ(BoxesOf(BoxKind::Information).size(), 1u);
    EXPECT_EQ(spokenAtTheBox, FinalLine(names, w.Game.Hands));
}

TEST_F(MainWindowTest, KeysThatDoNothingSayWhyAndChangeNothing) {
    Tfrm_Main& w = OpenShown();
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(SpokenLine(w));
    // The table is told first, once the window is in front.
    ASSERT_TRUE(QTest::qWaitFor([&] { return face->text(QAccessible::Name).contains(u"pénz"); }));
    for (const Qt::Key key : {Qt::Key_F3, Qt::Key_F4}) {
        Press(w, key);
        EXPECT_EQ(face->text(QAccessible::Name),
                  NoMoveLine(DealPhase::BetweenDeals, w.CurrentMoveKeys()));
        EXPECT_TRUE(w.Game.Hands[0].empty());
    }
    Press(w, Qt::Key_F2);
    const Hand dealt = w.Game.Hands[0];
    w.oneMoreButton->setFocus(Qt::TabFocusReason);
    Press(w, Qt::Key_F2);
    EXPECT_EQ(face->text(QAccessible::Name), NoMoveLine(DealPhase::InDeal, w.CurrentMoveKeys()));
    EXPECT_EQ(w.Game.Hands[0], dealt) << "no new deal over the one on the table";
    EXPECT_EQ(QApplication::focusWidget(), w.oneMoreButton);
}

// A key added to an action, as a contributor adds Ctrl+N for a new deal, is taken by the table
// says why it does nothing out of turn, and is listed by the help and by --help beside the action's
// other keys; every action with keys has its line in both, in the table's order.
TEST_F(MainWindowTest, EveryKeyOfTheTableIsInTheHelpAndTheUsage) {
    std::vector<TableAction> actions = TableActions();
    actions.front().keys << QKeySequence(Qt::CTRL | Qt::Key_N);
    Tfrm_Main& w = OpenShown();
    w.aUj->setShortcuts(actions.front().keys);
    const QStringList help = Tfrm_Sugo::KeysText(&w).split(u'\n');
    const QStringList usage = CommandLineKeys(actions).split(u'\n', Qt::SkipEmptyParts);
    QStringList helpKeys, usageKeys, tableKeys;
    for (const QString& line : help)
        if (line.contains(u':'))
            helpKeys << line.section(u':', 0, 0);
    for (const QString& line : usage)
        usageKeys << line.mid(2, 10).trimmed();
    for (const TableAction& action : actions)
        if (!action.keys.isEmpty())
            tableKeys << KeyNames(action.keys);
    EXPECT_TRUE(tableKeys.contains(QStringLiteral("F2, Ctrl+N")))
        << tableKeys.join(u'|').toStdString();
    EXPECT_EQ(helpKeys, tableKeys);
    EXPECT_EQ(usageKeys, tableKeys);
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(SpokenLine(w));
    Press(w, Qt::Key_N, Qt::ControlModifier);
    const Hand dealt = w.Game.Hands[0];
    EXPECT_FALSE(dealt.empty()) << "Ctrl+N dealt";
    Press(w, Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(face->text(QAccessible::Name), NoMoveLine(DealPhase::InDeal, w.CurrentMoveKeys()));
    EXPECT_EQ(w.Game.Hands[0], dealt) << "no new deal over the one on the table";
}

TEST_F(MainWindowTest, TheTableIsToldWhenItComesBackAndWhenItGoes) {
    Tfrm_Main& w = OpenShown();
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(SpokenLine(w));
    const QString table =
        TableLine(QStringLiteral("Tarvesz"), MoneyOf(Results(), 0), WinsOf(Results(), 0),
                  Results().Pot, DealPhase::BetweenDeals, w.CurrentMoveKeys());
    EXPECT_TRUE(QTest::qWaitFor([&] { return face->text(QAccessible::Name) == table; }));
    Press(w, Qt::Key_Escape);
    EXPECT_EQ(face->text(QAccessible::Name), QStringLiteral("Az asztal a tálcára kerül."));
}

TEST_F(MainWindowTest, ButtonsDescribeOnlyTheirKeyAndCardsTheirSeat) {
    Tfrm_Main& w = OpenShown();
    const std::pair<QWidget*, const char*> keyed[] = {{w.newDealButton, "F2"},
                                                      {w.oneMoreButton, "F3"},
                                                      {w.standButton, "F4"},
                                                      {w.settingsButton, "Alt+Enter"},
                                                      {w.minimiseButton, "Esc"}};
    for (const auto& [button, key] : keyed) {
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(button);
        EXPECT_EQ(face->text(QAccessible::Description), QString::fromUtf8(key));
    }
    w.aUj->trigger();
    EXPECT_EQ(AccessibleName(w.CardPlaceAt('b', 0)), QStringLiteral("Bank: lefordított lap"));
    EXPECT_EQ(AccessibleName(w.CardPlaceAt('c', 1)), QStringLiteral("Vuru: lefordított lap"));
    EXPECT_EQ(AccessibleName(w.CardPlaceAt('a', 0)),
              QStringLiteral("Tarvesz: ") + CardName(w.Game.Hands[0][0]));
}

} // namespace
