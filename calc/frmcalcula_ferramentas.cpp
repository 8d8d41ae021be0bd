// What the tool windows reach of the calculator: the record hand-over, plain appends to the
// tape, the entry and the NumLock option.

#include "calc/frmcalcula.h"
#include "calc/linhafita.h"
#include "calc/teclas.h"

#include "host/texto.h"
#include "platform/messagebox.h"

namespace tarvelo {

void frmCalcula::AnexarFita(const QString& registro)
{
    // "T" keeps the closing "=" below from starting a new calculation of its own.
    Tag = QStringLiteral("T");
    txtEntrada.setText(QStringLiteral("0"));
    if (doFim(txtFita.Text(), 4) != QLatin1Char('='))
        Form_KeyPress(codigo(Caractere::Igual));
    chkIgual.setValue(false);
    if (txtFita.length() > kLimiteFita
        && servicos_.mensagens.show(fTexto(4), mb::YesNo | mb::Question) == mb::Yes)
        mnuLimpar_Click();
    txtFita.append(registro + kQuebra + kSeparador + kQuebra);
    LimpaTudo();
}

void frmCalcula::AcrescentarFita(const QString& texto)
{
    txtFita.append(texto);
}

void frmCalcula::DefinirEntrada(const QString& numero)
{
    txtEntrada.setText(numero);
}

}  // namespace tarvelo
