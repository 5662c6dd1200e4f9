// The player's language: which one the game takes, and the English table it then shows.
#include "MainWindowFixture.h"

#include "ui/dialogs/Sugo.h"
#include "ui/speech/CardNames.h"
#include "ui/speech/TableSpeech.h"
#include "ui/start/Language.h"

#include <QTranslator>

TEST(Language, TheFirstOfThePlayersLanguagesTheGameHas) {
    // Qt ends the list with its own "C" after a language it does not know: no choice at all.
    const std::pair<QStringList, const char*> cases[] = {
        {{"C"}, "hu"},     {{"POSIX"}, "hu"},       {{"lij-IT", "C"}, "en"},
        {{}, "en"},        {{"hu-HU", "hu"}, "hu"}, {{"de", "hu", "en"}, "hu"},
        {{"en-US"}, "en"}, {{"de-DE", "de"}, "en"}, {{"pt-BR", "pt"}, "pt_BR"},
        {{"pt-PT"}, "en"}};
    for (const auto& [uiLanguages, chosen] : cases)
        EXPECT_EQ(ChooseLanguage(uiLanguages, {"en", "pt_BR"}), chosen) << chosen;
    EXPECT_TRUE(TranslatedLanguages().contains(QStringLiteral("en")));
}

TEST_F(MainWindowTest, EnglishCaptionsFitCardsHaveEnglishNamesAndTheHelpNamesEachButton) {
    QTranslator english;
    ASSERT_TRUE(english.load(QStringLiteral(":/translations/huszonegy_en.qm")));
    QCoreApplication::installTranslator(&english);
    Tfrm_Main& w = Open();
    for (QToolButton* button : {w.newDealButton, w.oneMoreButton, w.standButton})
        EXPECT_LE(button->sizeHint().width(), button->width()) << button->text().toStdString();
    EXPECT_EQ(CardName({'1', '8'}) + CardName({'4', '5'}), "Ace of HeartsUnder of Acorns");
    // The small buttons are pictures only: the help shows each, in the table's order, beside a
    // line that starts with its name.
    const Tfrm_Sugo help(&w);
    const QToolButton* small[] = {w.resetResultsButton, w.homepageButton, w.aboutButton,
                                  w.settingsButton,     w.minimiseButton, w.closeButton};
    ASSERT_EQ(help.ButtonMeanings.size(), std::size(small));
    for (std::size_t i = 0; i < std::size(small); ++i) {
        EXPECT_TRUE(help.ButtonMeanings[i]->text().startsWith(small[i]->accessibleName())) << i;
        EXPECT_EQ(help.ButtonPictures[i]->pixmap().toImage(),
                  small[i]->icon().pixmap(QSize(16, 16)).toImage())
            << i;
    }
    QCoreApplication::removeTranslator(&english);
}

// Untranslated texts of a partly done translation fall back to English, not to the source;
// Hungarian itself takes no English beneath. A screen reader hears "1 card" and "2 cards".
TEST(Language, EnglishBeneathOtherLanguagesAndItsPluralsSpoken) {
    const std::pair<const char*, const char*> cases[] = {
        {"hu", "21 - A kártyajáték | Beállítások | Te: , összesen 0. Bank: 1 lap. Vuru: 2 lap."},
        {"de", "21 - Das Kartenspiel | Settings | Te: , total 0. Bank: 1 card. Vuru: 2 cards."}};
    for (const auto& [language, expected] : cases) {
        InstallTranslations(language, QStringLiteral(":/test-translations"));
        const QStringList shown = {
            QCoreApplication::translate("ErrorBox", "21 - A kártyajáték"),
            QCoreApplication::translate("Tfrm_Beallit", "Beállítások"),
            DealLine({"Te", "Bank", "Vuru"},
                     {Hand{}, Hand{{'1', '1'}}, Hand{{'1', '2'}, {'1', '3'}}})};
        EXPECT_EQ(shown.join(QStringLiteral(" | ")).toStdString(), expected);
        for (QTranslator* translator : qApp->findChildren<QTranslator*>())
            delete translator;
    }
}
