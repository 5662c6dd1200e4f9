#include "ui/start/Language.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

const QString Fallback = QStringLiteral("en");
const QString Prefix = QStringLiteral("huszonegy_");

// A translator owned by the application, installed when its file is there.
void Install(const QString& name, const QString& folder) {
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(name, folder))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

} // namespace

QString ChooseLanguage(const QStringList& uiLanguages, const QStringList& translated) {
    // Qt lists "C" alone for a C or POSIX locale, and also after any language it does not know
    // ("lij-IT, C"); only the first is the player's request for the texts as they are written.
    const auto unchosen = [](const QString& entry) {
        return entry == QLatin1String("C") || entry == QLatin1String("POSIX");
    };
    if (!uiLanguages.isEmpty() && unchosen(uiLanguages.front()))
        return SourceLanguage;
    for (const QString& entry : uiLanguages) {
        if (unchosen(entry))
            continue;
        // "pt-BR" is "pt_BR" when that is translated on its own, else "pt".
        QString territorial = entry;
        territorial.replace(u'-', u'_');
        const QString language = entry.section(u'-', 0, 0);
        for (const QString& candidate : {territorial, language}) {
            if (candidate == SourceLanguage || translated.contains(candidate))
                return candidate;
        }
    }
    return Fallback;
}

QStringList TranslatedLanguages() {
    // Names are compared by hand: a name filter would compile a regular expression for it.
    const QString suffix = QStringLiteral(".qm");
    QStringList languages;
    for (QDirIterator files(TranslationFolder, QDir::Files); files.hasNext();) {
        const QString file = files.nextFileInfo().fileName();
        if (file.startsWith(Prefix) && file.endsWith(suffix) &&
            file.size() > Prefix.size() + suffix.size())
            languages << file.mid(Prefix.size()).chopped(suffix.size());
    }
    return languages;
}

void InstallTranslations(const QString& language, const QString& folder) {
    if (QCoreApplication::instance() == nullptr)
        return;
    // Installed first, searched last: a text another translation lacks is shown in English,
    // which more players read than the Hungarian it is written in.
    if (language != SourceLanguage && language != Fallback)
        Install(Prefix + Fallback, TranslationFolder);
    if (language != SourceLanguage)
        Install(Prefix + language, folder);
    Install(QStringLiteral("qtbase_") + language,
            QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

QString InstallPlayersLanguage() {
    const QString language = ChooseLanguage(QLocale::system().uiLanguages(), TranslatedLanguages());
    InstallTranslations(language);
    return language;
}
