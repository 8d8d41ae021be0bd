#include "documents/abertura.h"

#include "calc/extenso.h"
#include "host/rotinas.h"
#include "host/texto.h"
#include "platform/clock.h"
#include "platform/datetext.h"
#include "platform/inputbox.h"
#include "platform/messagebox.h"
#include "platform/numbermask.h"
#include "platform/numbertext.h"

namespace tarvelo {
namespace {

constexpr double kMinimo = 0.01;
constexpr double kMaximo = 999999999999.99;

// The displayed value when it lies in the range the words and the forms allow.
std::optional<double> valorNaFaixa(const QString& visor, MessageService& mensagens)
{
    const auto valor = numberValue(visor);
    if (valor && *valor >= kMinimo && *valor <= kMaximo)
        return valor;
    mensagens.show(fTexto(900, formatNumber(kMinimo, u"0.00"), FormatarValor(kMaximo)), mb::Exclamation);
    return std::nullopt;
}

std::optional<QString> extensoEntre(const QString& visor, MessageService& mensagens)
{
    const QString palavras = ConverterExtenso(visor, true, mensagens);
    if (palavras.isEmpty())
        return std::nullopt;
    return QLatin1Char('(') + palavras + QLatin1Char(')');
}

std::optional<QString> perguntarVencimento(MessageService& mensagens, InputService& entrada,
                                           const ClockService& relogio, const QString& titulo)
{
    const QDate hoje = relogio.now().date();
    for (;;) {
        const QString resposta = entrada.ask(fTexto(974), titulo, shortDate(hoje.addDays(30)));
        if (resposta.isEmpty())
            return std::nullopt;
        if (dateValue(resposta, currentLocale(), hoje))
            return resposta;
        mensagens.show(fTexto(32), mb::Critical, titulo);
    }
}

}  // namespace

std::optional<Entrega> EntregaCheque(const QString& visor, MessageService& mensagens)
{
    const auto valor = valorNaFaixa(visor, mensagens);
    if (!valor)
        return std::nullopt;
    const auto extenso = extensoEntre(visor, mensagens);
    if (!extenso)
        return std::nullopt;
    return Entrega{QStringLiteral("***") + FormatarValor(visor) + QLatin1Char(' '), *extenso, {}};
}

std::optional<Entrega> EntregaPromissoria(const QString& visor, MessageService& mensagens, InputService& entrada,
                                          const ClockService& relogio, const QString& tituloCalculadora)
{
    const auto valor = valorNaFaixa(visor, mensagens);
    if (!valor)
        return std::nullopt;
    const auto vencimento = perguntarVencimento(mensagens, entrada, relogio, tituloCalculadora);
    if (!vencimento)
        return std::nullopt;
    const auto extenso = extensoEntre(visor, mensagens);
    if (!extenso)
        return std::nullopt;
    return Entrega{QStringLiteral("***") + FormatarValor(visor), *extenso, *vencimento};
}

}  // namespace tarvelo
