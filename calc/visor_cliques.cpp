#include "calc/visor_cliques.h"

#include "calc/frmcalcula.h"

namespace tarvelo {

void lblVisor_MouseUp(frmCalcula& janela, int Index, int Button)
{
    if (Index == 1)
        return;
    if (janela.mnuTempo.Checked()) {
        emit janela.PopupMenu(QStringLiteral("mnuTime"));
    } else if (Button == 1) {
        janela.mnuCopiar_Click();
        emit janela.MostrarPaste();
    } else {
        emit janela.PopupMenu(QStringLiteral("mnuForm"));
    }
}

}  // namespace tarvelo
