// The display's value in words, on the clipboard.

#include "calc/extenso.h"
#include "calc/frmcalcula.h"

#include "host/globais.h"
#include "host/rotinas.h"
#include "platform/clipboard.h"
#include "platform/messagebox.h"

namespace tarvelo {

void frmCalcula::mnuExtenso_Click()
{
    silenciarNota();
    const QString visor = lblVisor[0].Caption();
    const QString palavras = ConverterExtenso(visor, true, servicos_.mensagens);
    if (palavras.isEmpty())
        return;
    servicos_.clipboard.clear();
    servicos_.clipboard.setText(QLatin1Char('(') + palavras + QLatin1Char(')'));
    const QString& duasLinhas = globais().gCrLf2;
    const QString aviso = QStringLiteral("Valor por extenso colocado na Área de Transferência.\r(Use colar: Ctrl+V)");
    servicos_.mensagens.show(
        QStringLiteral("$ ") + FormatarValor(visor) + duasLinhas + palavras + duasLinhas + aviso, mb::Information);
}

}  // namespace tarvelo
