#include "ui/start/Language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

const QString Fallback = QStringLiteral("en");
const QString Folder = QStringLiteral(":/translations");
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
    for (const QString& entry : uiLanguages) {
        // A script that sets no language, and the tests, get the texts as they are written.
        if (entry == QLatin1String("C") || entry == QLatin1String("POSIX"))
            return SourceLanguage;
        // "pt-BR" is "pt_BR" when that is translated on its own, else "pt".
        QString territorial = entry;
        territorial.replace(u'-', u'_');
        const QString language = entry.section(u'-', 0, 0);
        for (const QString& candidate : {territorial, language}) {
            if (candidate == SourceLanguage || translated.contains(candidate))
                return candidate;
        }
    }
    return uiLanguages.isEmpty() ? SourceLanguage : Fallback;
}

QStringList TranslatedLanguages() {
    QStringList languages;
    for (const QString& file : QDir(Folder).entryList({Prefix + QStringLiteral("*.qm")}))
        languages << file.mid(Prefix.size()).chopped(3);
    return languages;
}

void InstallTranslations(const QString& language) {
    if (QCoreApplication::instance() == nullptr)
        return;
    if (language != SourceLanguage)
        Install(Prefix + language, Folder);
    Install(QStringLiteral("qtbase_") + language,
            QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

QString InstallPlayersLanguage() {
    const QString language = ChooseLanguage(QLocale::system().uiLanguages(), TranslatedLanguages());
    InstallTranslations(language);
    return language;
}
