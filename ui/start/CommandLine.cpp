#include "ui/start/CommandLine.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace {

constexpr char UsageHead[] =
    "Usage: huszonegy [--help | --version]\n"
    "\n"
    "21 - The Card Game (21 - A kártyajáték): the card game of 21 with the Hungarian deck,\n"
    "you against the Bank and Vuru. Ask for cards or stand; a total above 21 counts as\n"
    "nothing, the highest total takes the stake from the other two.\n"
    "\n"
    "Keys, with the buttons' names in English and in Hungarian:\n";

constexpr char UsageTail[] =
    "  Tab, Space and Enter reach every button from the keyboard.\n"
    "  Drag the table with the left mouse button to move it.\n"
    "\n"
    "Money, games won, the stake and your name are kept in tavrik.ini, written after every\n"
    "deal and when the game closes:\n"
    "  installed game   $XDG_CONFIG_HOME/huszonegy/ (~/.config/huszonegy/), per user\n"
    "  portable copy    beside the program, or the per-user folder when the program's\n"
    "                   folder is not writable\n"
    "\n"
    "The game speaks Hungarian to a player whose language is Hungarian or who chose the\n"
    "C locale, English to everyone else (LANGUAGE, LC_ALL, LC_MESSAGES, LANG).\n"
    "\n"
    "See huszonegy(6) for the rules and more.\n";

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
        if (std::strcmp(argv[i], "--help") == 0)
            return Print((UsageHead + keyLines().toStdString() + UsageTail).c_str());
    }
    return std::nullopt;
}
