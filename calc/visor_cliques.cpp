#include "calc/visor_cliques.h"

#include "calc/frmcalcula.h"

namespace tarvelo {
namespace {

void popup(frmCalcula& janela, const QString& menu)
{
    if (janela.PopupMenu)
        janela.PopupMenu(menu);
}

}  // namespace

void lblVisor_MouseUp(frmCalcula& janela, int Index, int Button)
{
    if (Index == 1)
        return;
    if (janela.mnuTempo.Checked()) {
        popup(janela, QStringLiteral("mnuTime"));
    } else if (Button == 1) {
        janela.mnuCopiar_Click();
        if (janela.MostrarPaste)
            janela.MostrarPaste();
    } else {
        popup(janela, QStringLiteral("mnuForm"));
    }
}

}  // namespace tarvelo
