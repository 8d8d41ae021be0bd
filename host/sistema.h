#pragma once

#include "platform/numlock.h"

#include <QString>

#include <functional>

class QObject;

namespace tarvelo {

// The desktop's opener says within this time whether it found a handler; one still running
// after it is showing the target itself (a browser or mail program started in the
// foreground). The window works on meanwhile, so a slow opener's failure is still told.
inline constexpr int kEsperaAbridorMs = 10000;

// Opens a web address, a mailto: link or a file with the desktop's handler, and returns at
// once: the window goes on working while the opener runs. `resultado` hears, from the event
// loop, a value above 32 once the desktop has the target and 0 when nothing could open it
// (callers treat 2 or less as failure and show their own message); it is never called once
// `contexto` is gone. An opener still running when the program ends is stopped; the handler
// it started stays.
void AbrirExterno(const QString& alvo, QObject* contexto, std::function<void(int)> resultado,
                  int esperaAbridorMs = kEsperaAbridorMs);

// Waits the given seconds (a number text in the user's format) while window events run.
void Esperar(const QString& segundos);

// Waits while window events run until `pronto` answers true, or at most the given
// milliseconds; answers whether it came true.
bool EsperarAte(const std::function<bool()>& pronto, int milissegundos);

// Called after each key release: while the "NumLock always on" option is ticked, switches
// NumLock back on when it is off, and then notes in gNumLockAuto that the program did it.
void ManterNumLock(bool opcaoMarcada, NumLockService& numLock);

}  // namespace tarvelo
