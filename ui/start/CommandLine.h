#pragma once
// The two questions the program answers from its command line, before any window exists.

#include <QString>

#include <functional>
#include <optional>

// With --version or --help among the arguments, prints the version or a short usage (in the
// player's language) on standard output and returns the exit status; the first of them counts.
// Otherwise returns nothing and the game starts: every other argument is left to Qt or ignored.
// `keyLines` gives the usage's lines on the table's keys, in the language installed by then.
std::optional<int> AnswerCommandLine(int argc, char** argv,
                                     const std::function<QString()>& keyLines);
