// The settings dialog driven as the player drives it: keys into the edits, then OK,
// Mégsem, Esc or the close box.
#include "BeallitModalScript.h"

#include "game/Results.h"
#include "ui/dialogs/Beallit.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

namespace {

class SettingsDialog : public ::testing::Test {
protected:
    TBeall results; // the name "Tarvesz", the stake 50
};

TEST(SettingsDialogLayout, ControlsSitAtTheirPlacesInTahoma) {
    Tfrm_Beallit dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Beállítások"));
    EXPECT_EQ(dialog.size(), QSize(257, 107));
    EXPECT_EQ(dialog.font().pixelSize(), 11);
    EXPECT_EQ(dialog.Label1->pos(), QPoint(12, 12));
    EXPECT_EQ(dialog.Label1->text(), QStringLiteral("Az én nevem"));
    EXPECT_EQ(dialog.Label2->pos(), QPoint(12, 56));
    EXPECT_EQ(dialog.Label2->text(), QStringLiteral("Tét"));
    EXPECT_EQ(dialog.Edit1->geometry(), QRect(12, 28, 125, 21));
    EXPECT_EQ(dialog.Edit2->geometry(), QRect(12, 72, 125, 21));
    EXPECT_EQ(dialog.Button1->geometry(), QRect(168, 32, 75, 25));
    EXPECT_EQ(dialog.Button1->text(), QStringLiteral("OK"));
    EXPECT_TRUE(dialog.Button1->isDefault());
    EXPECT_EQ(dialog.Button2->geometry(), QRect(168, 64, 75, 25));
    EXPECT_EQ(dialog.Button2->text(), QStringLiteral("Mégsem"));
}

// Screen readers speak a field run by run of its formatting: a run that stops short of the
// end leaves the last character unspoken.
TEST(SettingsDialogLayout, FieldsReportTheirWholeTextToScreenReaders) {
    Tfrm_Beallit dialog;
    dialog.Edit1->setText(QStringLiteral("Tarvesz"));
    dialog.Edit2->setText(QStringLiteral("50"));
    const std::pair<QLineEdit*, const char*> fields[] = {{dialog.Edit1, "Az én nevem"},
                                                         {dialog.Edit2, "Tét"}};
    for (const auto& [edit, label] : fields) {
        SCOPED_TRACE(label);
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(edit);
        ASSERT_NE(face, nullptr);
        EXPECT_EQ(face->role(), QAccessible::EditableText);
        EXPECT_EQ(face->text(QAccessible::Name), QString::fromUtf8(label));
        EXPECT_TRUE(face->state().editable);
        QAccessibleTextInterface* text = face->textInterface();
        ASSERT_NE(text, nullptr);
        const int count = int(edit->text().size());
        ASSERT_EQ(text->characterCount(), count);
        for (int offset = 0; offset < count; ++offset) {
            int start = -1, end = -1;
            text->attributes(offset, &start, &end);
            EXPECT_EQ(std::make_pair(start, end), std::make_pair(0, count)) << offset;
        }
        edit->selectAll();
        int start = -1, end = -1;
        ASSERT_EQ(text->selectionCount(), 1);
        text->selection(0, &start, &end);
        EXPECT_EQ(text->text(start, end), edit->text());
        EXPECT_EQ(text->cursorPosition(), count);
        int lineStart = -1, lineEnd = -1;
        EXPECT_EQ(text->textAtOffset(count - 1, QAccessible::LineBoundary, &lineStart, &lineEnd),
                  edit->text());
        // Typing through the interface edits the field itself.
        face->editableTextInterface()->replaceText(0, count, QStringLiteral("1"));
        EXPECT_EQ(edit->text(), QStringLiteral("1"));
    }
}

struct Typed {
    const char* name;
    const char* stake;
    std::int32_t expectedPot;
    const char* expectedName = nullptr; // as typed when null
};

class SettingsTakenWithEnter : public SettingsDialog,
                               public ::testing::WithParamInterface<Typed> {};

TEST_P(SettingsTakenWithEnter, TheNameAlwaysTheStakeOnlyWhenItReads) {
    const QString name = QString::fromUtf8(GetParam().name);
    const QString stake = QString::fromUtf8(GetParam().stake);
    OnModal<Tfrm_Beallit>([&](Tfrm_Beallit& dialog) {
        // The name opens selected, so typing replaces it.
        QTest::keyClick(dialog.Edit1, Qt::Key_Delete);
        TypeText(dialog.Edit1, name);
        dialog.Edit2->clear();
        TypeText(dialog.Edit2, stake);
        QTest::keyClick(dialog.Edit2, Qt::Key_Return);
    });
    ShowSettingsDialog(results, {}, nullptr);
    const char* kept = GetParam().expectedName;
    EXPECT_EQ(results.Name, kept != nullptr ? QString::fromUtf8(kept) : name);
    EXPECT_EQ(results.Pot, GetParam().expectedPot);
}

// Nothing trims the stake; an unreadable one keeps the old stake of 50. A new name is what the
// next start reads: trimmed, unquoted, and every character the settings file's code page
// lacks, an emoji included, one "?".
INSTANTIATE_TEST_SUITE_P(
    Typing, SettingsTakenWithEnter,
    ::testing::Values(Typed{"Kovács Éva", "20", 20}, Typed{"Béla", " 20", 20},
                      Typed{"Béla", "0x14", 20}, Typed{"Béla", "$14", 20}, Typed{"Béla", "x14", 20},
                      Typed{"Béla", "-20", -20}, Typed{"Béla", "-2147483648", INT32_MIN},
                      Typed{"Béla", "20 ", 50}, Typed{"Béla", "abc", 50}, Typed{"Béla", "12.5", 50},
                      Typed{"Béla", "", 50}, Typed{"Béla", "2147483648", 50}, Typed{"", "20", 20},
                      Typed{"  Ödön  ", "20", 20, "Ödön"}, Typed{"\"Zsófi\"", "20", 20, "Zsófi"},
                      Typed{"Łukasz ✓", "20", 20, "Łukasz ?"}, Typed{"AЖB😀C", "20", 20, "A?B?C"},
                      Typed{"Őrző Ű", "20", 20}));

TEST_F(SettingsDialog, AnUnchangedOkKeepsWhatAUtf8FileGaveTheName) {
    results.Name = QStringLiteral("AЖB😀");
    OnModal<Tfrm_Beallit>([](Tfrm_Beallit& dialog) { dialog.Button1->click(); });
    EXPECT_TRUE(ShowSettingsDialog(results, {}, nullptr));
    EXPECT_EQ(results.Name, QStringLiteral("AЖB😀"));
}

enum class Leave { MegsemButton, EscKey, CloseBox };

class SettingsLeftWithout : public SettingsDialog, public ::testing::WithParamInterface<Leave> {};

TEST_P(SettingsLeftWithout, ChangesNothing) {
    OnModal<Tfrm_Beallit>([&](Tfrm_Beallit& dialog) {
        TypeText(dialog.Edit1, QStringLiteral("Más Valaki"));
        TypeText(dialog.Edit2, QStringLiteral("9"));
        if (GetParam() == Leave::MegsemButton)
            QTest::mouseClick(dialog.Button2, Qt::LeftButton);
        else if (GetParam() == Leave::EscKey)
            QTest::keyClick(dialog.Edit2, Qt::Key_Escape);
        else
            dialog.windowHandle()->close();
    });
    ShowSettingsDialog(results, {}, nullptr);
    EXPECT_EQ(results.Name, QStringLiteral("Tarvesz"));
    EXPECT_EQ(results.Pot, 50);
}

INSTANTIATE_TEST_SUITE_P(Ways, SettingsLeftWithout,
                         ::testing::Values(Leave::MegsemButton, Leave::EscKey, Leave::CloseBox));

TEST_F(SettingsDialog, OpensOnTheWholeNameSelectedThenTabsToStakeOkMegsemAndRound) {
    results.Name = QStringLiteral("Nagy Ágnes");
    results.Pot = -20;
    QString stake, selected;
    QList<QWidget*> visited, expected;
    OnModal<Tfrm_Beallit>([&](Tfrm_Beallit& dialog) {
        stake = dialog.Edit2->text();
        selected = dialog.Edit1->selectedText();
        expected = {dialog.Edit1, dialog.Edit2, dialog.Button1, dialog.Button2, dialog.Edit1};
        visited << dialog.focusWidget();
        for (int i = 1; i < expected.size(); ++i) {
            QTest::keyClick(dialog.focusWidget(), Qt::Key_Tab);
            visited << dialog.focusWidget();
        }
        QTest::mouseClick(dialog.Button2, Qt::LeftButton);
    });
    ShowSettingsDialog(results, {}, nullptr);
    EXPECT_EQ(selected, QStringLiteral("Nagy Ágnes"));
    EXPECT_EQ(stake, QStringLiteral("-20"));
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
    ShowSettingsDialog(results, {}, nullptr);
    EXPECT_EQ(pressed, 0);
    QTest::mouseClick(elsewhere.windowHandle(), Qt::LeftButton, {}, middle);
    EXPECT_EQ(pressed, 1);
}

} // namespace
