#include "documents/promissoria.h"

#include "platform/datetext.h"
#include "platform/numbertext.h"

#include <cmath>

namespace tarvelo {

QString ProximoNumero(const QString& ultimo)
{
    const auto valor = numberValue(ultimo);
    if (!valor || !std::isfinite(*valor) || std::fabs(*valor) >= 1e15)
        return ultimo;
    const long long proximo = std::llround(*valor + 1);
    const QString digitos = QString::number(std::llabs(proximo)).rightJustified(5, QLatin1Char('0'));
    return proximo < 0 ? QLatin1Char('-') + digitos : digitos;
}

QString DiaPorExtenso(QDate vencimento, const Extenso& extenso)
{
    const QString dia = vencimento.day() == 1
                            ? QStringLiteral("PRIMEIRO DIA DO MÊS DE ")
                            : extenso(formatDate(vencimento, u"dd")) + QStringLiteral("DIAS DO MÊS DE ");
    return dia + formatDate(vencimento, u"mmmm").toUpper() + QStringLiteral(" DO ANO DE ") +
           extenso(formatDate(vencimento, u"yyyy")) + QStringLiteral("* * * * * * * * * * * * * * * * * * * * * * *");
}

DataNota DataDaNota(QDate vencimento, bool numerico)
{
    if (numerico)
        return {formatDate(vencimento, u"dd"), formatDate(vencimento, u"mm"), formatDate(vencimento, u"yy")};
    return {formatDate(vencimento, u"dd"), formatDate(vencimento, u"mmmm"), formatDate(vencimento, u"yyyy")};
}

}  // namespace tarvelo
