#pragma once

#include <QDate>

#include <optional>
#include <vector>

namespace tarvelo {

// When the instalments fall due and what each period charges. Instalment 1 falls due d
// days after the calculation date; the others 30 days apart, or, with a due day K, on day
// K of each following calendar month.
struct PrazoPlano {
    int parcelas = 1;          // n
    double dias = 30;          // d, days until the first instalment
    std::optional<int> diaVencimento;  // K, 1 to 28; none for the 30-day schedule
};

// The due dates of instalments 1 to n (DatasVencimento). The month after a due date is
// the month of that date plus 40 days when its day is below 15, plus 20 days otherwise.
std::vector<QDate> DatasVencimento(QDate calculo, const PrazoPlano& prazo);

// The period rates in percent of instalments 1 to n for the monthly rate R: the first
// period pro rata to its days (R itself at 30 days), later ones R, or pro rata to the days
// between due dates in the due-day schedule. Computed rates are kept as number texts.
std::vector<double> TaxasPeriodo(double taxa, const PrazoPlano& prazo, const std::vector<QDate>& vencimentos);

// What the payments leave owed (SaldoResidual): B = V, then B = (p_i / 100 + 1) * B - pay_i.
// A positive residual is a debt left, a negative one an overpayment.
double SaldoResidual(double valorInicial, const std::vector<double>& taxas, double primeiraParcela,
                     double parcela);

}  // namespace tarvelo
