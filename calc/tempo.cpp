#include "calc/tempo.h"

#include "platform/decimal.h"

#include <gmpxx.h>

#include <optional>

namespace tarvelo {

namespace {

// A field that is not a number counts as nothing, as an empty field does.
Decimal valorDe(QStringView texto, const LocaleInfo& locale)
{
    return Decimal::fromText(texto, locale).value_or(Decimal());
}

// Time fields and whole seconds are nearly always a few plain digits; those are read
// without the general number reader. Fifteen digits keep every sum below 2^63.
std::optional<qint64> digitosSimples(QStringView texto)
{
    if (texto.isEmpty() || texto.size() > 15)
        return std::nullopt;
    qint64 valor = 0;
    for (QChar c : texto) {
        if (c.unicode() < '0' || c.unicode() > '9')
            return std::nullopt;
        valor = valor * 10 + (c.unicode() - '0');
    }
    return valor;
}

QString doisDigitos(const mpz_class& valor)
{
    QString texto = QString::fromStdString(valor.get_str());
    if (texto.size() < 2)
        texto.prepend(QString(2 - texto.size(), QLatin1Char('0')));
    return texto;
}

QString emSegundos(QStringView tempo, qsizetype doisPontos, bool minutosSegundos, const LocaleInfo& locale)
{
    const auto horas = digitosSimples(tempo.left(doisPontos));
    const auto meio = digitosSimples(tempo.mid(doisPontos + 1, 2));
    const auto fim = digitosSimples(tempo.right(2));
    if (horas && fim && minutosSegundos)
        return QString::number(*horas * 60 + *fim);
    if (horas && meio && fim && !minutosSegundos)
        return QString::number(*horas * 3600 + *meio * 60 + *fim);

    const Decimal primeiro = valorDe(tempo.left(doisPontos), locale);
    const Decimal ultimos = valorDe(tempo.right(2), locale);
    std::optional<Decimal> total;
    if (minutosSegundos) {
        if (const auto minutos = multiply(primeiro, Decimal(60)))
            total = add(*minutos, ultimos);
    } else {
        const Decimal meio = valorDe(tempo.mid(doisPontos + 1, 2), locale);
        const auto horas = multiply(primeiro, Decimal(3600));
        const auto minutos = multiply(meio, Decimal(60));
        if (horas && minutos)
            if (const auto parcial = add(*horas, *minutos))
                total = add(*parcial, ultimos);
    }
    return total.value_or(Decimal()).toText(locale);
}

QString emTempo(QStringView segundos, bool minutosSegundos, const LocaleInfo& locale)
{
    // Totals in seconds may end in the bare decimal symbol ("90,") of the number format.
    if (segundos.endsWith(locale.decimalSymbol))
        segundos.chop(1);
    mpz_class s;
    if (const auto simples = digitosSimples(segundos))
        s = static_cast<long>(*simples);
    else
        s = abs(valorDe(segundos, locale).roundedHalfAway(0).rational().get_num());
    if (minutosSegundos) {
        const mpz_class minutos = s / 60;
        return doisDigitos(minutos) + QLatin1Char(':') + doisDigitos(s - minutos * 60);
    }
    const mpz_class horas = s / 3600;
    const mpz_class minutos = (s - horas * 3600) / 60;
    return doisDigitos(horas) + QLatin1Char(':') + doisDigitos(minutos) + QLatin1Char(':')
           + doisDigitos(s - horas * 3600 - minutos * 60);
}

}  // namespace

QString converterTempo(QStringView texto, bool minutosSegundos, const LocaleInfo& locale)
{
    const bool negativo = texto.startsWith(QLatin1Char('-'));
    if (negativo)
        texto = texto.mid(1);
    const qsizetype doisPontos = texto.indexOf(QLatin1Char(':'));
    QString resultado = doisPontos >= 0 ? emSegundos(texto, doisPontos, minutosSegundos, locale)
                                        : emTempo(texto, minutosSegundos, locale);
    if (negativo)
        resultado.prepend(QLatin1Char('-'));
    return resultado;
}

}  // namespace tarvelo
