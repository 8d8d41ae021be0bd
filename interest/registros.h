#pragma once

#include <QDate>
#include <QString>
#include <QStringView>

#include <vector>

namespace tarvelo {

struct Capitalizacao;

// The line forms of the interest records, 26 columns like the calculator's own lines. A
// text too wide for its column is written whole, without leading blanks.
namespace linhas {
QString rotulo(const QString& texto);                   // ends in column 26
QString valor(const QString& texto);                    // ends in column 25, column 26 blank
QString contagem(const QString& texto);                 // ends in column 23, then " x "
QString taxa(const QString& texto);                     // ends in column 23, then " % "
QString marcada(const QString& texto, const QString& marca);  // ends in column 24, then the mark
// A blank, the date in eight characters, the value ending in column 24, the mark.
QString datada(QDate data, const QString& texto, const QString& marca);
}  // namespace linhas

// The capitalisation record of the savings and cheque-discount commands. `portugues`
// writes the Portuguese words whatever the language (the advanced window's record).
QString RegistroCapitalizacao(const Capitalizacao& capitalizacao, bool portugues = false);

// An accepted plan as its window's fields hold it.
struct Plano {
    QString valVista, parcelas, valPrest, juroAp, dias, juroTot, valFinal;
    QString primeiraParcela, diaVct;  // the advanced window's
};

// The simple window's plan record (LancarPlano): header, the balance before and after each
// instalment, the residual, the total interest and the final value.
QString RegistroPlano(const Plano& plano);

// The advanced window's dated plan record: written on `data`, with the due date of each
// instalment (`vencimentos`, instalments 1 to n), the first instalment at its own amount,
// the due-day schedule when a due day is set, and always in Portuguese.
QString RegistroPlanoDatado(const Plano& plano, QDate data, const std::vector<QDate>& vencimentos);

}  // namespace tarvelo
