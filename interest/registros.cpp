#include "interest/registros.h"

#include "calc/linhafita.h"
#include "host/globais.h"
#include "host/rotinas.h"
#include "host/texto.h"
#include "interest/capitalizacao.h"
#include "interest/cronograma.h"
#include "interest/numeros.h"
#include "platform/datetext.h"
#include "platform/numbermask.h"
#include "platform/numbertext.h"

#include <cmath>

namespace tarvelo {
namespace linhas {
namespace {

QString ate(const QString& texto, qsizetype coluna, QChar enchimento = QLatin1Char(' '))
{
    return QString(std::max<qsizetype>(0, coluna - texto.size()), enchimento) + texto;
}

}  // namespace

QString rotulo(const QString& texto)
{
    return ate(texto, 26);
}

QString valor(const QString& texto)
{
    return ate(texto, 25) + QLatin1Char(' ');
}

QString contagem(const QString& texto)
{
    return ate(texto, 23) + QStringLiteral(" x ");
}

QString taxa(const QString& texto)
{
    return ate(texto, 23) + QStringLiteral(" % ");
}

QString marcada(const QString& texto, const QString& marca)
{
    return ate(texto, 24) + marca;
}

QString datada(QDate data, const QString& texto, const QString& marca)
{
    const QString formato = globais().gFormatoData.left(8);
    return QLatin1Char(' ') + formatDate(data, formato) + ate(texto, 15) + marca;
}

}  // namespace linhas

namespace {

using namespace linhas;

const QString kMais = QStringLiteral(" +");
const QString kMenos = QStringLiteral(" -");
const QString kIgual = QStringLiteral(" =");
const QString kTotal = QStringLiteral(" T");

bool ingles(bool portugues)
{
    return !portugues && globais().gIdioma == 2;
}

QString fimCabecalho(bool portugues)
{
    return ingles(portugues) ? QStringLiteral(" =========== CALCULATION =") : QStringLiteral(" =============== CÁLCULO =");
}

QString brancos(qsizetype coluna, const QString& texto)
{
    return QString(std::max<qsizetype>(0, coluna - texto.size()), QLatin1Char(' '));
}

QString dinheiro(double valor)
{
    return FormatarValor(numberText(valor));
}

// The four header pairs of both plan records and the header's end.
QStringList cabecalhoPlano(const Plano& plano, bool portugues)
{
    return {rotulo(fTexto(154)), valor(plano.valVista), rotulo(fTexto(155)), contagem(plano.parcelas),
            rotulo(fTexto(156)), valor(plano.valPrest), rotulo(fTexto(157)), taxa(plano.juroAp),
            fimCabecalho(portugues)};
}

QStringList fechoPlano(const Plano& plano, double saldo)
{
    return {marcada(dinheiro(saldo), kTotal), QString(), rotulo(fTexto(158)), valor(plano.juroTot), QString(),
            rotulo(fTexto(159)), valor(plano.valFinal)};
}

int parcelasDoPlano(const Plano& plano)
{
    const std::optional<qint32> n = toLong(valorTexto(plano.parcelas));
    return n && *n >= 0 && *n <= 255 ? *n : 0;
}

// The rate text of a period: the rate as typed, or a computed rate in plain decimal form.
QString textoTaxa(const QString& taxa, double periodo, double taxaPeriodo)
{
    return periodo == 30 ? taxa : textoDecimal(taxaPeriodo);
}

QString numeroParcela(int i)
{
    return QLatin1Char(' ') + formatNumber(double(i), u"000") + QChar(0x00AA);
}

}  // namespace

QString RegistroCapitalizacao(const Capitalizacao& c, bool portugues)
{
    const QString dias = ingles(portugues) ? QStringLiteral(" days (") : QStringLiteral(" dias (");
    QStringList l = {rotulo(fTexto(154)), valor(c.inicial), rotulo(fTexto(160)), valor(c.dias),
                     rotulo(fTexto(159)), valor(c.final),   rotulo(fTexto(157)), taxa(c.taxa),
                     fimCabecalho(portugues)};
    const double N = valorTexto(c.dias);
    const double q = valorTexto(c.taxa);
    const int K = int(std::trunc(N / 30));
    const int d = int(std::round(N - 30.0 * K));
    l << datada(c.inicio, c.inicial, kMais);
    double v = valorTexto(c.inicial);
    const QString r7 = c.taxa.left(7);
    for (int k = 1; k <= K; ++k) {
        const QString texto = dinheiro(v + v * q / 100);
        v = valorTexto(texto);
        l << brancos(13, r7) + QStringLiteral("30") + dias + r7 + QStringLiteral("%) =");
        l << marcada(texto, k == K && d == 0 ? kTotal : kMais);
    }
    if (d != 0) {
        const QString resto = textoDecimal(q / 30 * d).left(7);
        l << brancos(13, resto) + formatNumber(double(d), u"00") + dias + resto + QStringLiteral("%) =");
        l << datada(c.inicio.addDays(qint64(std::floor(N))), c.final, kTotal);
    }
    l << QString() << rotulo(fTexto(158)) << valor(dinheiro(valorTexto(c.final) - valorTexto(c.inicial)));
    return l.join(kQuebra);
}

QString RegistroPlano(const Plano& plano)
{
    const bool emIngles = ingles(false);
    QStringList l = cabecalhoPlano(plano, false);
    l << marcada(plano.valVista, kTotal);
    const double dias = valorTexto(plano.dias);
    const double R = valorTexto(plano.juroAp);
    const double P = valorTexto(plano.valPrest);
    const PrazoPlano prazo{parcelasDoPlano(plano), dias, std::nullopt};
    const std::vector<double> taxas = TaxasPeriodo(R, prazo, DatasVencimento(QDate(), prazo));
    double saldo = valorTexto(plano.valVista);
    for (int i = 1; i <= prazo.parcelas; ++i) {
        const double p = taxas[std::size_t(i - 1)];
        const QString p8 = (i == 1 ? textoTaxa(plano.juroAp, dias, p) : plano.juroAp).left(8);
        QString D;
        if (i == 1 && dias == 0)
            D = fTexto(150);
        else if (i == 1)
            D = brancos(4, plano.dias) + plano.dias + (emIngles ? QStringLiteral(" days") : QStringLiteral(" dias"));
        else
            D = emIngles ? QStringLiteral("  30 days") : QStringLiteral("  30 dias");
        const double crescido = (p / 100 + 1) * saldo;
        l << marcada(dinheiro(saldo), kMais);
        l << brancos(11, p8) + D + QStringLiteral(" (") + p8 + QStringLiteral("%) =");
        l << marcada(dinheiro(crescido), kMenos);
        l << numeroParcela(i) + brancos(19, plano.valPrest) + plano.valPrest + kIgual;
        saldo = quinzeDigitos(crescido - P);
    }
    l << fechoPlano(plano, saldo);
    return l.join(kQuebra);
}

QString RegistroPlanoDatado(const Plano& plano, QDate data, const std::vector<QDate>& vencimentos)
{
    QStringList l = cabecalhoPlano(plano, true);
    l << datada(data, plano.valVista, kTotal);
    const double dias = valorTexto(plano.dias);
    const double R = valorTexto(plano.juroAp);
    PrazoPlano prazo{std::min<int>(parcelasDoPlano(plano), int(vencimentos.size())), dias, std::nullopt};
    if (!plano.diaVct.isEmpty())
        prazo.diaVencimento = int(valorTexto(plano.diaVct));
    const std::vector<double> taxas = TaxasPeriodo(R, prazo, vencimentos);
    double saldo = valorTexto(plano.valVista);
    for (int i = 1; i <= prazo.parcelas; ++i) {
        const std::size_t k = std::size_t(i - 1);
        const double p = taxas[k];
        QString D;
        QString p8;
        if (i == 1) {
            D = dias == 0 ? QStringLiteral(" à vista ") : brancos(3, plano.dias) + plano.dias + QStringLiteral(" dias ");
            p8 = textoTaxa(plano.juroAp, dias, p);
        } else if (prazo.diaVencimento) {
            const QString periodo = formatNumber(double(vencimentos[k - 1].daysTo(vencimentos[k])), u"00");
            D = brancos(3, periodo) + periodo + QStringLiteral(" dias ");
            p8 = textoTaxa(plano.juroAp, 0, p);
        } else {
            D = QStringLiteral(" 30 dias ");
            p8 = plano.juroAp;
        }
        p8 = p8.left(8);
        const QString& parcela = i == 1 ? plano.primeiraParcela : plano.valPrest;
        const double crescido = (p / 100 + 1) * saldo;
        l << marcada(dinheiro(saldo), kMais);
        l << D + brancos(11, p8) + QStringLiteral(" (") + p8 + QStringLiteral("%) =");
        l << datada(vencimentos[k], dinheiro(crescido), kMenos);
        l << numeroParcela(i) + QString(std::max<qsizetype>(0, 19 - parcela.size()), QLatin1Char('.')) + parcela
                 + kIgual;
        saldo = quinzeDigitos(crescido - valorTexto(parcela));
    }
    l << fechoPlano(plano, saldo);
    return l.join(kQuebra);
}

}  // namespace tarvelo
