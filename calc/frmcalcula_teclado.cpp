// The on-screen keypad and the memory keys.

#include "calc/frmcalcula.h"
#include "calc/teclas.h"

#include "platform/decimal.h"
#include "platform/numbermask.h"

namespace tarvelo {

void frmCalcula::finalTeclado(int Button)
{
    if (Button != 0)
        SetFocus(txtEntrada);
    txtEntrada.setSelStart(200);
}

void frmCalcula::chkNum_MouseUp(int Index, int Button, int Shift, float X, float Y)
{
    const QString digito = QString::number(Index);
    if (txtEntrada.SelLength() > 0)
        txtEntrada.setText(QString());
    // The emptied entry comes back as a selected "0", which the digit replaces.
    if (txtEntrada.SelLength() > 0)
        txtEntrada.setSelText(digito);
    else
        txtEntrada.setText(txtEntrada.Text() + digito);
    finalTeclado(Button);
}

void frmCalcula::chkVirgula_MouseUp(int Button, int Shift, float X, float Y)
{
    // Value still holds the state before this click toggles it.
    if (chkVirgula.Value()) {
        txtEntrada.setText(QStringLiteral("0"));
        if (Button != 0)
            SetFocus(txtEntrada);
        SelecionarEntrada();
        return;
    }
    if (!txtEntrada.Text().contains(decimal()) && txtEntrada.SelLength() == 0) {
        // As for the typed key: room for the symbol, so a full entry does not lose it.
        txtEntrada.setMaxLength(std::max(txtEntrada.MaxLength(), static_cast<int>(txtEntrada.length()) + 1));
        txtEntrada.setText(txtEntrada.Text() + decimal());
    } else {
        txtEntrada.setText(QLatin1Char('0') + decimal());
    }
    finalTeclado(Button);
}

void frmCalcula::chkBack_MouseUp(int Button, int Shift, float X, float Y)
{
    if (txtEntrada.length() > 0)
        txtEntrada.setText(txtEntrada.Text().chopped(1));
    finalTeclado(Button);
}

void frmCalcula::limparEntrada()
{
    if (valorZero(lblVisor[0].Caption()))
        mnuLimpar_Click();
    else if (valorZero(txtEntrada.Text()))
        txtEntrada_Change();
    else
        txtEntrada.setText(QString());
}

void frmCalcula::chkCE_MouseUp(int Button, int Shift, float X, float Y)
{
    limparEntrada();
    if (Button != 0)
        SetFocus(txtEntrada);
}

void frmCalcula::chkNeg_MouseUp(int Button, int Shift, float X, float Y)
{
    if (Button != 0)
        SetFocus(txtEntrada);
    if (valorZero(txtEntrada.Text()) && !txtEntrada.Text().startsWith(QLatin1Char('-'))
        && valorZero(lblTotal.Caption())) {
        // The result on show becomes the entry, to be negated below.
        QString mostrado;
        if (mnuTempo.Checked())
            mostrado = QString(lblVisor[2].Caption()).remove(QLatin1Char(':'));
        else
            mostrado = Decimal::fromText(lblVisor[0].Caption()).value_or(Decimal()).toText();
        // The whole number goes in, with room for its sign.
        txtEntrada.setMaxLength(std::max(txtEntrada.MaxLength(), static_cast<int>(mostrado.size()) + 1));
        txtEntrada.setText(mostrado);
    }
    if (!txtEntrada.Text().startsWith(QLatin1Char('-'))) {
        txtEntrada.setMaxLength(std::max(txtEntrada.MaxLength(), static_cast<int>(txtEntrada.length()) + 1));
        txtEntrada.setText(QLatin1Char('-') + txtEntrada.Text());
        const QString zero = QStringLiteral("-0");
        if (valorZero(lblVisor[0].Caption()))
            lblVisor[0].setCaption(QLatin1Char('-') + formatNumber(0.0, FormatoNumero));
        if (lblVisor[0].Caption() == zero + decimal())
            lblVisor[0].setCaption(zero);
    } else {
        txtEntrada.setText(txtEntrada.Text().mid(1));
    }
    txtEntrada.setSelStart(200);
}

void frmCalcula::chkMais_MouseUp(int Button, int Shift, float X, float Y)
{
    if (Button == 2) {
        emit PopupMenu(QStringLiteral("mnu4"));
        return;
    }
    Form_KeyPress(codigo(mnuEnter.Checked() ? Caractere::Enter : Caractere::Mais));
    finalTeclado(Button);
}

void frmCalcula::chkMenos_MouseUp(int Button, int Shift, float X, float Y)
{
    Form_KeyPress(codigo(Caractere::Menos));
    finalTeclado(Button);
}

void frmCalcula::chkVezes_MouseUp(int Button, int Shift, float X, float Y)
{
    Form_KeyPress(codigo(Caractere::Vezes));
    finalTeclado(Button);
}

void frmCalcula::chkDividir_MouseUp(int Button, int Shift, float X, float Y)
{
    Form_KeyPress(codigo(Caractere::Dividir));
    finalTeclado(Button);
}

void frmCalcula::chkPercent_MouseUp(int Button, int Shift, float X, float Y)
{
    Form_KeyPress(codigo(Caractere::Porcento));
    SetFocus(txtEntrada);
    txtEntrada.setSelStart(200);
}

void frmCalcula::chkIgual_MouseUp(int Button, int Shift, float X, float Y)
{
    if (Button == 2) {
        emit PopupMenu(QStringLiteral("mnu4"));
        return;
    }
    Form_KeyPress(codigo(Caractere::Igual));
    finalTeclado(Button);
}

// ---- memory ------------------------------------------------------------------------

void frmCalcula::colorirMemoria()
{
    fraTeclado.setForeColor(fraTeclado.Caption().contains(QLatin1Char('-')) ? kCorVermelha : kCorAzul);
}

void frmCalcula::somarMemoria(int sinal)
{
    const auto visor = Decimal::fromText(lblVisor[0].Caption());
    const QString memoria = fraTeclado.Caption();
    std::optional<Decimal> novo;
    if (visor && memoria.isEmpty()) {
        novo = sinal > 0 ? *visor : visor->negated();
    } else if (visor) {
        if (const auto atual = Decimal::fromText(memoria))
            novo = sinal > 0 ? add(*atual, *visor) : subtract(*atual, *visor);
    }
    // An unreadable display or a sum beyond the decimal range leaves the memory as it was.
    if (novo)
        fraTeclado.setCaption(novo->toText());
    colorirMemoria();
    SetFocus(txtEntrada);
    SelecionarEntrada();
}

void frmCalcula::Mmais_Click()
{
    somarMemoria(1);
}

void frmCalcula::Mmenos_Click()
{
    somarMemoria(-1);
}

void frmCalcula::MC_Click()
{
    fraTeclado.setCaption(QString());
    SetFocus(txtEntrada);
}

void frmCalcula::MR_Click()
{
    const QString memoria = fraTeclado.Caption();
    // The whole memory goes in, however many decimals it has.
    txtEntrada.setMaxLength(std::max(txtEntrada.MaxLength(), static_cast<int>(memoria.size())));
    txtEntrada.setText(memoria);
    SetFocus(txtEntrada);
    txtEntrada.setSelStart(200);
}

}  // namespace tarvelo
