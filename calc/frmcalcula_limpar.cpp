// Clearing the tape: a fresh dated tape and a cleared calculation.

#include "calc/frmcalcula.h"
#include "calc/linhafita.h"

#include "host/globais.h"
#include "platform/clock.h"

namespace tarvelo {

void frmCalcula::mnuLimpar_Click()
{
    if (!backupAoLimpar())  // tape services: a tape not yet backed up stays (fita_backup.cpp)
        return;
    txtFita.setText(CabecalhoFita(servicos_.relogio.now().date(), globais().gFormatoData));
    LimpaTudo();
    estadoMudou(true);
}

}  // namespace tarvelo
