// Copying the number on show to the clipboard and pasting a number from it into the entry.

#include "calc/frmcalcula.h"

#include "host/rotinas.h"
#include "platform/clipboard.h"
#include "platform/decimal.h"
#include "platform/numbertext.h"

namespace tarvelo {

void frmCalcula::mnuCopiar_Click()
{
    const QString mostrado = mnuTempo.Checked() ? lblVisor[2].Caption() : lblVisor[0].Caption();
    servicos_.clipboard.clear();
    servicos_.clipboard.setText(mostrado);
    lembrarClipboard();
}

void frmCalcula::mnuColar_Click()
{
    const QString texto = servicos_.clipboard.text();
    if (!isNumeric(texto))
        return;
    const auto numero = Decimal::fromText(texto);
    if (!numero)
        return;
    // The number without grouping, all its digits kept: "1.234,5" comes in as "1234,5".
    const QString entrada = numero->toText();
    // The limit must let the whole number in, also one with more decimals than money has.
    const qsizetype limite = std::max(FormatarValor(texto).size(), entrada.size());
    txtEntrada.setMaxLength(static_cast<int>(limite));
    txtEntrada.setText(entrada);
    SelecionarEntrada();
}

void frmCalcula::mnu1_Click()
{
    mnuColar.setEnabled(isNumeric(servicos_.clipboard.text()));
}

}  // namespace tarvelo
