#include "documents/ui/abrirdocumentos.h"

#include "documents/abertura.h"
#include "documents/backupcheques.h"
#include "documents/ui/frmcheque.h"
#include "documents/ui/frmpromissoria.h"
#include "host/texto.h"
#include "host/ui/janelas.h"
#include "platform/messagebox.h"
#include "platform/registry.h"
#include "platform/settings.h"

#include <QFileInfo>

namespace tarvelo {
namespace {

bool documentoAberto(const RegistroJanelas* janelas)
{
    if (!janelas)
        return false;
    for (const char* nome : {"frmCheque", "frmPromissoria"})
        if (const Janela* janela = janelas->janela(QString::fromLatin1(nome)); janela && janela->Carregada())
            return true;
    return false;
}

// A name or a text from the file as a message shows it: one line of a file can be a
// megabyte long.
QString trecho(const QString& texto)
{
    constexpr qsizetype kMaior = 60;
    return texto.size() <= kMaior ? texto : texto.left(kMaior) + QChar(0x2026);
}

// The value the window cannot use, and what it may be.
QString valorImpossivel(const RestauracaoModelos& r)
{
    const QString limite = r.limite.tipo == LimiteValor::Tipo::Nome
                               ? fTexto(1143, QString::number(r.limite.maximo))
                               : fTexto(1142, QString::number(r.limite.minimo), QString::number(r.limite.maximo));
    return trecho(r.texto) + QStringLiteral("\r\n") + limite;
}

// The message for a restore, with its icon. `configuracoes` is the settings file, named
// when it could not take the models.
std::pair<QString, int> mensagemRestauracao(const RestauracaoModelos& r, const QString& arquivo,
                                            const QString& configuracoes)
{
    using R = RestauracaoModelos::Resultado;
    switch (r.resultado) {
    case R::Restaurado: return {fTexto(1122, arquivo), mb::Information};
    case R::Ilegivel: return {fTexto(1123, arquivo, r.motivo), mb::Critical};
    case R::Grande: return {fTexto(1124, arquivo), mb::Critical};
    case R::Unicode: return {fTexto(1125, arquivo), mb::Critical};
    case R::Danificado: return {fTexto(1126, arquivo, QString::number(r.linha)), mb::Critical};
    case R::CodificacaoMista: return {fTexto(1161, arquivo, QString::number(r.linha)), mb::Critical};
    case R::SemModelo: return {fTexto(1145, arquivo), mb::Critical};
    case R::ChaveAlheia: return {fTexto(1127, arquivo, r.chave, QString::number(r.linha)), mb::Critical};
    case R::ValorAlheio: return {fTexto(1140, arquivo, trecho(r.valor), QString::number(r.linha)), mb::Critical};
    case R::ValorForaDoBackup: return {fTexto(1160, arquivo, trecho(r.valor), QString::number(r.linha)), mb::Critical};
    case R::ValorImpossivel:
        return {fTexto(1141, arquivo, QString::number(r.linha), valorImpossivel(r)), mb::Critical};
    case R::ModeloIncompleto: return {fTexto(1144, arquivo, r.chave, r.valor), mb::Critical};
    case R::NaoGravado: break;
    }
    return {fTexto(1129, arquivo, r.motivo, configuracoes), mb::Critical};
}

}  // namespace

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

void AbrirBackupModelos(const QString& arquivo, const ServicosDocumento& servicos, RegistroJanelas* janelas)
{
    const QString caminho = QFileInfo(arquivo).absoluteFilePath();
    if (documentoAberto(janelas)) {
        servicos.mensagens.show(fTexto(1128), mb::Exclamation);
        return;
    }
    if (servicos.mensagens.show(fTexto(1121, caminho), mb::YesNo | mb::Question | mb::DefaultButton2) != mb::Yes)
        return;
    Registry& registro = servicos.configuracoes.store();
    const auto [texto, icone] = mensagemRestauracao(RestaurarBackupModelos(registro, caminho), caminho,
                                                    registro.hiveFilePath(Hive::CurrentUser));
    servicos.mensagens.show(texto, icone);
}

}  // namespace tarvelo
