#include "interest/cronograma.h"

#include "interest/numeros.h"

#include <cmath>

namespace tarvelo {

std::vector<QDate> DatasVencimento(QDate calculo, const PrazoPlano& prazo)
{
    std::vector<QDate> datas;
    if (prazo.parcelas < 1)
        return datas;
    datas.reserve(std::size_t(prazo.parcelas));
    datas.push_back(calculo.addDays(qint64(std::floor(prazo.dias))));
    for (int i = 2; i <= prazo.parcelas; ++i) {
        const QDate anterior = datas.back();
        if (!prazo.diaVencimento) {
            datas.push_back(anterior.addDays(30));
            continue;
        }
        const QDate mesSeguinte = anterior.addDays(anterior.day() < 15 ? 40 : 20);
        datas.push_back(QDate(mesSeguinte.year(), mesSeguinte.month(), *prazo.diaVencimento));
    }
    return datas;
}

std::vector<double> TaxasPeriodo(double taxa, const PrazoPlano& prazo, const std::vector<QDate>& vencimentos)
{
    std::vector<double> taxas;
    taxas.reserve(vencimentos.size());
    for (std::size_t i = 0; i < vencimentos.size(); ++i) {
        if (i == 0)
            taxas.push_back(prazo.dias == 30 ? taxa : quinzeDigitos(taxa / 30 * prazo.dias));
        else if (!prazo.diaVencimento)
            taxas.push_back(taxa);
        else
            taxas.push_back(quinzeDigitos(taxa / 30 * double(vencimentos[i - 1].daysTo(vencimentos[i]))));
    }
    return taxas;
}

double SaldoResidual(double valorInicial, const std::vector<double>& taxas, double primeiraParcela, double parcela)
{
    double saldo = valorInicial;
    for (std::size_t i = 0; i < taxas.size(); ++i)
        saldo = (taxas[i] / 100 + 1) * saldo - (i == 0 ? primeiraParcela : parcela);
    return saldo;
}

}  // namespace tarvelo
