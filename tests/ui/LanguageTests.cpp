// The player's language: which one the game takes, and the table it then shows.
#include "MainWindowFixture.h"

#include "ui/speech/CardNames.h"
#include "ui/start/Language.h"

#include <QTranslator>

namespace {

TEST(Language, TheFirstOfThePlayersLanguagesTheGameHas) {
    const QStringList translated{"en", "pt_BR"};
    const struct {
        QStringList uiLanguages;
        const char* chosen;
    } cases[] = {{{"C"}, "hu"},
                 {{"POSIX"}, "hu"},
                 {{}, "hu"},
                 {{"hu-HU", "hu-Latn-HU", "hu"}, "hu"},
                 {{"en-US", "en-Latn-US", "en"}, "en"},
                 {{"de-DE", "de-Latn-DE", "de"}, "en"},
                 {{"de", "hu", "en"}, "hu"},
                 {{"hu", "en"}, "hu"},
                 {{"pt-BR", "pt"}, "pt_BR"},
                 {{"pt-PT", "pt"}, "en"}};
    for (const auto& c : cases)
        EXPECT_EQ(ChooseLanguage(c.uiLanguages, translated), QString::fromLatin1(c.chosen))
            << c.uiLanguages.join(u':').toStdString();
    EXPECT_TRUE(TranslatedLanguages().contains(QStringLiteral("en")));
}

TEST_F(MainWindowTest, EnglishCaptionsFitTheirButtonsAndCardsHaveEnglishNames) {
    QTranslator english;
    ASSERT_TRUE(english.load(QStringLiteral(":/translations/huszonegy_en.qm")));
    QCoreApplication::installTranslator(&english);
    Tfrm_Main& w = Open();
    for (QToolButton* button : {w.SpeedButton1, w.SpeedButton4, w.SpeedButton5})
        EXPECT_LE(button->sizeHint().width(), button->width()) << button->text().toStdString();
    EXPECT_EQ(w.SpeedButton4->text(), QStringLiteral("One more!"));
    EXPECT_EQ(CardName({'1', '8'}), QStringLiteral("Ace of Hearts"));
    EXPECT_EQ(CardName({'4', '5'}), QStringLiteral("Under of Acorns"));
    QCoreApplication::removeTranslator(&english);
}

} // namespace
