#include "ui/start/CommandLine.h"

#include <cstdio>
#include <cstring>

namespace {

constexpr char Usage[] =
    "Usage: huszonegy [--help | --version]\n"
    "\n"
    "21 - A kártyajáték: the card game of 21 with the 32-card Hungarian deck, you against\n"
    "the Bank and Vuru. Ask for cards or stand; a total above 21 counts as nothing, the\n"
    "highest total takes the stake from the other two.\n"
    "\n"
    "Keys:\n"
    "  F2          new deal (Új leosztás)\n"
    "  F3          one more card (Még egy lapot!)\n"
    "  F4          stand (Megállok)\n"
    "  Alt+Enter   your name and the stake (Beállítások)\n"
    "  Esc         minimise (Tálcára)\n"
    "  F1          the rules and the keys (Súgó)\n"
    "  Tab, Space and Enter reach every button from the keyboard.\n"
    "  Drag the table with the left mouse button to move it.\n"
    "\n"
    "Money, games won, the stake and your name are kept in tavrik.ini, written after every\n"
    "deal and when the game closes:\n"
    "  installed game   $XDG_CONFIG_HOME/huszonegy/ (~/.config/huszonegy/), per user\n"
    "  portable copy    beside the program, or the per-user folder when the program's\n"
    "                   folder is not writable\n"
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

std::optional<int> AnswerCommandLine(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0)
            return Print("huszonegy " HUSZONEGY_VERSION "\n");
        if (std::strcmp(argv[i], "--help") == 0)
            return Print(Usage);
    }
    return std::nullopt;
}
