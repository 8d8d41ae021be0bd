// Time mode: durations typed as digits, shown as MM:SS or HH:MM:SS, added in seconds.

#include "calc/frmcalcula.h"
#include "calc/teclas.h"
#include "calc/tempo.h"
#include "host/preferencias.h"

namespace tarvelo {

QString frmCalcula::ConverterTempo(QStringView texto) const
{
    return converterTempo(texto, mnuTime1.Checked());
}

void frmCalcula::mnuTempo_Click()
{
    Form_KeyPress(codigo(Caractere::Igual));
    chkIgual.setValue(false);
    LimpaTudo();

    const bool entrando = !mnuTempo.Checked();
    mnuTempo.setChecked(entrando);
    lblVisor[0].setVisible(!entrando);
    lblVisor[2].setVisible(entrando);
    for (KeyButton* tecla : {&chkVirgula, &chkPercent, &MC, &MR, &Mmenos, &Mmais})
        tecla->setEnabled(!entrando);
    if (entrando)
        fraTeclado.setCaption(QString());
}

void frmCalcula::mnuTime1_Click()
{
    if (mnuTime1.Checked())
        return;
    mnuTime1.setChecked(true);
    mnuTime2.setChecked(false);
    const QString& tempo = lblVisor[2].Caption();
    const qsizetype doisPontos = tempo.indexOf(QLatin1Char(':'));
    if (doisPontos >= 0)
        lblVisor[2].setCaption(tempo.left(doisPontos + 3));
    salvarPreferencia(servicos_.configuracoes, pref::CalcTime, true);
}

void frmCalcula::mnuTime2_Click()
{
    if (mnuTime2.Checked())
        return;
    mnuTime1.setChecked(false);
    mnuTime2.setChecked(true);
    lblVisor[2].setCaption(lblVisor[2].Caption() + QStringLiteral(":00"));
    salvarPreferencia(servicos_.configuracoes, pref::CalcTime, false);
}

}  // namespace tarvelo
