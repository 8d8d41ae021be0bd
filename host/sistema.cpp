#include "host/sistema.h"

#include "host/globais.h"
#include "platform/eventwait.h"
#include "platform/numbertext.h"

#include <algorithm>

namespace tarvelo {

void AbrirExterno(ShellService& shell, const QString& alvo, const JanelaQueAbre& janela, const QString& falha,
                  int icone)
{
    shell.open(alvo, janela.janela,
               {[janela] {
                    if (janela.aberta())
                        janela.mudarEstado(1);
                },
                [janela, falha, icone] {
                    if (!janela.aberta())
                        return;
                    janela.mudarEstado(0);
                    // It comes by itself, while the user may be typing elsewhere.
                    janela.mensagens.show(falha, icone | mb::KeysAfterPause);
                }});
}

void Esperar(const QString& segundos)
{
    const double espera = numberValue(segundos).value_or(0.0);
    if (espera > 0.0)
        runEventsFor(static_cast<int>(std::min(espera * 1000.0, 86'400'000.0)));
}

bool EsperarAte(const std::function<bool()>& pronto, int milissegundos)
{
    return runEventsUntil(pronto, milissegundos);
}

void ManterNumLock(bool opcaoMarcada, NumLockService& numLock)
{
    if (!opcaoMarcada || numLock.isOn())
        return;
    if (numLock.switchOn())
        globais().gNumLockAuto = true;
}

}  // namespace tarvelo
