#include "interest/capitalizacao.h"

#include "calc/extenso.h"
#include "host/rotinas.h"
#include "host/texto.h"
#include "interest/buscaporpassos.h"
#include "interest/numeros.h"
#include "platform/currency.h"
#include "platform/datetext.h"
#include "platform/decimal.h"
#include "platform/inputbox.h"
#include "platform/numbertext.h"

#include <cmath>

namespace tarvelo {

QString CapitalizarValor(const QString& valor, const QString& taxa, const QString& dias)
{
    double a = valorTexto(valor);
    const double q = valorTexto(taxa);
    const double N = valorTexto(dias);
    const double K = std::trunc(N / 30);
    const double resto = quinzeDigitos(N - 30 * K);
    for (double k = 0; k < K; ++k) {
        const double juro = quinzeDigitos(q / 100 * a);
        a = quinzeDigitos(juro + a);
    }
    if (resto != 0) {
        // The rate of the remaining days is formed in decimal arithmetic.
        const auto f = divide(Decimal::fromDouble(q / 30 * resto), Decimal(100));
        const double juro = quinzeDigitos(a * (f ? f->toDouble() : 0.0));
        a = quinzeDigitos(juro + a);
    }
    return FormatarValor(numberText(a));
}

std::optional<Desconto> DescontarCheque(const QString& cheque, const QString& taxa, const QString& dias,
                                        const std::function<void()>& aCadaTentativa)
{
    const double valor = valorTexto(cheque);
    const double q = valorTexto(taxa);
    const ResultadoBusca busca = BuscarPorPassos(
        tabelaDinheiro(), quinzeDigitos(valor - q / 100 * valor),
        [&](double liquido) { return valor - valorTexto(CapitalizarValor(numberText(liquido), taxa, dias)); },
        [&](double) {
            if (aCadaTentativa)
                aCadaTentativa();
        });
    if (!busca.achou() || busca.valor <= 0)
        return std::nullopt;
    return Desconto{FormatarValor(numberText(busca.valor)), busca.iteracoes};
}

namespace {

// An amount or a rate through the money type and back: at most four decimals. None for
// what does not convert or is not above 0.
std::optional<QString> positivo(const QString& resposta)
{
    const std::optional<Currency> valor = Currency::fromText(resposta);
    if (!valor || *valor <= Currency())
        return std::nullopt;
    return valor->toText();
}

struct Entradas {
    QString valor, taxa, dias;
    QDate inicio;
};

// The four input boxes of both commands, under the title `titulo`, for at most `limite` days.
std::optional<Entradas> perguntar(InputService& entrada, int promptValor, const QString& titulo, int limite,
                                  QDate hoje)
{
    Entradas e;
    const auto valor = positivo(entrada.ask(fTexto(promptValor), titulo, QStringLiteral("0")));
    if (!valor)
        return std::nullopt;
    const auto taxa = positivo(entrada.ask(fTexto(61), titulo, QStringLiteral("0")));
    if (!taxa)
        return std::nullopt;
    const auto inicio = dateValue(entrada.ask(fTexto(62), titulo, shortDate(hoje)), currentLocale(), hoje);
    if (!inicio)
        return std::nullopt;
    const QString resposta = entrada.ask(fTexto(63, QString::number(limite)), titulo);
    double dias = 0;
    if (const auto numero = numberValue(resposta))
        dias = *numero;
    else if (const auto fim = dateValue(resposta, currentLocale(), hoje))
        dias = double(inicio->daysTo(*fim));
    if (!(dias > 0 && dias <= limite))
        return std::nullopt;
    return Entradas{*valor, *taxa, numberText(dias), *inicio};
}

}  // namespace

std::optional<Capitalizacao> PedirPoupanca(InputService& entrada, MessageService& mensagens, QDate hoje)
{
    const auto e = perguntar(entrada, 59, fTexto(60), 1500, hoje);
    if (!e)
        return std::nullopt;
    const QString resultado = CapitalizarValor(e->valor, e->taxa, e->dias);
    return Capitalizacao{FormatarValor(e->valor), e->taxa, e->dias, resultado, e->inicio,
                         fTexto(29, resultado, ConverterExtenso(resultado, true, mensagens)), resultado};
}

std::optional<Capitalizacao> PedirDesconto(InputService& entrada, MessageService& mensagens, QDate hoje,
                                           const std::function<void()>& aCadaTentativa)
{
    const auto e = perguntar(entrada, 64, fTexto(65), 730, hoje);
    if (!e)
        return std::nullopt;
    const auto desconto = DescontarCheque(e->valor, e->taxa, e->dias, aCadaTentativa);
    if (!desconto)
        return std::nullopt;
    const QString& liquido = desconto->liquido;
    return Capitalizacao{liquido,   e->taxa, e->dias, FormatarValor(e->valor), e->inicio,
                         fTexto(31, liquido, ConverterExtenso(liquido, true, mensagens)), liquido};
}

}  // namespace tarvelo
