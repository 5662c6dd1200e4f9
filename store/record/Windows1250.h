#pragma once
// The single-byte Central European code page the settings file has always been stored in.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// Every byte has a character, so decoding never fails.
QString DecodeWindows1250(QByteArrayView bytes);

// One byte per character; a character the code page lacks becomes "?".
QByteArray EncodeWindows1250(QStringView text);
