// The calculator's options: read at load, and those that reshape the keypad: "=" totals
// (the traditional mode) or Enter adds (the advanced mode, with "+" grown into a tall Enter
// key). The view redraws the keypad when told `tecladoMudou`.

#include "calc/frmcalcula.h"

#include "host/globais.h"
#include "host/preferencias.h"
#include "host/texto.h"
#include "platform/messagebox.h"
#include "platform/numbertext.h"

#include <algorithm>

namespace tarvelo {

void frmCalcula::mnuIgual_Click()
{
    chkIgual.setToolTipText(QStringLiteral(" Enter "));
    chkMais.setToolTipText(QStringLiteral(" + "));
    if (mnuIgual.Checked())
        return;
    mnuIgual.setChecked(true);
    mnuEnter.setChecked(false);
    chkMais.Top = chkIgual.Top;
    chkMais.Height = chkMenos.Height;
    chkMais.setCaption(QStringLiteral("+"));
    emit tecladoMudou();
    salvarPreferencia(servicos_.configuracoes, pref::CalcEnter, false);
}

void frmCalcula::mnuEnter_Click(bool letraGrande)
{
    chkIgual.setToolTipText(QStringLiteral(" NumLock "));
    chkMais.setToolTipText(QStringLiteral(" Enter "));
    if (mnuEnter.Checked())
        return;
    mnuEnter.setChecked(true);
    mnuIgual.setChecked(false);
    salvarPreferencia(servicos_.configuracoes, pref::CalcEnter, true);
    // The "+" key grows into a tall Enter key over the "-" key's row.
    chkMais.Top = chkMenos.Top;
    chkMais.Height = letraGrande ? 1095 : 675;
    chkMais.setCaption(QStringLiteral("EN TER"));
    emit tecladoMudou();
    // The note comes once in a window's life, and never while its load restores the mode.
    if (!chkMais.Tag.isEmpty())
        return;
    chkMais.Tag = QStringLiteral("ok");
    if (!Visible)
        return;
    const QString nota =
        globais().gIdioma == 1
            ? QStringLiteral("NOTA: Se as HotKeys estiverem ligadas, agora CTLR+ALT+ENTER também irá "
                             "dar o resultado!")
            : QStringLiteral("NOTE: If HotKeys are activated then CTRL+ALT+ENTER = Calculation's Total.");
    servicos_.mensagens.show(fTexto(14) + globais().gCrLf2 + nota, mb::Information);
}

void frmCalcula::lerOpcoes(bool primeira, bool letraGrande)
{
    SettingsStore& conf = servicos_.configuracoes;
    // A number format that is no item of the menu would leave the display without a mask:
    // it counts as the default.
    int formato = 2;
    if (const auto lido = lerPreferencia(conf, pref::Formato)) {
        const auto indice = toInteger(*lido);
        if (indice && std::find(kIndicesNumeral.begin(), kIndicesNumeral.end(), *indice) != kIndicesNumeral.end())
            formato = *indice;
    }
    mnuNumeral_Click(formato);

    if (const auto enter = lerPreferencia(conf, pref::CalcEnter))
        *enter ? mnuEnter_Click(letraGrande) : mnuIgual_Click();
    if (const auto mmss = lerPreferencia(conf, pref::CalcTime)) {
        mnuTime1.setChecked(*mmss);
        mnuTime2.setChecked(!*mmss);
    }
    if (!primeira)
        return;
    if (const auto inserir = lerPreferencia(conf, pref::InserirTexto))
        mnuInserir.setChecked(*inserir);
    if (const auto monitor = lerPreferencia(conf, pref::Monitor))
        mnuMonit.setChecked(*monitor);
}

void frmCalcula::lerOpcoesDaFita()
{
    if (ModoMini)
        return;
    SettingsStore& conf = servicos_.configuracoes;
    if (const auto backup = lerPreferencia(conf, pref::Backup))
        mnuBackup.setChecked(*backup);
    if (const auto numLock = lerPreferencia(conf, pref::NumLock))
        mnuNumLock.setChecked(*numLock);
}

void frmCalcula::AmpliarTeclas(double fator)
{
    for (KeyButton* tecla : teclas()) {
        tecla->Left = static_cast<float>(tecla->Left * fator);
        tecla->Top = static_cast<float>(tecla->Top * fator);
        tecla->Width = static_cast<float>(tecla->Width * fator);
        tecla->Height = static_cast<float>(tecla->Height * fator);
        // A whole number of points, halves to the even neighbour.
        if (const auto pontos = toInteger(tecla->FontSize() * fator))
            tecla->setFontSize(*pontos);
    }
}

std::array<KeyButton*, 24> frmCalcula::teclas()
{
    return {&chkNum[0], &chkNum[1],  &chkNum[2],  &chkNum[3], &chkNum[4], &chkNum[5], &chkNum[6], &chkNum[7],
            &chkNum[8], &chkNum[9],  &chkVirgula, &chkBack,   &chkCE,     &chkNeg,    &chkMais,   &chkMenos,
            &chkVezes,  &chkDividir, &chkPercent, &chkIgual,  &MC,        &MR,        &Mmais,     &Mmenos};
}

}  // namespace tarvelo
