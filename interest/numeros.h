#pragma once

#include <QString>

namespace tarvelo {

// Number texts as the interest tools keep their values: a computed value is written as its
// general number text (15 significant digits) and read back before the next step, which
// keeps trial values free of binary noise (2.922855, never 2.92285500000001).
double quinzeDigitos(double valor);

// The value of a number text in the user's format; 0 for a text that is no number.
double valorTexto(const QString& texto);

// The money value of a field: its text through FormatarValor, read back. Empty and
// non-numeric texts read 0, and so does a rate below 0,005.
double valorDinheiro(const QString& texto);

// A value as plain decimal text, never in exponent form (3,33333333333333E-06 would
// print as 3,333333 once cut to a column).
QString textoDecimal(double valor);

}  // namespace tarvelo
