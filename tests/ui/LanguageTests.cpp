// The player's language: which one the game takes, and the English table it then shows.
#include "MainWindowFixture.h"

#include "ui/speech/CardNames.h"
#include "ui/start/Language.h"

#include <QTranslator>

TEST(Language, TheFirstOfThePlayersLanguagesTheGameHas) {
    const std::pair<QStringList, const char*> cases[] = {{{"C"}, "hu"},
                                                         {{}, "hu"},
                                                         {{"hu-HU", "hu"}, "hu"},
                                                         {{"de", "hu", "en"}, "hu"},
                                                         {{"en-US"}, "en"},
                                                         {{"de-DE", "de"}, "en"},
                                                         {{"pt-BR", "pt"}, "pt_BR"},
                                                         {{"pt-PT"}, "en"}};
    for (const auto& [uiLanguages, chosen] : cases)
        EXPECT_EQ(ChooseLanguage(uiLanguages, {"en", "pt_BR"}), chosen) << chosen;
    EXPECT_TRUE(TranslatedLanguages().contains(QStringLiteral("en")));
}

TEST_F(MainWindowTest, EnglishCaptionsFitTheirButtonsAndCardsHaveEnglishNames) {
    QTranslator english;
    ASSERT_TRUE(english.load(QStringLiteral(":/translations/huszonegy_en.qm")));
    QCoreApplication::installTranslator(&english);
    Tfrm_Main& w = Open();
    for (QToolButton* button : {w.SpeedButton1, w.SpeedButton4, w.SpeedButton5})
        EXPECT_LE(button->sizeHint().width(), button->width()) << button->text().toStdString();
    EXPECT_EQ(CardName({'1', '8'}) + CardName({'4', '5'}), "Ace of HeartsUnder of Acorns");
    QCoreApplication::removeTranslator(&english);
}
