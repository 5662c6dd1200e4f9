#include "app/ErrorBox.h"
#include "app/Seged.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFontMetrics>
#include <QMessageBox>
#include <QProxyStyle>
#include <QScreen>
#include <QStyle>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <vector>

namespace {

// Installs a hook that records every box and answers with `answer`; restores on exit.
class ScriptedBoxes {
public:
    explicit ScriptedBoxes(bool answer = true)
        : previous_(SetMessageBoxHook([this, answer](const BoxRequest& request) {
              Shown.push_back(request);
              return answer;
          })) {}
    ~ScriptedBoxes() { SetMessageBoxHook(previous_); }

    std::vector<BoxRequest> Shown;

private:
    MessageBoxHook previous_;
};

struct FullStopCase {
    const char* message;
    const char* shown;
};

class FullStop : public testing::TestWithParam<FullStopCase> {};

TEST_P(FullStop, IsAddedOnlyAfterACharacterAboveTheFullStop) {
    EXPECT_EQ(WithFullStop(QString::fromUtf8(GetParam().message)),
              QString::fromUtf8(GetParam().shown));
}

INSTANTIATE_TEST_SUITE_P(
    ErrorBox, FullStop,
    testing::Values(FullStopCase{"", ""}, FullStopCase{"Hiba", "Hiba."},
                    FullStopCase{"Kész.", "Kész."}, FullStopCase{"Jaj!", "Jaj!"},
                    FullStopCase{"(x)", "(x)"}, FullStopCase{"a-", "a-"}, FullStopCase{"a,", "a,"},
                    FullStopCase{"a ", "a "}, FullStopCase{"/opt/21/", "/opt/21/."},
                    FullStopCase{"Mappa:", "Mappa:."}, FullStopCase{"Hiba 404", "Hiba 404."},
                    FullStopCase{"Nincs kép: ő", "Nincs kép: ő."}));

TEST(Seged, BoxesGoThroughTheHookWithTheirCaptions) {
    QWidget owner;
    for (bool answer : {true, false}) {
        ScriptedBoxes boxes(answer);
        ShowMessageBox(QStringLiteral("Te győztél"), &owner);
        EXPECT_EQ(AskYesNo(QStringLiteral("Biztos?"), QStringLiteral("Megerősítés"), &owner),
                  answer);
        ShowErrorBox(QStringLiteral("Cannot open the file"));

        ASSERT_EQ(boxes.Shown.size(), 3u);
        EXPECT_EQ(boxes.Shown[0].kind, BoxKind::Information);
        EXPECT_EQ(boxes.Shown[0].caption, QStringLiteral("Üzenet"));
        EXPECT_EQ(boxes.Shown[0].text, QStringLiteral("Te győztél"));
        EXPECT_EQ(boxes.Shown[0].owner, &owner);
        EXPECT_EQ(boxes.Shown[1].kind, BoxKind::Question);
        EXPECT_EQ(boxes.Shown[1].caption, QStringLiteral("Megerősítés"));
        EXPECT_EQ(boxes.Shown[1].owner, &owner);
        EXPECT_EQ(boxes.Shown[2].kind, BoxKind::Error);
        EXPECT_EQ(boxes.Shown[2].caption, QStringLiteral("21 - A kártyajáték"));
        EXPECT_EQ(boxes.Shown[2].text, QStringLiteral("Cannot open the file."));
    }
}

struct GuardCase {
    const char* name;
    friend void PrintTo(const GuardCase& c, std::ostream* os) { *os << c.name; }
    std::function<void(int&)> action;
    bool succeeds;
    std::optional<QString> shown; // the error box's text, if one shows
};

class Guarded : public testing::TestWithParam<GuardCase> {};

TEST_P(Guarded, ShowsWhatStoppedTheActionAndKeepsWhatItDid) {
    ScriptedBoxes boxes;
    int steps = 0;
    EXPECT_EQ(RunGuarded([&] { GetParam().action(steps); }), GetParam().succeeds);
    EXPECT_EQ(steps, 1);
    if (GetParam().shown) {
        ASSERT_EQ(boxes.Shown.size(), 1u);
        EXPECT_EQ(boxes.Shown[0].kind, BoxKind::Error);
        EXPECT_EQ(boxes.Shown[0].text, *GetParam().shown);
    } else {
        EXPECT_TRUE(boxes.Shown.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    ErrorBox, Guarded,
    testing::Values(GuardCase{"Succeeds", [](int& steps) { ++steps; }, true, std::nullopt},
                    GuardCase{"StandardException",
                              [](int& steps) {
                                  ++steps;
                                  throw std::runtime_error("Nincs kép: h.bmp");
                              },
                              false, QStringLiteral("Nincs kép: h.bmp.")},
                    GuardCase{"AnythingElse",
                              [](int& steps) {
                                  ++steps;
                                  throw 42;
                              },
                              false, QStringLiteral("An unexpected error occurred.")}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ErrorBox, AFailingErrorBoxDoesNotEscapeTheGuard) {
    const MessageBoxHook previous =
        SetMessageBoxHook([](const BoxRequest&) -> bool { throw std::runtime_error("no screen"); });
    EXPECT_FALSE(RunGuarded([] { throw std::runtime_error("first"); }));
    SetMessageBoxHook(previous);
}

// The real boxes, answered by pressing one of their buttons once they are up.
struct RealBoxCase {
    const char* name;
    friend void PrintTo(const RealBoxCase& c, std::ostream* os) { *os << c.name; }
    BoxKind kind;
    const char* press;
    QMessageBox::Icon icon;
    QStringList buttons;
    const char* caption;
    bool result;
};

// Hands the next real box to `look` from inside the box's own loop; `look` reads it and
// presses one of its buttons.
void OnNextBox(QTimer& poll, std::function<void(QMessageBox&)> look) {
    QObject::connect(&poll, &QTimer::timeout, [&poll, look] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr)
            return;
        poll.stop();
        look(*box);
    });
    poll.start(1);
}

QAbstractButton* ButtonReading(QMessageBox& box, const QString& text) {
    for (QAbstractButton* button : box.buttons())
        if (button->text() == text)
            return button;
    return nullptr;
}

// Asks for pictures on every dialog button, as some desktops' styles do.
class IconsOnButtons : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option = nullptr,
                  const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override {
        if (hint == SH_DialogButtonBox_ButtonsHaveIcons)
            return 1;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

// Puts a style on the application for one test; the previous one comes back after it.
class StyleForTest {
public:
    explicit StyleForTest(QStyle* style) : previous_(QApplication::style()->name()) {
        QApplication::setStyle(style);
    }
    ~StyleForTest() { QApplication::setStyle(previous_); }

private:
    QString previous_;
};

void ShowBoxOfKind(BoxKind kind, QWidget* owner, bool& result) {
    switch (kind) {
    case BoxKind::Information:
        ShowMessageBox(QStringLiteral("Bank nyert"), owner);
        result = true;
        break;
    case BoxKind::Question:
        result = AskYesNo(QStringLiteral("Bank nyert"), QStringLiteral("Megerősítés"), owner);
        break;
    case BoxKind::Error:
        ShowErrorBox(QStringLiteral("Bank nyert"));
        result = true;
        break;
    }
}

class RealBox : public testing::TestWithParam<RealBoxCase> {};

TEST_P(RealBox, IsApplicationModalWithItsIconAndTheGamesOwnButtons) {
    const RealBoxCase& c = GetParam();
    // Whatever the desktop's style asks for, the game's buttons carry no pictures.
    StyleForTest style(new IconsOnButtons);
    QWidget owner;
    std::optional<QMessageBox::Icon> icon;
    QStringList buttons;
    bool anyButtonIcon = false, pressed = false;
    QString caption, text;
    Qt::WindowModality modality = Qt::NonModal;
    Qt::TextFormat format = Qt::AutoText;

    QTimer poll;
    OnNextBox(poll, [&](QMessageBox& box) {
        icon = box.icon();
        for (QAbstractButton* button : box.buttons()) {
            buttons << button->text();
            anyButtonIcon = anyButtonIcon || !button->icon().isNull();
        }
        caption = box.windowTitle();
        text = box.text();
        modality = box.windowModality();
        format = box.textFormat();
        if (QAbstractButton* press = ButtonReading(box, QString::fromUtf8(c.press))) {
            pressed = true;
            press->click();
        } else {
            box.reject();
        }
    });

    bool result = false;
    ShowBoxOfKind(c.kind, &owner, result);
    ASSERT_TRUE(icon.has_value());
    EXPECT_EQ(*icon, c.icon);
    buttons.sort();
    EXPECT_EQ(buttons, c.buttons);
    EXPECT_FALSE(anyButtonIcon);
    EXPECT_TRUE(pressed);
    EXPECT_EQ(caption, QString::fromUtf8(c.caption));
    EXPECT_TRUE(text.startsWith(QStringLiteral("Bank nyert")));
    EXPECT_EQ(modality, Qt::ApplicationModal);
    EXPECT_EQ(format, Qt::PlainText); // a "<" in a path or name is shown, not parsed
    EXPECT_EQ(result, c.result);
}

INSTANTIATE_TEST_SUITE_P(
    Seged, RealBox,
    testing::Values(RealBoxCase{"Information",
                                BoxKind::Information,
                                "OK",
                                QMessageBox::Information,
                                {QStringLiteral("OK")},
                                "Üzenet",
                                true},
                    RealBoxCase{"QuestionYes",
                                BoxKind::Question,
                                "Igen",
                                QMessageBox::Question,
                                {QStringLiteral("Igen"), QStringLiteral("Nem")},
                                "Megerősítés",
                                true},
                    RealBoxCase{"QuestionNo",
                                BoxKind::Question,
                                "Nem",
                                QMessageBox::Question,
                                {QStringLiteral("Igen"), QStringLiteral("Nem")},
                                "Megerősítés",
                                false},
                    RealBoxCase{"Error",
                                BoxKind::Error,
                                "OK",
                                QMessageBox::Critical,
                                {QStringLiteral("OK")},
                                "21 - A kártyajáték",
                                true}),
    [](const auto& info) { return std::string(info.param.name); });

// Esc and the close box leave a question unanswered: No. An information box only informs.
TEST(Seged, EscAnswersNoAndClosesAnInformationBox) {
    for (const BoxKind kind : {BoxKind::Question, BoxKind::Information}) {
        QTimer poll;
        OnNextBox(poll, [](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Escape); });
        bool result = true;
        ShowBoxOfKind(kind, nullptr, result);
        EXPECT_EQ(result, kind == BoxKind::Information);
    }
}

struct Placement {
    QRect box, frame;
    int width = 0;
    QString caption;
    QFont captionFont;
    Qt::WindowFlags flags;
};

// Opens a box of `kind` over `table` placed at `geometry`, and says where it opened.
Placement OpenOver(QWidget& table, const QRect& geometry, BoxKind kind) {
    table.setGeometry(geometry);
    table.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&table));
    QApplication::setActiveWindow(&table);
    Placement seen;
    QTimer poll;
    OnNextBox(poll, [&](QMessageBox& box) {
        QTest::qWait(50); // as long as a window manager's frame takes to arrive
        seen = {box.geometry(),    box.frameGeometry(), box.width(),
                box.windowTitle(), box.font(),          box.windowFlags()};
        box.reject();
    });
    bool result = false;
    ShowBoxOfKind(kind, &table, result);
    return seen;
}

