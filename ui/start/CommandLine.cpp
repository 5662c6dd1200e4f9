#include "ui/start/CommandLine.h"

#include "ui/start/Language.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>
#include <cstring>
#include <iterator>

/*
    TRANSLATOR CommandLine

    What "huszonegy --help" prints in a terminal: plain text, at most 80 characters a line.
*/

namespace {

// The usage in the player's language, the keys' lines (`keys`) in its middle. Each paragraph
// is one text, so a translator can wrap its lines anew.
QString Usage(const QString& keys) {
    const QString paragraphs[] = {
        //: The first line; the options stay as they are
        QCoreApplication::translate("CommandLine", "Használat: huszonegy [--help | --version]"),
        QCoreApplication::translate(
            "CommandLine",
            "21 - A kártyajáték: a huszonegy magyar kártyával, te a Bank és Vuru ellen.\n"
            "Kérsz még lapot vagy megállsz; a 21 fölötti összeg semmit sem ér, a legnagyobb\n"
            "összeg viszi a tétet a másik kettőtől."),
        //: Above the keys and the table's buttons they press
        QCoreApplication::translate("CommandLine", "Billentyűk:") + u'\n' + keys +
            QCoreApplication::translate(
                "CommandLine",
                "  A Tab, a Szóköz és az Enter a billentyűzetről is elér minden gombot.\n"
                "  Az asztalt a bal egérgombbal húzva mozgathatod."),
        //: The file names and $XDG_CONFIG_HOME stay as they are
        QCoreApplication::translate(
            "CommandLine",
            "A pénz, a nyert játékok, a tét és a neved a tavrik.ini fájlban marad meg;\n"
            "minden leosztás után és a bezáráskor íródik ki:\n"
            "  telepített játék     $XDG_CONFIG_HOME/huszonegy/ (~/.config/huszonegy/),\n"
            "                       felhasználónként\n"
            "  hordozható példány   a program mellett, vagy a felhasználó mappájában,\n"
            "                       ha a program mappája nem írható"),
        //: The variable names stay as they are
        QCoreApplication::translate(
            "CommandLine",
            "A játék magyarul szól ahhoz, akinek a nyelve magyar, vagy aki a C területi\n"
            "beállítást választotta, mindenki máshoz angolul (LANGUAGE, LC_ALL,\n"
            "LC_MESSAGES, LANG)."),
        //: huszonegy(6) is the manual page's name, as "man 6 huszonegy" opens it
        QCoreApplication::translate("CommandLine", "A szabályok és a többi: huszonegy(6)."),
    };
    QStringList lines(std::begin(paragraphs), std::end(paragraphs));
    return lines.join(QStringLiteral("\n\n")) + u'\n';
}

// An answer that did not reach its reader (a closed or full output) is not a success.
int Print(const char* text) {
    const bool written = std::fputs(text, stdout) >= 0 && std::fflush(stdout) == 0;
    if (written)
        return 0;
    std::fputs("huszonegy: cannot write to standard output\n", stderr);
    return 1;
}

} // namespace

std::optional<int> AnswerCommandLine(int argc, char** argv,
                                     const std::function<QString()>& keyLines) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0)
            return Print("huszonegy " HUSZONEGY_VERSION "\n");
        if (std::strcmp(argv[i], "--help") == 0) {
            // In the player's language, as the game would speak it; no display is needed.
            int count = 1;
            QCoreApplication application(count, argv);
            InstallPlayersLanguage();
            return Print(Usage(keyLines()).toLocal8Bit().constData());
        }
    }
    return std::nullopt;
}
