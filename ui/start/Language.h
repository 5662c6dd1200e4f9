#pragma once
// The language the game speaks: Hungarian, its own, or one of the translations built into it,
// chosen from the player's languages; Qt's own texts follow the same choice.

#include <QString>
#include <QStringList>

// The language of the texts as they are written in the source.
inline const QString SourceLanguage = QStringLiteral("hu");

// Where the translations built into the program lie.
inline const QString TranslationFolder = QStringLiteral(":/translations");

// The language for a player whose languages are `uiLanguages`, most wanted first, as
// QLocale::uiLanguages() gives them: Hungarian for a C or POSIX locale; else the first one the
// game has (Hungarian, or one of `translated`); English for a player whose languages the game
// has none of.
QString ChooseLanguage(const QStringList& uiLanguages, const QStringList& translated);

// The languages a translation is built into the program for, as their file names give them.
QStringList TranslatedLanguages();

// Installs the game's translation for `language` from `folder`, with the English one beneath
// it for the texts it lacks, and Qt's own, where Qt has one installed. Without Qt's, its
// standard texts stay in its built-in English; the game's boxes name their own buttons. Call
// after the application exists and before any window is built.
void InstallTranslations(const QString& language, const QString& folder = TranslationFolder);

// Chooses from the system's languages and installs that choice; returns it.
QString InstallPlayersLanguage();
