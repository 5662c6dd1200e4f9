// The settings dialog driven as the player drives it: keys into the edits, then OK,
// Mégsem, Esc or the close box.
#include "BeallitModalScript.h"

#include "game/Results.h"
#include "ui/Beallit.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

namespace {

class SettingsDialog : public ::testing::Test {
protected:
    void SetUp() override {
        saved_ = Results;
        Results = TBeall{};
        Results.Name = QStringLiteral("Tarvesz");
        Results.Pot = 50;
    }
    void TearDown() override { Results = saved_; }

private:
    TBeall saved_;
};

void Retype(QLineEdit* edit, const QString& text) {
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Delete);
    TypeText(edit, text);
}

struct StakeCase {
    const char* typed;
    std::int32_t expected;
};

class StakeTyped : public SettingsDialog, public ::testing::WithParamInterface<StakeCase> {};

TEST_P(StakeTyped, OkTakesTheNameAndTheStakeOnlyWhenItReads) {
    const StakeCase& c = GetParam();
    OnModal<Tfrm_Beallit>([&](Tfrm_Beallit& dialog) {
        Retype(dialog.Edit1, QStringLiteral("Kovács Éva"));
        Retype(dialog.Edit2, QString::fromUtf8(c.typed));
        ASSERT_EQ(dialog.Edit2->text(), QString::fromUtf8(c.typed));
        QTest::keyClick(dialog.Edit2, Qt::Key_Return);
    });
    ShowSettingsDialog();
    EXPECT_EQ(Results.Name, QStringLiteral("Kovács Éva"));
    EXPECT_EQ(Results.Pot, c.expected);
}

INSTANTIATE_TEST_SUITE_P(Stakes, StakeTyped,
                         ::testing::Values(StakeCase{"20", 20}, StakeCase{" 20", 20},
                                           StakeCase{"0x14", 20}, StakeCase{"$14", 20},
                                           StakeCase{"x14", 20}, StakeCase{"-20", -20},
                                           StakeCase{"20 ", 50}, StakeCase{"abc", 50},
                                           StakeCase{"12.5", 50}, StakeCase{"", 50},
                                           StakeCase{"2147483648", 50},
                                           StakeCase{"-2147483648", INT32_MIN}));

struct NameCase {
    const char* typed;
};

class NameTyped : public SettingsDialog, public ::testing::WithParamInterface<NameCase> {};

TEST_P(NameTyped, IsTakenAsTypedWithTheStakeLeftAlone) {
    const QString typed = QString::fromUtf8(GetParam().typed);
    OnModal<Tfrm_Beallit>([&](Tfrm_Beallit& dialog) {
        // The name starts out selected, so typing replaces it without clearing first.
        if (typed.isEmpty())
            QTest::keyClick(dialog.Edit1, Qt::Key_Delete);
        else
            TypeText(dialog.Edit1, typed);
        QTest::mouseClick(dialog.Button1, Qt::LeftButton);
    });
    ShowSettingsDialog();
    EXPECT_EQ(Results.Name, typed);
    EXPECT_EQ(Results.Pot, 50);
}

// The last one has letters the settings file's code page cannot hold; in the running game
// the name stays exactly as typed.
INSTANTIATE_TEST_SUITE_P(Names, NameTyped,
                         ::testing::Values(NameCase{"Béla"}, NameCase{""}, NameCase{"  Ödön  "},
                                           NameCase{"Łukasz ✓ Ñandú"}));

enum class Leave { MegsemButton, EscKey, CloseBox };

std::string LeaveName(const ::testing::TestParamInfo<Leave>& info) {
    const char* const names[] = {"MegsemButton", "EscKey", "CloseBox"};
    return names[static_cast<int>(info.param)];
}

class LeftWithout : public SettingsDialog, public ::testing::WithParamInterface<Leave> {};

