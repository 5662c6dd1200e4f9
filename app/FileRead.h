#pragma once
// Reading an open file without trusting its size: the settings file and the card pictures
// both check what they opened, then read no more than they are willing to hold.

#include <QByteArray>

#include <optional>

// The file's bytes from where `fd` stands up to its end or `most` bytes, whichever comes
// first, reading again after a signal. Empty on a read error, with errno telling which.
std::optional<QByteArray> ReadUpTo(int fd, qsizetype most);
