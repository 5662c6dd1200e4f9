#pragma once
// The system's reason for an error as the player reads it: in a Hungarian or German locale the
// messages name it in that language, so the tests never expect glibc's English.

#include <QString>
#include <cerrno>
#include <cstring>
#include <string>

inline std::string SystemReason(int error) {
    return QString::fromLocal8Bit(std::strerror(error)).toStdString();
}
