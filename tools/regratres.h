#pragma once

#include "platform/localeinfo.h"

#include <QString>

#include <array>
#include <functional>

namespace tarvelo {

// The compound rule of three: up to six related quantities, each known in a base
// situation and, all but the sought one, in a new situation. For every other quantity
// the user says whether the sought one grows with it (direct) or not (inverse).

enum class Relacao { Nenhuma, Direta, Inversa };

struct LinhaRegra {
    QString valor;   // base value
    QString cond;    // description
    QString valor2;  // new value; the result in the sought row
    QString cond2;   // the description, repeated beside the new value
    bool valor2Habilitado = false;
    bool incognita = false;
    Relacao relacao = Relacao::Nenhuma;
};

constexpr int kLinhasRegra = 6;
using LinhasRegra = std::array<LinhaRegra, kLinhasRegra>;

// How a calculation ended: the message topic (0 when the result was written), the field
// that takes the focus afterwards, the sought row.
struct CalculoRegra {
    enum class Foco { Nenhum, Valor, Valor2 };
    int topico = 0;
    Foco foco = Foco::Nenhum;
    int linhaFoco = -1;
    int incognita = -1;
    bool calculado() const { return topico == 0; }
};

// Asks one relation question (its text built from topic 206) and returns the button
// chosen: mb::Yes, mb::No or mb::Cancel.
using PerguntaRelacao = std::function<int(const QString& pergunta)>;

// The calculate command. With `perguntar` the relations are asked again, in row order;
// otherwise the marks already in the rows are used. The result goes into the sought
// row's new value as a four-decimal amount without trailing zeros. A division by zero or
// a result beyond the currency range writes no result and ends with topic 30.
CalculoRegra CalcularRegra(LinhasRegra& linhas, bool perguntar, const PerguntaRelacao& pergunta,
                           const LocaleInfo& locale = currentLocale());

// Whether a row is open once its description changes: an empty base value, or a nonzero
// one with a description. An open row opens the next one and its own new value.
bool LinhaAberta(const LinhaRegra& linha, const LocaleInfo& locale = currentLocale());

}  // namespace tarvelo
