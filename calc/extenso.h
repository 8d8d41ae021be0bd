#pragma once

#include "platform/messagebox.h"

#include <QString>

namespace tarvelo {

// An amount (0,01 to 999.999.999.999,99) in Portuguese words, in capitals, with the
// currency words of the user's system language (reais for Brazil, euros otherwise) when
// `moeda` is true. The value is the text of a number in the user's format. An invalid
// value shows "Dados inválidos para se converter por extenso" and gives "".
QString ConverterExtenso(const QString& valor, bool moeda, MessageService& mensagens);

}  // namespace tarvelo
