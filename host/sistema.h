#pragma once

#include "platform/numlock.h"

#include <QString>

#include <functional>

namespace tarvelo {

// Opens a web address, a mailto: link or a file with the desktop's handler. Returns a
// value above 32 on success and 0 when nothing could be opened; callers treat 2 or less
// as failure and show their own message.
int AbrirExterno(const QString& alvo);

// Waits the given seconds (a number text in the user's format) while window events run.
void Esperar(const QString& segundos);

// Waits while window events run until `pronto` answers true, or at most the given
// milliseconds; answers whether it came true.
bool EsperarAte(const std::function<bool()>& pronto, int milissegundos);

// Called after each key release: while the "NumLock always on" option is ticked, switches
// NumLock back on when it is off, and then notes in gNumLockAuto that the program did it.
void ManterNumLock(bool opcaoMarcada, NumLockService& numLock);

}  // namespace tarvelo
