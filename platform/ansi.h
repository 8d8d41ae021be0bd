#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace tarvelo {

// The Windows-1252 code page of every file and port the program writes ("×" is 0xD7,
// "÷" 0xF7; the catalogue's placeholders U+008D, U+017D, U+008F are 0x8D, 0x8E, 0x8F).
// Characters it cannot encode become "?". Decoding never fails: the five unassigned
// bytes map to the C1 controls of the same value.
QByteArray toAnsi(QStringView text);
QString fromAnsi(QByteArrayView bytes);

}  // namespace tarvelo
