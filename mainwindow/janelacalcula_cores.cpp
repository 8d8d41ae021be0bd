// The colour schemes of the window and the double click on the keypad frame that steps
// through them.

#include "mainwindow/janelacalcula.h"

#include "mainwindow/frameteclado.h"
#include "platform/syscolors.h"

#include <QApplication>
#include <QLabel>

namespace tarvelo {
namespace {

// 0x8000000F: the system's button face, as the frame is designed.
constexpr Cor kFaceBotao = 0x8000000F;
constexpr Cor kCinzaOperador = 0xC0C0C0;

struct EsquemaCor {
    Cor janela;
    Cor teclado;
    Cor fita;
    Cor visor;  // the item counter and the box behind the display
    Cor operador;
    Cor operadorSobre;  // the operator keys' face while the mouse is over them
};

// Padrão, Marrom, Verde, Rosa. Brown gives the operator keys the designed grey of its own:
// otherwise they would keep whatever scheme came before, and look different by the path
// the user took to it.
constexpr EsquemaCor kEsquemas[4] = {
    {0xE0E0E0, kFaceBotao, 0xFFFFFF, 0xFFFFC0, kCinzaOperador, kCinzaOperador},
    {0xE0E0E0, kFaceBotao, 0x80C0FF, 0xC0E0FF, kCinzaOperador, kCinzaOperador},
    {0xE0E0E0, 0xC0FFC0, 0xC0FFC0, 0x80FF80, 0xFFFF80, 0xFFFF80},
    {0xFFC0FF, 0xFF80FF, 0xC0FFFF, 0xFFFFFF, 0x80C0FF, 0xC0E0FF},
};

QColor qcor(Cor cor)
{
    return toQColor(translateOleColour(cor).value_or(0));
}

}  // namespace

void JanelaCalcula::mnuCor1_Click() { aplicarEsquema(1); }
void JanelaCalcula::mnuCor2_Click() { aplicarEsquema(2); }
void JanelaCalcula::mnuCor3_Click() { aplicarEsquema(3); }
void JanelaCalcula::mnuCor4_Click() { aplicarEsquema(4); }

void JanelaCalcula::aplicarEsquema(int numero)
{
    const EsquemaCor& e = kEsquemas[numero - 1];

    QPalette fundo = area_->palette();
    fundo.setColor(QPalette::Window, qcor(e.janela));
    area_->setPalette(fundo);
    fraTeclado_->setBackColor(qcor(e.teclado));
    form_.txtFita.setBackColor(e.fita);
    for (KeyButton* tecla : {&form_.chkDividir, &form_.chkVezes, &form_.chkMenos, &form_.chkMais}) {
        tecla->setBackColor(e.operador);
        tecla->setBackOver(e.operadorSobre);
    }
    aplicarCorVisor(1, e.visor);
    aplicarCorVisor(3, e.visor);

    MenuItem* itens[4] = {&mnuCor1, &mnuCor2, &mnuCor3, &mnuCor4};
    itens[numero - 1]->setChecked(true);
    for (int i = 0; i < 4; ++i) {
        if (i != numero - 1)
            itens[i]->setChecked(false);
    }
    salvarConf(pref::Cor, QString::number(numero));
}

void JanelaCalcula::aplicarCorVisor(int indice, Cor cor)
{
    QPalette p = lblVisor_[indice]->palette();
    p.setColor(QPalette::Window, qcor(cor));
    lblVisor_[indice]->setPalette(p);
}

void JanelaCalcula::fraTeclado_Click()
{
    if (servicos_.bip)
        servicos_.bip();
    else
        QApplication::beep();
}

void JanelaCalcula::fraTeclado_DblClick()
{
    // Padrão, Marrom, Rosa, Verde and round again.
    if (mnuCor1.Checked())
        mnuCor2_Click();
    else if (mnuCor2.Checked())
        mnuCor4_Click();
    else if (mnuCor4.Checked())
        mnuCor3_Click();
    else
        mnuCor1_Click();
}

}  // namespace tarvelo
