#pragma once

#include <QDate>
#include <QString>

#include <functional>

namespace tarvelo {

// The note number shown for a new note: a stored number plus one with at least five
// digits ("00041" gives "00042", "99999" gives "100000"); a text that is no number is
// shown as it is.
QString ProximoNumero(const QString& ultimo);

// A number in Portuguese words as the calculator gives it (upper case, a blank after each
// word); "" when it cannot.
using Extenso = std::function<QString(const QString& numero)>;

// The due date in words for the note: "PRIMEIRO DIA DO MÊS DE " or the day in words and
// "DIAS DO MÊS DE ", then the month's name in capitals, " DO ANO DE ", the year in words
// and an asterisk filler.
QString DiaPorExtenso(QDate vencimento, const Extenso& extenso);

// The note's month style kept in "TipoMês": 2 is the numeric style (month as "03", year
// with two digits), anything else the month's name and the year with four digits.
struct DataNota {
    QString dia;
    QString mes;
    QString ano;
};
DataNota DataDaNota(QDate vencimento, bool numerico);

}  // namespace tarvelo
