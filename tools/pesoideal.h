#pragma once

#include "platform/localeinfo.h"

#include <QString>

#include <array>

namespace tarvelo {

// The ideal-weight calculation: five weight bounds from the height squared and factors
// of the sex, the class of the weight, the kilograms to the normal range and the arrow on
// the gauge. Texts are Portuguese for gIdioma 1 and English otherwise.

enum class CampoPeso { Nenhum, Altura, Peso };

struct ResultadoPeso {
    // The height text, rewritten from centimetres to metres; set even when refused.
    QString altura;
    // A refusal: its message and the field that takes the focus.
    QString mensagem;
    CampoPeso foco = CampoPeso::Nenhum;
    bool recusado() const { return foco != CampoPeso::Nenhum; }

    // Thin, mean, overweight, fat and obese bounds as money texts.
    std::array<QString, 5> limites;
    QString classe;      // "NORMAL", "OBESO", ...
    QString quadro;      // "Resultado = " and the class
    QString resultado;   // the result label: what to do to reach the normal range
    float seta = 1560;   // the arrow's left edge on the gauge, in twips
};

ResultadoPeso CalcularPeso(const QString& altura, const QString& peso, bool homem);

// The block the window leaves on the tape when it closes with a result: the texts are the
// fields as they stand then.
struct FichaPeso {
    QString altura, peso;
    bool homem = false;
    QString magro, ideal, sobrepeso;
};
QString BlocoPeso(const FichaPeso& ficha);

// The Portuguese-only messages of the two clickable labels.
QString AjudaImc();
QString ConselhoPesoMedio(const QString& peso, const QString& ideal);

}  // namespace tarvelo
