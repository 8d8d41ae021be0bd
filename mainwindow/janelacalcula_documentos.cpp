// The cheque and the promissory note for the value on the display.

#include "mainwindow/janelacalcula.h"

#include "documents/ui/abrirdocumentos.h"

namespace tarvelo {
namespace {

std::optional<ServicosDocumento> servicosDocumento(const ServicosJanela& s)
{
    if (!s.impressoras)
        return std::nullopt;
    return ServicosDocumento{s.mensagens, s.entrada, s.relogio, s.configuracoes, *s.impressoras, s.arquivos};
}

}  // namespace

void JanelaCalcula::mnuCheque_Click()
{
    form_.silenciarNota();
    if (const auto servicos = servicosDocumento(servicos_))
        AbrirCheque(form_.lblVisor[0].Caption(), *servicos, &janelas_);
}

void JanelaCalcula::mnuPromissoria_Click()
{
    form_.silenciarNota();
    if (const auto servicos = servicosDocumento(servicos_))
        AbrirPromissoria(form_.lblVisor[0].Caption(), *servicos, &janelas_, form_.Caption());
}

void JanelaCalcula::AbrirArquivo(const QString& caminho)
{
    form_.silenciarNota();
    if (const auto servicos = servicosDocumento(servicos_))
        AbrirBackupModelos(caminho, *servicos, &janelas_);
}

void JanelaCalcula::mostrarNotaDoPlano(const Entrega& nota)
{
    if (const auto servicos = servicosDocumento(servicos_))
        MostrarPromissoria(nota, *servicos, &janelas_);
}

}  // namespace tarvelo
