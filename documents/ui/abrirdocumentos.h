#pragma once

#include "documents/documento.h"

#include <QString>

namespace tarvelo {

class RegistroJanelas;

// The documents opened from the calculator's menu for the value on its display: the
// checks and prompts of the hand-over, then the window, modal, until it closes.
void AbrirCheque(const QString& visor, const ServicosDocumento& servicos, RegistroJanelas* janelas);
void AbrirPromissoria(const QString& visor, const ServicosDocumento& servicos, RegistroJanelas* janelas,
                      const QString& tituloCalculadora);

// One document with a hand-over made elsewhere (the notes of an instalment plan): loads
// the window with it, shows it modally and returns when it has closed, printed or not.
void MostrarCheque(const Entrega& entrega, const ServicosDocumento& servicos, RegistroJanelas* janelas);
void MostrarPromissoria(const Entrega& entrega, const ServicosDocumento& servicos, RegistroJanelas* janelas);

// A backup of the models opened with the program: asks first, then restores it and says
// how that went. Refused while a document window is open, whose model would otherwise be
// saved back over the restored one.
void AbrirBackupModelos(const QString& arquivo, const ServicosDocumento& servicos, RegistroJanelas* janelas);

}  // namespace tarvelo