// Where every box opens, and how wide it is. A box about the table goes beside it where the
// screen has room; the error box has no owner and goes over the program's window, as every
// box does where there is no room beside the table.
class BoxPlacement : public testing::TestWithParam<BoxKind> {};

TEST_P(BoxPlacement, OpensBesideTheTableWhereThereIsRoomElseOverItsMiddle) {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const QRect roomBelow(screen.left() + 20, screen.top(), 300, screen.height() / 2);
    const QRect noRoom = screen.adjusted(4, 4, -4, -4);
    for (const QRect& geometry : {roomBelow, noRoom}) {
        QWidget table(nullptr, Qt::Window | Qt::FramelessWindowHint);
        const Placement seen = OpenOver(table, geometry, GetParam());
        ASSERT_FALSE(seen.box.isEmpty());
        const QRect tableFrame = table.frameGeometry();
        if (geometry == roomBelow && GetParam() != BoxKind::Error) {
            EXPECT_FALSE(seen.frame.intersects(tableFrame));
            EXPECT_TRUE(screen.contains(seen.frame));
            EXPECT_EQ(seen.frame.top(), tableFrame.bottom() + 1) << "below the table";
        } else {
            const QPointF wanted = QRectF(tableFrame).center();
            const QPointF centre = QRectF(seen.frame).center();
            EXPECT_LE(std::abs(centre.x() - wanted.x()), 1.0)
                << "box " << seen.box.x() << "," << seen.box.y();
            EXPECT_LE(std::abs(centre.y() - wanted.y()), 1.0)
                << "box " << seen.box.x() << "," << seen.box.y();
        }
        // A title bar holds the window's icon and up to three buttons beside the caption,
        // each about as wide as the bar is high; a frame Qt draws itself centres the caption
        // between its buttons.
        QFont captionFont = seen.captionFont;
        captionFont.setBold(true);
        const int titleBarButtons = 2 * 3 * 22;
        EXPECT_GE(seen.width,
                  QFontMetrics(captionFont).horizontalAdvance(seen.caption) + titleBarButtons)
            << seen.caption.toStdString();
        EXPECT_TRUE(seen.flags.testFlag(Qt::WindowCloseButtonHint));
        EXPECT_FALSE(seen.flags.testFlag(Qt::WindowMinimizeButtonHint));
        EXPECT_FALSE(seen.flags.testFlag(Qt::WindowMaximizeButtonHint));
    }
}

