#include "interest/numeros.h"

#include "host/rotinas.h"
#include "platform/decimal.h"
#include "platform/numbertext.h"

#include <charconv>

namespace tarvelo {

double quinzeDigitos(double valor)
{
    char texto[64];
    const auto fim = std::to_chars(texto, texto + sizeof texto, valor, std::chars_format::general, 15).ptr;
    double lido = valor;
    std::from_chars(texto, fim, lido);
    return lido;
}

double valorTexto(const QString& texto)
{
    return numberValue(texto).value_or(0.0);
}

double valorDinheiro(const QString& texto)
{
    return valorTexto(FormatarValor(texto));
}

QString textoDecimal(double valor)
{
    return Decimal::fromDouble(valor).toText();
}

}  // namespace tarvelo
