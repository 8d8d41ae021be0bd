// The tool windows opened from the calculator: the open calculation closed first, then
// the window, modal, with the calculator's services and its engine as the tape's port.

#include "mainwindow/janelacalcula.h"

#include "calc/teclas.h"
#include "interest/ui/abrirjuro.h"
#include "tools/ui/janelaferramenta.h"

namespace tarvelo {

void JanelaCalcula::fecharCalculoAberto()
{
    form_.Form_KeyPress(codigo(Caractere::Igual));
    form_.chkIgual.setValue(false);
    form_.LimpaTudo();
}

ServicosFerramenta JanelaCalcula::servicosFerramenta()
{
    return ServicosFerramenta{servicos_.mensagens,     servicos_.entrada, servicos_.relogio,
                              servicos_.configuracoes, servicos_.numLock, form_,
                              janelas_,                servicos_.bip};
}

void JanelaCalcula::mnuJuro_Click()
{
    entrada([this] { fecharCalculoAberto(); });
    AbrirJuro(servicosFerramenta(), [this](const Entrega& nota) { mostrarNotaDoPlano(nota); });
}

}  // namespace tarvelo
