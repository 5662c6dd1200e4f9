#include "app/ErrorBox.h"
#include "app/Seged.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

#include <functional>
#include <ostream>

#include <optional>
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
    QMessageBox::StandardButton press;
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
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

class RealBox : public testing::TestWithParam<RealBoxCase> {};

TEST_P(RealBox, IsApplicationModalWithItsIconAndButtons) {
    const RealBoxCase& c = GetParam();
    QWidget owner;
    std::optional<QMessageBox::Icon> icon;
    std::optional<QMessageBox::StandardButtons> buttons;
    QString caption, text;
    Qt::WindowModality modality = Qt::NonModal;
    Qt::TextFormat format = Qt::AutoText;

    QTimer poll;
    OnNextBox(poll, [&](QMessageBox& box) {
        icon = box.icon();
        buttons = box.standardButtons();
        caption = box.windowTitle();
        text = box.text();
        modality = box.windowModality();
        format = box.textFormat();
        box.button(c.press)->click();
    });

    bool result = false;
    switch (c.kind) {
    case BoxKind::Information:
        ShowMessageBox(QStringLiteral("Bank nyert"), &owner);
        result = true;
        break;
    case BoxKind::Question:
        result = AskYesNo(QStringLiteral("Bank nyert"), QStringLiteral("Megerősítés"), &owner);
        break;
    case BoxKind::Error:
        ShowErrorBox(QStringLiteral("Bank nyert"));
        result = true;
        break;
    }
    ASSERT_TRUE(icon.has_value());
    EXPECT_EQ(*icon, c.icon);
    EXPECT_EQ(*buttons, c.buttons);
    EXPECT_EQ(caption, QString::fromUtf8(c.caption));
    EXPECT_TRUE(text.startsWith(QStringLiteral("Bank nyert")));
    EXPECT_EQ(modality, Qt::ApplicationModal);
    EXPECT_EQ(format, Qt::PlainText); // a "<" in a path or name is shown, not parsed
    EXPECT_EQ(result, c.result);
}

INSTANTIATE_TEST_SUITE_P(
    Seged, RealBox,
    testing::Values(RealBoxCase{"Information", BoxKind::Information, QMessageBox::Ok,
                                QMessageBox::Information, QMessageBox::Ok, "Üzenet", true},
                    RealBoxCase{"QuestionYes", BoxKind::Question, QMessageBox::Yes,
                                QMessageBox::Question, QMessageBox::Yes | QMessageBox::No,
                                "Megerősítés", true},
                    RealBoxCase{"QuestionNo", BoxKind::Question, QMessageBox::No,
                                QMessageBox::Question, QMessageBox::Yes | QMessageBox::No,
                                "Megerősítés", false},
                    RealBoxCase{"Error", BoxKind::Error, QMessageBox::Ok, QMessageBox::Critical,
                                QMessageBox::Ok, "21 - A kártyajáték", true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Seged, QuestionButtonsReadInHungarian) {
    InstallHungarianTranslation();
    QStringList labels;
    QTimer poll;
    OnNextBox(poll, [&](QMessageBox& box) {
        for (auto button : {QMessageBox::Yes, QMessageBox::No})
            labels << box.button(button)->text().remove(QLatin1Char('&'));
        box.button(QMessageBox::No)->click();
    });
    EXPECT_FALSE(AskYesNo(QStringLiteral("Valóban?"), QStringLiteral("Megerősítés"), nullptr));
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
