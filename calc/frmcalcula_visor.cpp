// The entry field, the display and the number formats.

#include "calc/frmcalcula.h"
#include "calc/linhafita.h"
#include "calc/teclas.h"

#include "host/preferencias.h"
#include "platform/decimal.h"
#include "platform/numbermask.h"
#include "platform/numbertext.h"

namespace tarvelo {

namespace {

const QString kMascaraFlutuante = QStringLiteral("#,##0.00####");
const QString kMascaraNumeral = QStringLiteral("#,##0.##########");
const QString kMascaraInteira = QStringLiteral("#,##0");
const QString kMascaraMinutos = QStringLiteral("#00:00");
const QString kMascaraHoras = QStringLiteral("#00:00:00");

QString mascaraDoIndice(int indice)
{
    switch (indice) {
    case 0:
    case 1: return kMascaraFlutuante;
    case 2: return kMascaraNumeral;
    case 10: return QStringLiteral("#,##0.0");
    case 20: return QStringLiteral("#,##0.00");
    case 30: return QStringLiteral("#,##0.000");
    case 40: return QStringLiteral("#,##0.0000");
    case 50: return QStringLiteral("#,##0.00000");
    case 60: return QStringLiteral("#,##0.000000");
    case 70: return QStringLiteral("#,##0.0000000");
    case 80: return QStringLiteral("#,##0.00000000");
    default: return {};
    }
}

}  // namespace

int frmCalcula::limiteEntrada(QStringView entrada) const
{
    const qsizetype simbolo = entrada.indexOf(decimal());
    if (simbolo < 0)
        return 12;
    // As many decimals as the mask has places: its decimal part counted from its ".".
    const qsizetype ponto = FormatoNumero.indexOf(QLatin1Char('.'));
    const qsizetype parteDecimal = ponto < 0 ? 1 : FormatoNumero.size() - ponto;
    return static_cast<int>(simbolo + parteDecimal);
}

QString frmCalcula::textoVisor(const QString& entrada) const
{
    const QString simbolo = decimal();
    if (entrada.contains(simbolo) || !mnuNumeral_.at(1).Checked())
        return formatar(entrada, FormatoNumero).left(22);
    // Fixed decimal symbol: the last two digits typed are the cents.
    const Decimal valor = Decimal::fromText(entrada).value_or(Decimal());
    const QString digitos = formatNumber(valor.abs(), u"#000");
    QString texto = entrada.startsWith(QLatin1Char('-')) ? QStringLiteral("-") : QString();
    texto += formatNumber(QStringView(digitos).chopped(2), kMascaraInteira);
    texto += simbolo;
    texto += QStringView(digitos).right(2);
    return texto.left(22);
}

void frmCalcula::formatarVisorDigitado(QStringView entrada)
{
    const QString simbolo = decimal();
    Label& visor = lblVisor[0];
    // Decimals typed stay visible where the mask would round them away.
    if ((FormatoNumero == kMascaraFlutuante || FormatoNumero == kMascaraNumeral) && entrada.contains(simbolo)) {
        const QStringView digitados = entrada.mid(entrada.indexOf(simbolo));
        const qsizetype r = visor.Caption().indexOf(simbolo);
        const qsizetype minimo = mnuNumeral_.at(2).Checked() ? 1 : 3;
        if (r >= 0 && QStringView(visor.Caption()).mid(r) != digitados && digitados.size() > minimo)
            visor.setCaption(visor.Caption().left(r) + digitados.toString());
    }
    if (visor.Caption().endsWith(simbolo) && !entrada.endsWith(simbolo))
        visor.setCaption(formatar(visor.Caption(), kMascaraInteira));
}

void frmCalcula::txtEntrada_Change()
{
    // The entry may be set again inside this handler (and this handler then runs nested),
    // so its text is read afresh at every step.
    const QString simbolo = decimal();
    if (!txtEntrada.Text().contains(simbolo))
        chkVirgula.setValue(false);

    if (mnuTempo.Checked() && !Tag.isEmpty() && lblVisor[0].Caption() != txtEntrada.Text())
        lblVisor[2].setCaption(formatar(txtEntrada.Text(), mnuTime1.Checked() ? kMascaraMinutos : kMascaraHoras));

    if (!numerico(txtEntrada.Text()) && txtEntrada.Text() != simbolo) {
        txtEntrada.setText(QStringLiteral("0"));
        SelecionarEntrada();
        return;
    }
    if (txtEntrada.Text() == simbolo) {
        txtEntrada.setText(QLatin1Char('0') + simbolo);
        txtEntrada.setSelStart(txtEntrada.length());
    }

    txtEntrada.setMaxLength(limiteEntrada(txtEntrada.Text()));

    if (!Tag.isEmpty()) {
        // While a total is being closed the display keeps showing it.
        const QString entrada = txtEntrada.Text();
        if (mnuTempo.Checked())
            lblVisor[0].setCaption(ConverterTempo(lblVisor[2].Caption()));
        else
            lblVisor[0].setCaption(textoVisor(entrada));
        formatarVisorDigitado(entrada);
    }

    if (mnuInserir.Checked() && lblVisor[0].Caption().size() >= 10) {
        // A long number would run into the annotation columns.
        const QString entrada = txtEntrada.Text();
        txtEntrada.setMaxLength(entrada.contains(simbolo) ? limiteEntrada(entrada) : static_cast<int>(entrada.size()));
    }
}

void frmCalcula::txtEntrada_GotFocus()
{
    const QString& fita = txtFita.Text();
    const bool fechaCalculo = doFim(fita, 3) == QLatin1Char('=');
    if (!fechaCalculo && !valorZero(lblVisor[1].Caption()) && mnuInserir.Checked() && fita.size() >= 27) {
        txtFita.setSelStart(fita.size() - 27);
        txtFita.setSelLength(11);
    } else {
        txtFita.setSelStart(fita.size() - 2);
    }
}

void frmCalcula::txtEntrada_KeyDown(int KeyCode, int Shift)
{
    if (KeyCode >= 35 && KeyCode <= 40)
        SetFocus(txtFita);
}

int frmCalcula::txtEntrada_KeyPress(int KeyAscii)
{
    if (KeyAscii == codigo(Caractere::Virgula) || KeyAscii == codigo(Caractere::Ponto))
        return decimal().isEmpty() ? 0 : decimal().at(0).unicode();
    if ((KeyAscii >= '0' && KeyAscii <= '9') || KeyAscii == codigo(Caractere::Backspace))
        return KeyAscii;
    return 0;
}

void frmCalcula::txtEntrada_KeyUp(int KeyCode, int Shift)
{
    // A number being typed takes the place of the annotation field's selection.
    if (!valorZero(txtEntrada.Text()))
        txtFita.setSelLength(0);
}

void frmCalcula::mnuNumeral_Click(int Index)
{
    if (mnuTempo.Checked())
        mnuTempo_Click();
    if (Visible)
        for (auto& [indice, item] : mnuNumeral_)
            item.setChecked(false);
    mnuNumeral(Index).setChecked(true);
    if (const QString mascara = mascaraDoIndice(Index); !mascara.isEmpty())
        FormatoNumero = mascara;
    lblVisor[0].setCaption(formatar(lblVisor[0].Caption(), FormatoNumero));
    if (lblVisor[0].Caption().endsWith(decimal()))
        lblVisor[0].setCaption(formatar(lblVisor[0].Caption(), kMascaraInteira));
    if (Visible)
        salvarPreferencia(servicos_.configuracoes, pref::Formato, Index);
}

void frmCalcula::lblTotal_Change()
{
    const QString& total = lblTotal.Caption();
    if (!mnuTempo.Checked() && total.endsWith(decimal()) && !valorZero(total))
        lblTotal.setCaption(formatar(total, kMascaraInteira));
}

void frmCalcula::lblVisor_Change(int Index)
{
    if (Index == 1)
        contadorMudou();
    else if (Index == 0 || Index == 2)
        visorMudou(Index);
}

void frmCalcula::visorMudou(int Index)
{
    Label& visor = lblVisor[Index];
    const QChar menos = QLatin1Char('-');
    const bool entradaNegativa = txtEntrada.Text().contains(menos);
    bool vermelho = visor.Caption().contains(menos);
    if (!mnuTempo.Checked() && !vermelho && entradaNegativa)
        vermelho = visor.Caption() != lblTotal.Caption() || valorZero(lblTotal.Caption());
    visor.setForeColor(vermelho ? kCorVermelha : kCorAzul);
    // A negative zero, or a number whose formatting lost its sign, still shows as negative.
    if (entradaNegativa && vermelho && !visor.Caption().contains(menos))
        visor.setCaption(menos + visor.Caption());
    espelharLegenda();
}

void frmCalcula::espelharLegenda()
{
    if (!ModoMini || WindowState != 0)
        return;
    const QString& visor = lblVisor[0].Caption();
    setCaption((visor == lblTotal.Caption() ? QStringLiteral(" = ") : QStringLiteral(" ")) + visor);
}

}  // namespace tarvelo
