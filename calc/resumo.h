#pragma once

#include "platform/currency.h"

#include <QString>
#include <QStringView>

#include <optional>

namespace tarvelo {

// The three amounts the interest and capitalisation records carry, added over a tape.
struct TotaisCapitalizacao {
    Currency inicial;
    Currency juro;
    Currency final;
};

// The label lines a record is found by (each label followed by CR LF) and, after each, its
// amount line of 26 characters.
struct RotulosCapitalizacao {
    QString inicial;
    QString juro;
    QString final;
};

// Adds the amounts of every record on the tape. A record is its initial-value label; the
// interest and final labels must follow it before the next record starts. nullopt when a
// record lacks one of them, an amount line is no money value, or a sum leaves the range.
std::optional<TotaisCapitalizacao> SomarCapitalizacoes(QStringView fita, const RotulosCapitalizacao& rotulos);

// The summary block: the heading, a rule, and each sum under its label, right-aligned to
// column 25 and followed by a blank; then the separator. The texts are the catalogue's
// (topics 210 to 213).
QString BlocoResumo(const TotaisCapitalizacao& totais, const QString& titulo, const QString& rotuloInicial,
                    const QString& rotuloJuro, const QString& rotuloFinal);

}  // namespace tarvelo
