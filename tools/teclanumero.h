#pragma once

#include <QString>

namespace tarvelo {

// The number fields of the rule of three and the weight window: digits and Backspace
// pass, "," and "." become the decimal symbol unless the text already holds one, and
// everything else is dropped (0).
int TeclaNumero(const QString& texto, int KeyAscii, const QString& decimal);

}  // namespace tarvelo
