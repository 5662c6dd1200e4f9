// The table as it opens: every control where it belongs, in drawing order, with its looks.
#include "MainWindowFixture.h"

#include "app/ErrorBox.h"
#include "ui/look/ToolTipStyle.h"
#include "ui/table/TableActions.h"

#include <QAction>
#include <QHelpEvent>
#include <QToolTip>

#include <algorithm>
#include <string_view>
#include <vector>

namespace {

struct Placed {
    const char* name;
    QRect geometry;
    bool visible;
};

TEST_F(MainWindowTest, ControlsStandAtTheirPlacesInDrawingOrder) {
    Tfrm_Main& w = Open();
    EXPECT_EQ(w.objectName(), QStringLiteral("frm_Main"));
    EXPECT_TRUE(w.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(w.size(), QSize(512, 516));
    EXPECT_EQ(w.minimumSize(), w.maximumSize()) << "the window must never be resizable";

    std::vector<Placed> expected = {{"Image2", {0, 0, 512, 516}, true},
                                    {"Image1", {12, 12, 76, 124}, true}};
    for (int i = 0; i < 6; ++i)
        expected.push_back({"", {92 + 28 * i, 12, 76, 124}, false});
    for (int i = 0; i < 6; ++i)
        expected.push_back({"", {268 + 28 * i, 152, 76, 124}, false});
    for (int i = 0; i < 6; ++i)
        expected.push_back({"", {16 + 32 * i, 292, 76, 124}, false});
    std::vector<QByteArray> names = {"Image2", "Image1"};
    for (const char letter : {'b', 'c', 'a'})
        for (int i = 0; i < 6; ++i)
            names.push_back(QByteArray(1, letter) + QByteArray::number(i));
    const std::vector<Placed> buttons = {
        {"SpeedButton1", {384, 72, 77, 25}, true},  {"SpeedButton4", {304, 428, 77, 25}, true},
        {"SpeedButton5", {384, 428, 77, 25}, true}, {"SpeedButton9", {348, 8, 23, 22}, true},
        {"SpeedButton8", {376, 8, 23, 22}, true},   {"SpeedButton7", {400, 8, 23, 22}, true},
        {"SpeedButton6", {428, 8, 23, 22}, true},   {"SpeedButton3", {456, 8, 23, 22}, true},
        {"SpeedButton2", {480, 8, 23, 22}, true},   {"t1", {160, 144, 64, 64}, false},
        {"t2", {416, 284, 64, 64}, false},          {"t0", {160, 424, 64, 64}, false}};
    for (const Placed& placed : buttons) {
        expected.push_back(placed);
        names.push_back(placed.name);
    }

    // Later siblings draw over earlier ones, so the order of the children is the layering.
    std::vector<QByteArray> order;
    for (QObject* child : w.children())
        if (child->isWidgetType())
            order.push_back(child->objectName().toLatin1());
    int last = -1;
    for (size_t i = 0; i < names.size(); ++i) {
        SCOPED_TRACE(names[i].constData());
        auto* widget = w.findChild<QWidget*>(QString::fromLatin1(names[i]));
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->geometry(), expected[i].geometry);
        EXPECT_EQ(widget->isVisibleTo(&w), expected[i].visible);
        const int at = int(std::find(order.begin(), order.end(), names[i]) - order.begin());
        EXPECT_GT(at, last) << "drawn in the wrong order";
        last = at;
    }
}

struct LabelLook {
    const char* name;
    QPoint topLeft;
    const char* text; // nullptr: a value filled in from the results
    int pixelSize;
    bool bold;
};

TEST_F(MainWindowTest, LabelsAreWhiteComicTextGrowingFromTheirLeftEdge) {
    ASSERT_FALSE(QFile::exists(SettingsFile()));
    Tfrm_Main& w = Open();
    const LabelLook labels[] = {
        {"j1", {20, 144}, "Bank", 15, true},
        {"Label5", {20, 168}, "Eredmény", 12, false},
        {"Label6", {20, 188}, "Pénz", 12, false},
        {"Label7", {80, 188}, "1000", 12, true},
        {"Label8", {20, 208}, "Nyert játékok", 12, false},
        {"Label9", {112, 208}, "0", 12, true},
        {"j2", {268, 284}, "Vuru", 15, true},
        {"Label15", {268, 308}, "Eredmény", 12, false},
        {"Label12", {268, 328}, "Pénz", 12, false},
        {"Label11", {328, 328}, "1000", 12, true},
        {"Label13", {268, 348}, "Nyert játékok", 12, false},
        {"Label14", {360, 348}, "0", 12, true},
        {"j0", {20, 424}, "Tarvesz", 15, true}, // no settings file: the default name
        {"Label21", {20, 448}, "Eredmény", 12, false},
        {"Label1", {80, 448}, "", 12, true},
        {"Label18", {20, 468}, "Pénz", 12, false},
        {"Label17", {80, 468}, "1000", 12, true},
        {"Label19", {20, 488}, "Nyert játékok", 12, false},
        {"Label20", {112, 488}, "0", 12, true},
        {"Label22", {328, 44}, "Tét", 12, false},
        {"Label23", {388, 44}, "50", 12, true},
    };
    for (const LabelLook& look : labels) {
        SCOPED_TRACE(look.name);
        auto* label = w.findChild<QLabel*>(QString::fromLatin1(look.name));
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->pos(), look.topLeft);
        EXPECT_EQ(label->text(), QString::fromUtf8(look.text));
        EXPECT_EQ(label->font().family(), QStringLiteral("Comic Sans MS"));
        EXPECT_EQ(label->font().pixelSize(), look.pixelSize);
        EXPECT_EQ(label->font().bold(), look.bold);
        EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(Qt::white));
        EXPECT_FALSE(label->autoFillBackground());
        if (!label->text().isEmpty()) {
            EXPECT_GE(label->width(), label->fontMetrics().horizontalAdvance(label->text()));
        }
    }
    EXPECT_FALSE(w.seats[Seat::Bank].total->isVisibleTo(&w));
    EXPECT_FALSE(w.seats[Seat::Vuru].total->isVisibleTo(&w));
    EXPECT_EQ(w.pos(), QPoint(10, 10));
}

