#pragma once

#include "platform/messagebox.h"
#include "platform/numlock.h"
#include "platform/shell.h"

#include <QString>

#include <functional>

class QObject;

namespace tarvelo {

// The window that hands a target to the desktop's opener, as the answers reach it.
struct JanelaQueAbre {
    QObject* janela;                              // the answers go with it
    MessageService& mensagens;
    std::function<bool()> aberta;                 // a window closed meanwhile hears nothing more
    std::function<void(int estado)> mudarEstado;  // 1 minimised, 0 as it was
};

// Hands `alvo` to the desktop's opener and returns at once: the window goes on working, and
// makes way for the target as soon as the opener has started. When the opener then says
// that nothing opened the target, the window comes back and tells `falha` with `icone`, once,
// above itself. A window that has closed meanwhile neither goes down nor speaks.
void AbrirExterno(ShellService& shell, const QString& alvo, const JanelaQueAbre& janela, const QString& falha,
                  int icone);

// Waits the given seconds (a number text in the user's format) while window events run.
void Esperar(const QString& segundos);

// Waits while window events run until `pronto` answers true, or at most the given
// milliseconds; answers whether it came true.
bool EsperarAte(const std::function<bool()>& pronto, int milissegundos);

// Called after each key release: while the "NumLock always on" option is ticked, switches
// NumLock back on when it is off, and then notes in gNumLockAuto that the program did it.
void ManterNumLock(bool opcaoMarcada, NumLockService& numLock);

}  // namespace tarvelo
