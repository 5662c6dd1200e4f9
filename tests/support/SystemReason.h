#pragma once
// The system's reason for an error in the player's locale, as the game gives it.

#include <QString>
#include <cstring>
#include <string>

inline std::string SystemReason(int error) {
    return QString::fromLocal8Bit(std::strerror(error)).toStdString();
}
