#include "host/rotinas.h"

#include "platform/numbermask.h"
#include "platform/numbertext.h"

#include <cmath>

namespace tarvelo {
namespace {

constexpr QStringView kMascaraValor = u"#,##0.00";

QString zeroFormatado()
{
    return formatNumber(0.0, u"0.00");
}

}  // namespace

QString FormatarValor(const QString& valor)
{
    if (!isNumeric(valor))
        return zeroFormatado();
    return formatNumber(QStringView(valor), kMascaraValor);
}

QString FormatarValor(double valor)
{
    // No such value reaches the program from a text; should one come from a
    // calculation, it is no number to show as money.
    if (!std::isfinite(valor))
        return zeroFormatado();
    return formatNumber(valor, kMascaraValor);
}

QString FormatarValor(const Decimal& valor)
{
    return formatNumber(valor, kMascaraValor);
}

}  // namespace tarvelo