INSTANTIATE_TEST_SUITE_P(Seged, BoxPlacement,
                         testing::Values(BoxKind::Information, BoxKind::Question, BoxKind::Error));

TEST(Seged, QuestionButtonsReadInHungarianWithoutQtsTranslation) {
    QStringList labels;
    QTimer poll;
    OnNextBox(poll, [&](QMessageBox& box) {
        for (QAbstractButton* button : box.buttons())
            labels << button->text();
        ButtonReading(box, QStringLiteral("Nem"))->click();
    });
    EXPECT_FALSE(AskYesNo(QStringLiteral("Valóban?"), QStringLiteral("Megerősítés"), nullptr));
    labels.sort();
    EXPECT_EQ(labels, (QStringList{QStringLiteral("Igen"), QStringLiteral("Nem")}));
}

// Enter answers with the button the question starts on: "leave without saving" must not be
// one key press away.
TEST(Seged, EnterAnswersWithThePreselectedButton) {
    for (DefaultAnswer preselected : {DefaultAnswer::Yes, DefaultAnswer::No}) {
        QTimer poll;
        OnNextBox(poll, [](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Return); });
        EXPECT_EQ(AskYesNo(QStringLiteral("Valóban?"), QStringLiteral("Megerősítés"), nullptr,
                           preselected),
                  preselected == DefaultAnswer::Yes);
    }
}

} // namespace
