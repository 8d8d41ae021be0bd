#include "documents/ui/abrirdocumentos.h"

#include "documents/abertura.h"
#include "documents/ui/frmcheque.h"
#include "documents/ui/frmpromissoria.h"

namespace tarvelo {

void MostrarCheque(const Entrega& entrega, const ServicosDocumento& servicos, RegistroJanelas* janelas)
{
    frmCheque janela(servicos, entrega, janelas);
    janela.Mostrar();
}

void MostrarPromissoria(const Entrega& entrega, const ServicosDocumento& servicos, RegistroJanelas* janelas)
{
    frmPromissoria janela(servicos, entrega, janelas);
    janela.Mostrar();
}

void AbrirCheque(const QString& visor, const ServicosDocumento& servicos, RegistroJanelas* janelas)
{
    if (const auto entrega = EntregaCheque(visor, servicos.mensagens))
        MostrarCheque(*entrega, servicos, janelas);
}

void AbrirPromissoria(const QString& visor, const ServicosDocumento& servicos, RegistroJanelas* janelas,
                      const QString& tituloCalculadora)
{
    if (const auto entrega =
            EntregaPromissoria(visor, servicos.mensagens, servicos.entrada, servicos.relogio, tituloCalculadora))
        MostrarPromissoria(*entrega, servicos, janelas);
}

}  // namespace tarvelo
