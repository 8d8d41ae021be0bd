#include "calc/linhafita.h"

namespace tarvelo {

namespace {

constexpr qsizetype kValorMaximo = 22;

QString alinhado(QStringView texto, qsizetype coluna)
{
    QString linha;
    linha.reserve(kLinhaComQuebra);
    linha.fill(QLatin1Char(' '), std::max<qsizetype>(0, coluna - texto.size()));
    linha += texto;
    return linha;
}

}  // namespace

QString comQuebrasDaFita(QStringView texto)
{
    QString limpo = texto.toString();
    limpo.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    limpo.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    limpo.replace(QLatin1Char('\n'), kQuebra);
    return limpo;
}

QChar simboloOperador(QChar operador)
{
    switch (operador.unicode()) {
    case '*': return kVezes;
    case '/': return kDividido;
    default: return operador;
    }
}

QString LinhaFita(QStringView valor, QChar simbolo)
{
    QString linha = alinhado(valor.left(kValorMaximo), 24);
    linha += QLatin1Char(' ');
    linha += simbolo;
    linha += kQuebra;
    return linha;
}

QString BlocoTotal(QStringView contador, QStringView total)
{
    // A counter past 999 takes more digits; the blanks after it give way so the line
    // keeps its width.
    QString bloco = QStringLiteral(" ");
    bloco += contador;
    bloco += QString(std::max<qsizetype>(0, kLarguraLinha - bloco.size()), QLatin1Char(' '));
    bloco += kQuebra;
    bloco += alinhado(total.left(kValorMaximo), 24);
    bloco += total.size() < kValorMaximo ? QStringLiteral(" T") : QStringLiteral(" E");
    bloco += kQuebra;
    bloco += kSeparador;
    bloco += kQuebra;
    return bloco;
}

QString CabecalhoFita(const QDate& dia, QStringView formatoData, const LocaleInfo& locale)
{
    // "dd/mm/yyyy" in the system's words is Qt's "dd/MM/yyyy".
    QString padrao = formatoData.toString();
    padrao.replace(QLatin1String("mm"), QLatin1String("MM"));
    QString data = dia.toString(padrao);
    if (locale.dateSeparator != QLatin1Char('/'))
        data.replace(QLatin1Char('/'), locale.dateSeparator);
    const int semana = dia.dayOfWeek() % 7;  // Sunday first, as the locale lists them
    const QString nome = semana < locale.weekdayNames.size() ? locale.weekdayNames.at(semana) : QString();

    QString linha = QStringLiteral(" ") + data.left(10) + QLatin1Char(' ') + nome.left(3);
    linha += QString(std::max<qsizetype>(0, kLarguraLinha - linha.size()), QLatin1Char(' '));
    return linha + kQuebra + kSeparador + kQuebra;
}

QChar doFim(QStringView fita, qsizetype n)
{
    return n >= 1 && n <= fita.size() ? fita[fita.size() - n] : QChar(QLatin1Char(' '));
}

bool fitaFechada(QStringView fita)
{
    return doFim(fita, 4) == QLatin1Char('T')
           || (doFim(fita, 5) == QLatin1Char('=') && doFim(fita, 4) == QLatin1Char('='));
}

}  // namespace tarvelo
