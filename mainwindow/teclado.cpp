#include "mainwindow/teclado.h"

#include "calc/frmcalcula.h"
#include "calc/sons.h"
#include "host/globais.h"
#include "host/sistema.h"
#include "platform/numbertext.h"

namespace tarvelo {
namespace {

bool valorZero(const QString& texto)
{
    return numberValue(texto).value_or(0.0) == 0.0;
}

}  // namespace

TecladoCalcula::TecladoCalcula(frmCalcula& form, MidiOut& midi, NumLockService& numLock)
    : form_(form), midi_(midi), numLock_(numLock)
{
}

void TecladoCalcula::Form_KeyDown(int KeyCode, int Shift)
{
    if (form_.WindowState != 0 || globais().gFechando)
        return;

    const bool soShift = Shift == 1;
    switch (KeyCode) {
    case 65:
        if (soShift) {
            form_.Mmais_Click();
            form_.Mmais.setValue(true);
        }
        break;
    case 68:
        if (soShift) {
            form_.Mmenos_Click();
            form_.Mmenos.setValue(true);
        }
        break;
    case 82:
        if (soShift) {
            form_.MR_Click();
            form_.MR.setValue(true);
        }
        break;
    case 67:
        if (soShift) {
            form_.MC_Click();
            form_.MC.setValue(true);
        }
        break;
    case 80:
        if (soShift) {
            form_.chkNeg_MouseUp(1, 1, 0, 0);
            form_.chkNeg.setValue(true);
        }
        break;
    case 46:
        apagar();
        break;
    case 144:
        // The NumLock keeper's own press must not total.
        if (form_.mnuEnter.Checked() && !globais().gNumLockAuto)
            form_.Form_KeyPress(61);
        globais().gNumLockAuto = false;
        break;
    case 37:
    case 38:
    case 39:
    case 40:
        break;
    default:
        // Typing always goes into the calculation; the paging keys are left to the tape.
        if (KeyCode < 33 || KeyCode > 36)
            form_.SetFocus(form_.txtEntrada);
        break;
    }

    SomTeclaAbaixo(form_, midi_, KeyCode);
}

void TecladoCalcula::apagar()
{
    form_.chkCE.setValue(true);
    const QString zero = form_.mnuTime1.Checked() ? QStringLiteral("00:00") : QStringLiteral("00:00:00");
    if (form_.lblVisor[2].Caption() != zero) {
        form_.lblVisor[2].setCaption(zero);
        form_.txtEntrada.setText(QStringLiteral("0"));
        // As after every reset, the next digit replaces the zero instead of following it.
        form_.SelecionarEntrada();
        return;
    }
    if (form_.mnuTempo.Checked()) {
        form_.mnuLimpar_Click();
        return;
    }
    if (valorZero(form_.lblVisor[0].Caption()))
        form_.mnuLimpar_Click();
    else if (valorZero(form_.txtEntrada.Text()))
        form_.txtEntrada_Change();
    else
        form_.txtEntrada.setText(QString());
}

void TecladoCalcula::Form_KeyUp(int KeyCode, int Shift)
{
    if (form_.WindowState != 0 || globais().gFechando)
        return;

    ManterNumLock(form_.mnuNumLock.Checked(), numLock_);

    for (KeyButton& tecla : form_.chkNum)
        tecla.setValue(false);
    for (KeyButton* tecla : {&form_.chkNeg, &form_.chkIgual, &form_.chkBack, &form_.chkDividir, &form_.chkVezes,
                             &form_.chkMais, &form_.chkMenos, &form_.chkPercent, &form_.chkCE, &form_.MC, &form_.MR,
                             &form_.Mmenos, &form_.Mmais})
        tecla->setValue(false);

    SomTeclaAcima(form_, midi_, KeyCode);
}

}  // namespace tarvelo