TEST_P(LeftWithout, OkChangesNothing) {
    bool wasOpen = false;
    OnModal<Tfrm_Beallit>([&](Tfrm_Beallit& dialog) {
        wasOpen = dialog.isVisible();
        Retype(dialog.Edit1, QStringLiteral("Más Valaki"));
        Retype(dialog.Edit2, QStringLiteral("999"));
        switch (GetParam()) {
        case Leave::MegsemButton:
            QTest::mouseClick(dialog.Button2, Qt::LeftButton);
            break;
        case Leave::EscKey:
            QTest::keyClick(dialog.Edit2, Qt::Key_Escape);
            break;
        case Leave::CloseBox:
            dialog.windowHandle()->close();
            break;
        }
    });
    ShowSettingsDialog();
    EXPECT_TRUE(wasOpen);
    EXPECT_EQ(Results.Name, QStringLiteral("Tarvesz"));
    EXPECT_EQ(Results.Pot, 50);
}

INSTANTIATE_TEST_SUITE_P(Ways, LeftWithout,
                         ::testing::Values(Leave::MegsemButton, Leave::EscKey, Leave::CloseBox),
                         LeaveName);
TEST_F(SettingsDialog, OpensWithTheCurrentValuesAndTheWholeNameSelected) {
    Results.Name = QStringLiteral("Nagy Ágnes");
    Results.Pot = -20;
    QString name, stake, selected;
    QWidget* focused = nullptr;
    QLineEdit* expectedFocus = nullptr;
    OnModal<Tfrm_Beallit>([&](Tfrm_Beallit& dialog) {
        name = dialog.Edit1->text();
        stake = dialog.Edit2->text();
        selected = dialog.Edit1->selectedText();
        focused = dialog.focusWidget();
        expectedFocus = dialog.Edit1;
        QTest::mouseClick(dialog.Button2, Qt::LeftButton);
    });
    ShowSettingsDialog();
    EXPECT_EQ(name, QStringLiteral("Nagy Ágnes"));
    EXPECT_EQ(stake, QStringLiteral("-20"));
    EXPECT_EQ(selected, QStringLiteral("Nagy Ágnes"));
    EXPECT_EQ(focused, expectedFocus);
}

TEST_F(SettingsDialog, TabGoesFromNameToStakeToOkToMegsemAndRoundAgain) {
    QList<QWidget*> visited, expected;
    OnModal<Tfrm_Beallit>([&](Tfrm_Beallit& dialog) {
        expected = {dialog.Edit1, dialog.Edit2, dialog.Button1, dialog.Button2, dialog.Edit1};
        visited << dialog.focusWidget();
        for (int i = 1; i < expected.size(); ++i) {
            QTest::keyClick(dialog.focusWidget(), Qt::Key_Tab);
            visited << dialog.focusWidget();
        }
        QTest::mouseClick(dialog.Button2, Qt::LeftButton);
    });
    ShowSettingsDialog();
    EXPECT_EQ(visited, expected);
}

TEST_F(SettingsDialog, KeepsTheRestOfTheProgramOutWhileItIsUp) {
    QPushButton elsewhere(QStringLiteral("Új leosztás"));
    elsewhere.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&elsewhere));
    int pressed = 0;
    QObject::connect(&elsewhere, &QPushButton::clicked, [&] { ++pressed; });
    // Clicked through its window, as the desktop delivers a click, so modality can stop it.
    const QPoint middle = elsewhere.rect().center();
    OnModal<Tfrm_Beallit>([&](Tfrm_Beallit& dialog) {
        QTest::mouseClick(elsewhere.windowHandle(), Qt::LeftButton, {}, middle);
        QTest::mouseClick(dialog.Button2, Qt::LeftButton);
    });
    ShowSettingsDialog();
    EXPECT_EQ(pressed, 0);
    QTest::mouseClick(elsewhere.windowHandle(), Qt::LeftButton, {}, middle);
    EXPECT_EQ(pressed, 1);
}

} // namespace
