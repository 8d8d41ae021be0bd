#pragma once

#include "platform/decimal.h"

#include <QString>

namespace tarvelo {

// The common routines every window calls (the shared module of the program).

// Money text: a numeric value in "#,##0.00" with the user's separators; anything that is
// not a number (letters, an empty field) gives zero as "0.00", so "abc" is "0,00" in
// pt-BR. A text is read in the current locale and rounded on its decimal value.
QString FormatarValor(const QString& valor);
QString FormatarValor(double valor);
QString FormatarValor(const Decimal& valor);

}  // namespace tarvelo
