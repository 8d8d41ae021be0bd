// The keys the character stream cannot carry: the window previews the keyboard, so every
// key that goes down or up while it or one of its controls has the focus comes here first.

#include "calc/frmcalcula.h"
#include "calc/sons.h"
#include "calc/teclas.h"
#include "host/globais.h"
#include "host/sistema.h"

namespace tarvelo {

void frmCalcula::teclaAbaixo(int KeyCode, int Shift)
{
    avisos_.teclou();
    if (KeyPreview)
        Form_KeyDown(KeyCode, Shift);
    if (foco_ == &txtEntrada)
        txtEntrada_KeyDown(KeyCode, Shift);
}

void frmCalcula::teclaAcima(int KeyCode, int Shift)
{
    if (KeyPreview)
        Form_KeyUp(KeyCode, Shift);
    if (foco_ == &txtEntrada)
        txtEntrada_KeyUp(KeyCode, Shift);
}

void frmCalcula::Form_KeyDown(int KeyCode, int Shift)
{
    if (WindowState != 0 || globais().gFechando)
        return;

    // Shift and a letter press a memory key or the sign key, which shows pressed until the
    // key goes up.
    const auto atalho = [Shift](KeyButton& tecla, auto&& acao) {
        if (Shift != codigo(Modificador::Shift))
            return;
        acao();
        tecla.setValue(true);
    };
    switch (static_cast<CodigoTecla>(KeyCode)) {
    case CodigoTecla::A: atalho(Mmais, [this] { Mmais_Click(); }); break;
    case CodigoTecla::D: atalho(Mmenos, [this] { Mmenos_Click(); }); break;
    case CodigoTecla::R: atalho(MR, [this] { MR_Click(); }); break;
    case CodigoTecla::C: atalho(MC, [this] { MC_Click(); }); break;
    case CodigoTecla::P: atalho(chkNeg, [this] { chkNeg_MouseUp(1, 1, 0, 0); }); break;
    case CodigoTecla::Delete: teclaDelete(); break;
    case CodigoTecla::NumLock:
        // The NumLock keeper's own press must not total.
        if (mnuEnter.Checked() && !globais().gNumLockAuto)
            Form_KeyPress(codigo(Caractere::Igual));
        globais().gNumLockAuto = false;
        break;
    case CodigoTecla::Esquerda:
    case CodigoTecla::Acima:
    case CodigoTecla::Direita:
    case CodigoTecla::Abaixo: break;
    default:
        // Typing always goes into the calculation; the paging keys are left to the tape.
        if (KeyCode < codigo(CodigoTecla::PageUp) || KeyCode > codigo(CodigoTecla::Home))
            SetFocus(txtEntrada);
        break;
    }

    SomTeclaAbaixo(*this, servicos_.midi, KeyCode);
}

void frmCalcula::teclaDelete()
{
    chkCE.setValue(true);
    const QString zero = mnuTime1.Checked() ? QStringLiteral("00:00") : QStringLiteral("00:00:00");
    if (lblVisor[2].Caption() != zero) {
        lblVisor[2].setCaption(zero);
        txtEntrada.setText(QStringLiteral("0"));
        // As after every reset, the next digit replaces the zero instead of following it.
        SelecionarEntrada();
        return;
    }
    if (mnuTempo.Checked())
        mnuLimpar_Click();
    else
        limparEntrada();
}

void frmCalcula::Form_KeyUp(int KeyCode, int Shift)
{
    if (WindowState != 0 || globais().gFechando)
        return;

    ManterNumLock(mnuNumLock.Checked(), servicos_.numLock);

    // The decimal key is a toggle: it stays down while the entry holds the decimal symbol.
    for (KeyButton* tecla : teclas())
        if (tecla != &chkVirgula)
            tecla->setValue(false);

    SomTeclaAcima(*this, servicos_.midi, KeyCode);
}

}  // namespace tarvelo
