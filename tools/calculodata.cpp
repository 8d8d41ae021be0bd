#include "tools/calculodata.h"

#include "host/globais.h"
#include "host/texto.h"
#include "platform/datetext.h"
#include "platform/numbertext.h"
#include "tools/maskeddate.h"

#include <algorithm>

namespace tarvelo {
namespace {

constexpr int kDiasAno = 365;
constexpr int kDiasMes = 30;
constexpr int kDiasSemana = 7;

// 29 Februaries from year 1 up to and including `data`.
qint64 bissextosAte(QDate data)
{
    const qint64 anteriores = data.year() - 1;
    qint64 n = anteriores / 4 - anteriores / 100 + anteriores / 400;
    if (QDate::isLeapYear(data.year()) && data >= QDate(data.year(), 2, 29))
        ++n;
    return n;
}

qint32 tirarMeses(qint32& dias)
{
    // 360 to 364 days would make 12 months of 30; they stay 11 months and a remainder.
    const qint32 meses = (dias >= 360 && dias <= 364) ? dias / 31 : dias / kDiasMes;
    dias -= meses * kDiasMes;
    return meses;
}

qint32 tirar(qint32& dias, qint32 unidade)
{
    const qint32 n = dias / unidade;
    dias -= n * unidade;
    return n;
}

bool deslocar(QDate inicial, qint64 dias, QDate& resultado)
{
    resultado = inicial.addDays(dias);
    return inDateRange(resultado);
}

QString linhaHoje(const ContextoData& contexto)
{
    return fTexto(54) + EscreverData(contexto.hoje, contexto) + QLatin1Char('\r') + longDate(contexto.hoje, contexto.locale);
}

QString linhaUnidade(int colunas, const QString& rotulo, const QString& numero)
{
    return QString(std::max<qsizetype>(0, colunas - numero.size()), QLatin1Char(' ')) + rotulo + numero
           + QStringLiteral(" \r\n");
}

}  // namespace

std::optional<qint32> SomarDeslocamentos(double anos, double meses, double semanas, double dias)
{
    auto t = toLong(anos * kDiasAno);
    if (t)
        t = toLong(meses * kDiasMes + *t);
    if (t)
        t = toLong(semanas * kDiasSemana + *t);
    if (t)
        t = toLong(dias + *t);
    return t;
}

int ContarBissextos(QDate inicial, QDate final)
{
    if (inicial.daysTo(final) < kDiasAno)
        return 0;
    return int(bissextosAte(final) - bissextosAte(inicial));
}

Decomposicao DecomporDiferenca(qint32 dias, UnidadeData unidade, bool usarMeses, bool usarSemanas)
{
    Decomposicao d;
    switch (unidade) {
    case UnidadeData::Anos:
    case UnidadeData::DataFinal:
        d.anos = tirar(dias, kDiasAno);
        if (usarMeses)
            d.meses = tirarMeses(dias);
        if (usarSemanas)
            d.semanas = tirar(dias, kDiasSemana);
        break;
    case UnidadeData::Meses:
        d.anos = 0;
        d.meses = tirarMeses(dias);
        if (usarSemanas)
            d.semanas = tirar(dias, kDiasSemana);
        break;
    case UnidadeData::Semanas:
        d.anos = 0;
        d.meses = 0;
        d.semanas = tirar(dias, kDiasSemana);
        break;
    case UnidadeData::Dias:
        d.anos = d.meses = d.semanas = 0;
        break;
    }
    d.dias = dias;
    return d;
}

UnidadeData UnidadeMarcada(const std::array<bool, 3>& marcados)
{
    for (int i = 0; i < 3; ++i)
        if (marcados[i])
            return UnidadeData(i);
    return UnidadeData::Dias;
}

DateOrder OrdemDoFormato(const QString& formato)
{
    return formato.startsWith(QLatin1String("mm"), Qt::CaseInsensitive) ? DateOrder::MonthDayYear
                                                                       : DateOrder::DayMonthYear;
}

std::optional<QDate> LerData(const QString& texto, const ContextoData& contexto)
{
    const auto data = dateValue(texto, OrdemDoFormato(globais().gFormatoData), contexto.locale, contexto.hoje);
    if (data && !inDateRange(*data))
        return std::nullopt;
    return data;
}

QString EscreverData(QDate data, const ContextoData& contexto)
{
    return formatDate(data, globais().gFormatoData, contexto.locale);
}

int CalcularData(CamposData& campos, UnidadeData unidade, const ContextoData& contexto)
{
    const LocaleInfo& locale = contexto.locale;
    const auto inicial = LerData(campos.dataInicial, contexto);
    if (LerData(campos.dataFinal, contexto)) {
        campos.anos = campos.meses = campos.semanas = campos.dias = QString();
        campos.bissextos.clear();
    }
    for (QString* campo : {&campos.anos, &campos.meses, &campos.semanas, &campos.dias})
        if (!isNumeric(*campo, locale))
            *campo = QStringLiteral("0");

    const auto total = SomarDeslocamentos(*numberValue(campos.anos, locale), *numberValue(campos.meses, locale),
                                          *numberValue(campos.semanas, locale), *numberValue(campos.dias, locale));
    if (!total || !inicial)
        return 34;
    QDate final;
    if (*total != 0) {
        if (!deslocar(*inicial, *total, final))
            return 34;
        campos.dataFinal = EscreverData(final, contexto);
    }
    const auto lida = campos.dataFinal.size() > 7 ? LerData(campos.dataFinal, contexto) : std::nullopt;
    if (!lida)
        return 34;
    final = *lida;
    if (final < *inicial)
        return 33;

    qint32 dias = qint32(inicial->daysTo(final));
    int bissextos = 0;
    Decomposicao d;
    if (unidade == UnidadeData::Meses || unidade == UnidadeData::Semanas || unidade == UnidadeData::Dias) {
        if (unidade == UnidadeData::Meses)
            campos.marcados[1] = true;
        if (unidade == UnidadeData::Semanas)
            campos.marcados[2] = true;
        d = DecomporDiferenca(dias, unidade, campos.marcados[1], campos.marcados[2]);
    } else {
        if (dias >= kDiasAno) {
            bissextos = ContarBissextos(*inicial, final);
            // Years typed as offsets end on the same day and month: the leap days they
            // cross lengthen the span once, and the longer span is counted again.
            if (*numberValue(campos.anos, locale) != 0) {
                if (!deslocar(*inicial, qint64(dias) + bissextos, final))
                    return 34;
                campos.dataFinal = EscreverData(final, contexto);
                campos.anos = QStringLiteral("0");
                dias = qint32(inicial->daysTo(final));
                bissextos = ContarBissextos(*inicial, final);
            }
        }
        dias -= bissextos;
        campos.marcados[0] = true;
        d = DecomporDiferenca(dias, UnidadeData::Anos, campos.marcados[1], campos.marcados[2]);
    }

    if (d.anos)
        campos.anos = QString::number(*d.anos);
    if (d.meses)
        campos.meses = QString::number(*d.meses);
    if (d.semanas)
        campos.semanas = QString::number(*d.semanas);
    campos.bissextos = QString::number(bissextos);
    campos.dias = QString::number(d.dias);

    if (leadingValue(campos.meses) == 0) {
        campos.corHoje = kCorAzul;
        campos.hoje = linhaHoje(contexto);
    } else {
        campos.corHoje = kCorVermelha;
        campos.hoje = globais().gIdioma == 1
                          ? QStringLiteral("AVISO: O cálculo com MESES não tem um resultado exato. 1 mês = 30 dias")
                          : QStringLiteral("ADVICE: The MONTHS calculation has no accurate results. 1 month = 30 days");
    }
    return 0;
}

DataValidada ValidarData(const QString& texto, QChar separador, const ContextoData& contexto)
{
    const QString mascara = MaskedDate::mask(separador);
    if (texto == mascara)
        return {true, texto};
    const qsizetype lacuna = texto.indexOf(QLatin1Char('_'));
    // Only a missing year may be left out, and then the current year stands for it.
    const qsizetype inicioAno = 6;
    const bool soFaltaAno = lacuna == inicioAno && texto.mid(inicioAno) == mascara.mid(inicioAno);
    if (lacuna < 0 || soFaltaAno) {
        const QString lido = lacuna < 0 ? texto : texto.left(lacuna);
        if (const auto data = LerData(lido, contexto))
            return {true, EscreverData(*data, contexto)};
    }
    return {false, mascara};
}

QString RegistroData(const CamposData& campos, const ContextoData& contexto)
{
    const double soma = leadingValue(campos.anos) + leadingValue(campos.meses) + leadingValue(campos.semanas)
                        + leadingValue(campos.dias);
    if (soma == 0 || campos.dataInicial == campos.dataFinal || !LerData(campos.dataInicial, contexto)
        || !LerData(campos.dataFinal, contexto))
        return {};
    const bool ingles = globais().gIdioma == 2;
    const QString recuo(9, QLatin1Char(' '));
    QString bloco = recuo + QLatin1Char('[') + campos.dataFinal + QStringLiteral("] - \r\n") + recuo + QLatin1Char('[')
                    + campos.dataInicial + QStringLiteral("] = \r\n");
    if (leadingValue(campos.anos) != 0)
        bloco += linhaUnidade(15, ingles ? QStringLiteral(" years: ") : QStringLiteral("  anos: "), campos.anos);
    if (leadingValue(campos.meses) != 0)
        bloco += linhaUnidade(14, ingles ? QStringLiteral(" months: ") : QStringLiteral("  meses: "), campos.meses);
    if (leadingValue(campos.semanas) != 0)
        bloco += linhaUnidade(13, ingles ? QStringLiteral("   weeks: ") : QStringLiteral(" semanas: "), campos.semanas);
    if (leadingValue(campos.dias) != 0)
        bloco += linhaUnidade(16, ingles ? QStringLiteral(" days: ") : QStringLiteral(" dias: "), campos.dias);
    return bloco + QStringLiteral(" =========================\r\n");
}

}  // namespace tarvelo
