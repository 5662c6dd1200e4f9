#pragma once
// File names are bytes. Qt decodes them as UTF-8 and replaces whatever is not, so a folder
// named in another encoding could never be opened again through its decoded name. These
// two keep every byte: a byte that is not part of valid UTF-8 becomes a lone surrogate
// U+DC80..U+DCFF and turns back into the same byte, so any byte sequence round-trips.
// Every path the game opens goes through EncodeFileName, never through QFile::encodeName.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

QString DecodeFileName(QByteArrayView bytes);
QByteArray EncodeFileName(QStringView name);
