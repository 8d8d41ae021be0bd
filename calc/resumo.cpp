// The tape summary: the sums of the capitalisation records appended as a block.

#include "calc/resumo.h"

#include "calc/fita_edicao.h"
#include "calc/frmcalcula.h"
#include "calc/linhafita.h"
#include "calc/teclas.h"

#include "host/rotinas.h"
#include "host/texto.h"
#include "platform/messagebox.h"

namespace tarvelo {

namespace {

constexpr qsizetype kLinhaValor = 26;

// The money value of the amount line that follows the label found at `posicao`.
std::optional<Currency> valorApos(QStringView fita, qsizetype posicao, qsizetype comprimentoRotulo)
{
    const qsizetype inicio = posicao + comprimentoRotulo;
    if (inicio >= fita.size())
        return std::nullopt;
    return Currency::fromText(fita.mid(inicio, kLinhaValor));
}

QString linhaValor(Currency valor)
{
    const QString texto = FormatarValor(valor.toDecimal());
    return QString(std::max<qsizetype>(0, 25 - texto.size()), QLatin1Char(' ')) + texto + QLatin1Char(' ');
}

}  // namespace

std::optional<TotaisCapitalizacao> SomarCapitalizacoes(QStringView fita, const RotulosCapitalizacao& rotulos)
{
    const QString inicial = rotulos.inicial + kQuebra;
    const QString juro = rotulos.juro + kQuebra;
    const QString final = rotulos.final + kQuebra;
    TotaisCapitalizacao totais;
    qsizetype q = fita.indexOf(inicial);
    while (q >= 0) {
        const qsizetype proximo = fita.indexOf(inicial, q + 1);
        const qsizetype fimDoRegistro = proximo < 0 ? fita.size() : proximo;
        const qsizetype qJuro = fita.indexOf(juro, q);
        const qsizetype qFinal = fita.indexOf(final, q);
        if (qJuro < 0 || qFinal < 0 || qJuro >= fimDoRegistro || qFinal >= fimDoRegistro)
            return std::nullopt;

        const auto a = valorApos(fita, q, inicial.size());
        const auto b = valorApos(fita, qJuro, juro.size());
        const auto c = valorApos(fita, qFinal, final.size());
        if (!a || !b || !c)
            return std::nullopt;
        const auto somaA = add(totais.inicial, *a);
        const auto somaB = add(totais.juro, *b);
        const auto somaC = add(totais.final, *c);
        if (!somaA || !somaB || !somaC)
            return std::nullopt;
        totais = {*somaA, *somaB, *somaC};
        q = proximo;
    }
    return totais;
}

QString BlocoResumo(const TotaisCapitalizacao& totais, const QString& titulo, const QString& rotuloInicial,
                    const QString& rotuloJuro, const QString& rotuloFinal)
{
    QString bloco = titulo + kQuebra;
    bloco += QStringLiteral(" -------------------------") + kQuebra;
    bloco += QString(12, QLatin1Char(' ')) + rotuloInicial + kQuebra;
    bloco += linhaValor(totais.inicial) + kQuebra;
    bloco += QString(11, QLatin1Char(' ')) + rotuloJuro + kQuebra;
    bloco += linhaValor(totais.juro) + kQuebra;
    bloco += QString(13, QLatin1Char(' ')) + rotuloFinal + kQuebra;
    bloco += linhaValor(totais.final) + kQuebra;
    bloco += kSeparador + kQuebra;
    return bloco;
}

void frmCalcula::mnuAgrupar_Click()
{
    silenciarNota();
    terminarEdicao(*this);
    // Records are searched on the whole tape, however long it has grown.
    const auto totais = SomarCapitalizacoes(txtFita.Text(), {fTexto(154), fTexto(158), fTexto(159)});
    if (!totais) {
        servicos_.mensagens.show(fTexto(30), mb::Critical);
        return;
    }
    Form_KeyPress(codigo(Caractere::Igual));
    chkIgual.setValue(false);
    LimpaTudo();
    txtFita.append(BlocoResumo(*totais, fTexto(210), fTexto(213), fTexto(211), fTexto(212)));
}

}  // namespace tarvelo
