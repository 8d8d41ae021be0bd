#include "host/agenda.h"

#include "platform/datetext.h"

namespace tarvelo {
namespace {

constexpr int kSegundosDia = 24 * 60 * 60;

// Seconds from `hora` forward to `agora` round the clock, 0 to 86 399.
int segundosDepois(QTime hora, QTime agora)
{
    const int diferenca = agora.msecsSinceStartOfDay() / 1000 - hora.msecsSinceStartOfDay() / 1000;
    return (diferenca % kSegundosDia + kSegundosDia) % kSegundosDia;
}

}  // namespace

bool AlarmeVence(QTime hora, QTime agora)
{
    const int depois = segundosDepois(hora, agora);
    return depois >= 1 && depois <= 4;
}

bool DesligarPerto(QTime hora, QTime agora)
{
    const int depois = segundosDepois(hora, agora);
    return depois <= 4 || depois > kSegundosDia - 20;
}

HoraAgendada LerHoraAgendada(const QString& texto, const LocaleInfo& locale, QDate hoje)
{
    const std::optional<DateTimeParts> partes = dateTimeValue(texto, locale, hoje);
    if (!partes)
        return {};
    HoraAgendada lida;
    lida.valida = true;
    lida.mostrada = partes->time.value_or(QTime(0, 0));
    if (!partes->date)
        lida.hora = partes->time;
    return lida;
}

}  // namespace tarvelo
