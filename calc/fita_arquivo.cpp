#include "calc/fita_arquivo.h"

#include "platform/ansi.h"

#include <array>

namespace tarvelo {

namespace {

constexpr char kAspas = '"';

bool fimDeCampo(char c)
{
    return c == ',' || c == '\r' || c == '\n';
}

// The delimiter after a field: one comma, or one line end (CR LF, or a lone CR or LF).
qsizetype depoisDoDelimitador(QByteArrayView bytes, qsizetype i)
{
    if (i >= bytes.size())
        return i;
    if (bytes[i] == ',')
        return i + 1;
    if (bytes[i] == '\r')
        return i + 1 < bytes.size() && bytes[i + 1] == '\n' ? i + 2 : i + 1;
    return i + 1;
}

}  // namespace

QByteArray EscreverEstadoFita(const EstadoFita& estado)
{
    const std::array<const QString*, 7> campos = {&estado.data,    &estado.fita,    &estado.total,   &estado.operador,
                                                  &estado.entrada, &estado.visor,   &estado.contador};
    QString registro;
    for (const QString* campo : campos) {
        if (!registro.isEmpty())
            registro += QLatin1Char(',');
        registro += QLatin1Char(kAspas);
        registro += QString(*campo).replace(QLatin1Char(kAspas), QLatin1Char('\''));
        registro += QLatin1Char(kAspas);
    }
    registro += QStringLiteral("\r\n");
    return toAnsi(registro);
}

std::optional<EstadoFita> LerEstadoFita(QByteArrayView bytes)
{
    if (bytes.size() > kMaiorArquivoFita)
        return std::nullopt;
    EstadoFita estado;
    const std::array<QString*, 7> campos = {&estado.data,    &estado.fita,    &estado.total,   &estado.operador,
                                            &estado.entrada, &estado.visor,   &estado.contador};
    const qsizetype n = bytes.size();
    qsizetype i = 0;
    for (QString* campo : campos) {
        while (i < n && (bytes[i] == ' ' || bytes[i] == '\t'))
            ++i;
        if (i >= n)
            break;
        if (bytes[i] == kAspas) {
            const qsizetype inicio = i + 1;
            qsizetype fim = inicio;
            while (fim < n && bytes[fim] != kAspas)
                ++fim;
            *campo = fromAnsi(bytes.sliced(inicio, fim - inicio));
            i = fim < n ? fim + 1 : n;
            while (i < n && !fimDeCampo(bytes[i]))
                ++i;
        } else {
            const qsizetype inicio = i;
            while (i < n && !fimDeCampo(bytes[i]))
                ++i;
            qsizetype fim = i;
            while (fim > inicio && (bytes[fim - 1] == ' ' || bytes[fim - 1] == '\t'))
                --fim;
            *campo = fromAnsi(bytes.sliced(inicio, fim - inicio));
        }
        i = depoisDoDelimitador(bytes, i);
    }
    return estado;
}

bool EstadoFitaDanificado(QByteArrayView bytes)
{
    qsizetype i = 0;
    while (i < bytes.size() && (bytes[i] == ' ' || bytes[i] == '\t'))
        ++i;
    return !bytes.isEmpty() && (i == bytes.size() || bytes[i] != kAspas);
}

QString ArquivoFita(QStringView pastaApp, QStringView tagHost)
{
    QStringView pasta = pastaApp;
    while (pasta.size() > 1 && pasta.endsWith(QLatin1Char('/')))
        pasta.chop(1);
    return pasta.toString() + QStringLiteral("/calc") + tagHost.toString() + QStringLiteral(".fita");
}

QString textoParaFita(QStringView texto)
{
    QString semAspas = texto.toString();
    semAspas.remove(QLatin1Char(kAspas));
    return heldInAnsi(semAspas);
}

}  // namespace tarvelo
