#pragma once

#include "calc/controles.h"
#include "platform/localeinfo.h"

#include <QDate>
#include <QString>

#include <array>
#include <optional>

namespace tarvelo {

// The arithmetic of the date calculator: offsets to a final date, and the days between
// two dates split into years, months, weeks and days. A year is 365 days, a month 30 and
// a week 7; the leap days of the span are counted apart when splitting into years.

// The unit a split starts from: the buttons "Anos", "Meses", "Semanas", "Dias" and the
// final-date button, which splits as years.
enum class UnidadeData { Anos = 0, Meses = 1, Semanas = 2, Dias = 3, DataFinal = 4 };

// The four offsets in days, each step rounded to a whole number (halves to even);
// nullopt beyond the 32-bit range.
std::optional<qint32> SomarDeslocamentos(double anos, double meses, double semanas, double dias);

// The 29 Februaries after `inicial` and on or before `final`; 0 for a span shorter than
// 365 days.
int ContarBissextos(QDate inicial, QDate final);

// A split: each unit either computed or left as its field stood (nullopt).
struct Decomposicao {
    std::optional<qint32> anos, meses, semanas;
    qint32 dias = 0;
};
Decomposicao DecomporDiferenca(qint32 dias, UnidadeData unidade, bool usarMeses, bool usarSemanas);

// The unit the ticked boxes ask for: the largest ticked one, days when none is.
UnidadeData UnidadeMarcada(const std::array<bool, 3>& marcados);

// The fields of the date window that the calculation reads and writes.
struct CamposData {
    QString dataInicial, dataFinal;
    QString anos, meses, semanas, dias;
    std::array<bool, 3> marcados{true, false, true};  // years, months, weeks
    QString bissextos;
    QString hoje;  // the today line, or the warning about months
    Cor corHoje = kCorAzul;
};

// Today and the number and date settings; the language and the date format are the
// globals gIdioma and gFormatoData.
struct ContextoData {
    QDate hoje;
    LocaleInfo locale;
};

DateOrder OrdemDoFormato(const QString& formato);
std::optional<QDate> LerData(const QString& texto, const ContextoData& contexto);
QString EscreverData(QDate data, const ContextoData& contexto);

// The calculate command after the date boxes have been checked: fills the fields and
// returns the message topic that ends it (33, 34), or 0. What it wrote before a failure
// stays written.
int CalcularData(CamposData& campos, UnidadeData unidade, const ContextoData& contexto);

// The check on leaving a date box: a complete date comes back formatted; day and month
// alone are read in the current year; the bare mask is accepted as empty. Anything else
// is refused (message 32) and the box gets the mask again.
struct DataValidada {
    bool valida = false;
    QString texto;
};
DataValidada ValidarData(const QString& texto, QChar separador, const ContextoData& contexto);

// The block the window leaves on the tape when it closes: the two dates and every unit
// that is not 0, closed by the separator. Empty when nothing was split or the dates are
// equal or missing.
QString RegistroData(const CamposData& campos, const ContextoData& contexto);

}  // namespace tarvelo
