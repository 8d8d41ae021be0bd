// The running total: what the tape's change handling computes, and the total block.

#include "calc/frmcalcula.h"
#include "calc/linhafita.h"
#include "calc/teclas.h"

#include "platform/clipboard.h"
#include "platform/decimal.h"
#include "platform/numbermask.h"
#include "platform/numbertext.h"

namespace tarvelo {

namespace {

QString contador(long long valor)
{
    return QStringLiteral("%1").arg(valor, 3, 10, QLatin1Char('0'));
}

}  // namespace

void frmCalcula::txtFita_Change()
{
    if (modoFita_ != ModoFita::Armada)
        return;
    modoFita_ = ModoFita::Suspensa;

    if (!valorZero(txtEntrada.Text()) && Tag == QLatin1String("%")) {
        aplicarPercentual();
        FecharCalculo({txtFita.length(), {}});
    } else {
        AplicarOperador();
    }
    if (Tag != QLatin1String("%") && !Tag.isEmpty() && !txtEntrada.Text().isEmpty()) {
        UltimoOperador = Tag;
        UltimoNumero = txtEntrada.Text();
    }

    if (PosicaoClique == 0) {
        txtEntrada_GotFocus();
    } else {
        // A number re-entered by a double click: the rest of its line stays marked.
        const qsizetype fimDaLinha = txtFita.Text().indexOf(QLatin1Char('\r'), std::max<qsizetype>(0, PosicaoClique - 1));
        if (fimDaLinha >= 0 && fimDaLinha + 1 >= PosicaoClique) {
            txtFita.setSelStart(PosicaoClique);
            txtFita.setSelLength(fimDaLinha + 1 - PosicaoClique);
        }
        PosicaoClique = 0;
    }
    modoFita_ = ModoFita::Armada;
}

void frmCalcula::AplicarOperador()
{
    const bool comValor = !valorZero(txtEntrada.Text());
    const QChar coluna25 = doFim(txtFita.Text(), 4);
    if (comValor && coluna25 != QLatin1Char('T') && coluna25 != QLatin1Char('E') && Visible)
        lblVisor[1].setCaption(contador(static_cast<long long>(valor(lblVisor[1].Caption())) + 1));
    if (!comValor)
        return;

    const auto total = Decimal::fromText(lblTotal.Caption());
    const auto operando = Decimal::fromText(lblVisor[0].Caption());
    if (total && operando) {
        std::optional<Decimal> novo;
        if (Tag == QLatin1String("+"))
            novo = add(*total, *operando);
        else if (Tag == QLatin1String("-"))
            novo = subtract(*total, *operando);
        else if (Tag == QLatin1String("/"))
            novo = divide(*total, *operando);
        else if (Tag == QLatin1String("*"))
            novo = multiply(*total, *operando);
        // A division by zero or a total beyond the decimal range leaves the total as it was.
        if (novo)
            definirTotal(*novo);
    }
    Anotacao.clear();
}

void frmCalcula::aplicarPercentual()
{
    const double p = valor(lblVisor[0].Caption());
    const auto total = Decimal::fromText(lblTotal.Caption());
    if (!total)
        return;
    const QString& codigo = CodigoOperador;
    // The factor goes through its 15-digit text before it meets the exact total, so 1,08
    // counts as 1,08 and not as its binary neighbour.
    auto comoDecimal = [](double valor) { return Decimal::fromText(numberText(valor)); };
    std::optional<Decimal> novo;
    if (codigo.isEmpty() || codigo == codigoOperador(Caractere::Mais) || codigo == codigoOperador(Caractere::Somar)) {
        if (const auto fator = comoDecimal(p / 100 + 1))
            novo = multiply(*total, *fator);
    } else if (codigo == codigoOperador(Caractere::Menos)) {
        if (const auto fator = comoDecimal((100 - p) / 100))
            novo = multiply(*total, *fator);
    } else if (codigo == codigoOperador(Caractere::Dividir)) {
        if (const auto quociente = comoDecimal(total->toDouble() / (p / 100 + 1)))
            novo = subtract(*total, *quociente);
    } else if (const auto fator = comoDecimal(p / 100)) {
        novo = multiply(*total, *fator);
    }
    if (novo)
        definirTotal(*novo);
}

void frmCalcula::definirTotal(const Decimal& total)
{
    lblTotal.setCaption(formatNumber(total, FormatoNumero));
}

void frmCalcula::FecharCalculo(const TextoFita& texto)
{
    AplicarOperador();
    Tag.clear();

    servicos_.clipboard.clear();
    if (mnuTempo.Checked())
        lblTotal.setCaption(ConverterTempo(lblTotal.Caption()));
    const QString total = lblTotal.Caption();
    servicos_.clipboard.setText(ResultadoClipboard.isEmpty() ? total : ResultadoClipboard);
    lembrarClipboard();
    ResultadoClipboard.clear();

    if (mnuTempo.Checked()) {
        lblVisor[0].setCaption(ConverterTempo(total));
        lblVisor[2].setCaption(total);
    } else {
        lblVisor[0].setCaption(total.left(22));
    }

    const ModoFita anterior = modoFita_;
    modoFita_ = ModoFita::Suspensa;
    QString acrescimo = texto.acrescimo;
    if (mnuInserir.Checked())
        acrescimo += kSeparadorAnotacao + kQuebra + kQuebra;
    acrescimo += BlocoTotal(lblVisor[1].Caption(), lblTotal.Caption());
    const qsizetype manter = std::clamp<qsizetype>(texto.manter, 0, txtFita.length());
    txtFita.replace(manter, txtFita.length() - manter, acrescimo);
    modoFita_ = anterior == ModoFita::Edicao ? anterior : ModoFita::Armada;
    estadoMudou(true);

    txtEntrada_GotFocus();
    lblVisor[1].setCaption(QStringLiteral("000"));
    lblTotal.setCaption(QStringLiteral("0"));
}

void frmCalcula::LimpaTudo()
{
    lblVisor[0].setCaption(mnuNumeral(2).Checked() ? QStringLiteral("0") : formatNumber(0.0, FormatoNumero));
    lblTotal.setCaption(lblVisor[0].Caption());
    lblVisor[1].setCaption(QStringLiteral("000"));
    lblVisor[2].setCaption(mnuTime1.Checked() ? QStringLiteral("00:00") : QStringLiteral("00:00:00"));
    Tag = QStringLiteral("+");
    HistTotais.clear();
    RefazerLinhas.clear();
    mnuRedo.setEnabled(false);
    mnuUndo.setEnabled(false);
    txtEntrada.setText(QStringLiteral("0"));
    SelecionarEntrada();
}

void frmCalcula::SelecionarEntrada()
{
    txtEntrada.setMaxLength(12);
    txtEntrada.setSelStart(0);
    txtEntrada.setSelLength(200);
}

}  // namespace tarvelo
