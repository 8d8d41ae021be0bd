#pragma once

#include "platform/localeinfo.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace tarvelo {

// The converter's units: 37 source units in the order the list shows them, each with up
// to four targets. A target's value is a chain of steps applied left to right to the
// typed value, with no precedence ("− 32 ÷ 1.8" is (v − 32) ÷ 1.8). A chain through an
// intermediate unit uses that unit's own factors, so every pair of units that list each
// other converts there and back to the starting value.

QStringList NomesUnidades();

struct ResultadoConversao {
    QString legenda;
    std::optional<double> valor;  // none when the chain overflows
};

// The targets of the source unit at `posicao`, in slot order; none for a position
// outside the list (nothing selected).
std::vector<ResultadoConversao> Converter(int posicao, double valor);

// The display form of a number text: thousands grouped, at most ten decimals, and the
// decimal symbol kept after a whole number ("1.000," in pt-BR). A text that is no number
// comes back as it is.
QString FormatarNumero(const QString& texto, const LocaleInfo& locale = currentLocale());

}  // namespace tarvelo