struct ActionLook {
    const char* action;
    const char* button;
    const char* caption;
    const char* hint;
    bool enabled;
    const char* tip; // nullptr: the button shows no tip
};

TEST_F(MainWindowTest, ActionsCarryCaptionHintKeysAndStateToTheirButtons) {
    Tfrm_Main& w = Open();
    const ActionLook actions[] = {
        {"aUj", "SpeedButton1", "Új leosztás", "Új leosztás", true, nullptr},
        {"aLapot", "SpeedButton4", "Még egy lapot!", "Még egy lapot!", false, nullptr},
        {"aMegall", "SpeedButton5", "Megállok", "Megállok", false, nullptr},
        {"aBeallit", "SpeedButton6", "", "Beállítások", true, "Beállítások (Alt+Enter)"},
        {"aTalcara", "SpeedButton3", "", "Tálcára", true, "Tálcára (Esc)"},
        {"aBezar", "SpeedButton2", "", "Bezár", true, "Bezár"},
        {"aEredmenyTorol", "SpeedButton9", "", "Eredmények törlése", true, "Eredmények törlése"},
        {"aNevjegy", "SpeedButton7", "", "Névjegy", true, "Névjegy"},
        {"aHonlap", "SpeedButton8", "", "Tarvesz honlapja", true, "Tarvesz honlapja"},
    };
    for (const ActionLook& look : actions) {
        SCOPED_TRACE(look.action);
        auto* action = w.findChild<QAction*>(QString::fromLatin1(look.action));
        auto* button = w.findChild<QToolButton*>(QString::fromLatin1(look.button));
        ASSERT_NE(action, nullptr);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->defaultAction(), action);
        EXPECT_FALSE(button->autoRaise()) << "speed buttons are raised";
        EXPECT_EQ(action->text(), QString::fromUtf8(look.caption));
        EXPECT_EQ(action->statusTip(), QString::fromUtf8(look.hint));
        // Its keys, the table of actions' own, reach the window's action.
        const auto row =
            std::find_if(TableActions().begin(), TableActions().end(), [&](const TableAction& a) {
                return std::string_view(a.name) == look.action;
            });
        ASSERT_NE(row, TableActions().end());
        EXPECT_EQ(action, w.*row->member);
        EXPECT_EQ(action->shortcuts(), row->keys);
        EXPECT_EQ(action->isEnabled(), look.enabled);
        EXPECT_EQ(button->isEnabled(), look.enabled);
        EXPECT_EQ(AccessibleName(button), QString::fromUtf8(look.hint));
        if (look.tip) {
            EXPECT_EQ(button->toolTip(), QString::fromUtf8(look.tip));
            EXPECT_EQ(button->iconSize(), QSize(16, 16));
            EXPECT_FALSE(button->icon().isNull());
        } else {
            EXPECT_EQ(button->font().pixelSize(), 11);
            EXPECT_EQ(button->font().family(), QStringLiteral("MS Sans Serif"));
            EXPECT_EQ(button->toolButtonStyle(), Qt::ToolButtonTextOnly);
        }
    }
}

TEST_F(MainWindowTest, OnlyTheSmallButtonsShowTips) {
    Tfrm_Main& w = OpenShown();
    const auto askForTip = [](QToolButton* button) {
        QHelpEvent help(QEvent::ToolTip, QPoint(4, 4), button->mapToGlobal(QPoint(4, 4)));
        QApplication::sendEvent(button, &help);
    };
    for (QToolButton* silent : {w.newDealButton, w.oneMoreButton, w.standButton}) {
        askForTip(silent);
        EXPECT_FALSE(QToolTip::isVisible()) << silent->objectName().toStdString();
    }
    askForTip(w.settingsButton);
    EXPECT_TRUE(QToolTip::isVisible());
    EXPECT_EQ(QToolTip::text(), QStringLiteral("Beállítások (Alt+Enter)"));
    QToolTip::hideText();
}

TEST(ToolTipTiming, TipsWakeAfterHalfASecond) {
    ToolTipStyle style(QStringLiteral("fusion"));
    EXPECT_EQ(style.styleHint(QStyle::SH_ToolTip_WakeUpDelay), 500);
}

struct KeyName {
    QKeySequence key;
    const char* text;
};

TEST(ToolTipTiming, KeysAreNamedTheWayTheTipsSayThem) {
    const KeyName names[] = {{QKeySequence(Qt::ALT | Qt::Key_Return), "Alt+Enter"},
                             {QKeySequence(Qt::Key_Escape), "Esc"},
                             {QKeySequence(Qt::Key_F2), "F2"},
                             {QKeySequence(), ""}};
    for (const KeyName& name : names)
        EXPECT_EQ(ShortcutText(name.key), QString::fromUtf8(name.text));
    EXPECT_EQ(ButtonTipText(QStringLiteral("Bezár"), {}), QStringLiteral("Bezár"));
}

} // namespace
