#include "interest/ui/abrirjuro.h"

#include "host/globais.h"
#include "interest/ui/frmjuro2.h"
#include "interest/ui/janelajuro.h"

namespace tarvelo {

void AbrirJuro(const ServicosFerramenta& servicos, const std::function<void(const Entrega&)>& mostrarNota)
{
    const Globais& g = globais();
    if (g.gIdioma == 1 && g.gFormatoData.startsWith(QLatin1String("dd"))) {
        frmJuro2 avancada(servicos, mostrarNota);
        avancada.exec();
        if (!avancada.pediuModoSimples() || globais().gFechando)
            return;
    }
    frmJuro simples(servicos);
    simples.exec();
}

}  // namespace tarvelo
