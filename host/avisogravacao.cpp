#include "host/avisogravacao.h"

#include "host/texto.h"
#include "platform/messagebox.h"

#include <QDir>

#include <utility>

namespace tarvelo {
namespace {

// How long the keys must rest before a failure found in the background is told.
constexpr int kSilencioMs = 1500;

}  // namespace

AvisoGravacao::AvisoGravacao(MessageService& mensagens) : mensagens_(mensagens)
{
    silencio_.setSingleShot(true);
    silencio_.setInterval(kSilencioMs);
    QObject::connect(&silencio_, &QTimer::timeout, [this] { avisarPendentes(); });
}

bool AvisoGravacao::jaAvisado(const QString& arquivo, const QString& motivo) const
{
    const auto avisado = avisados_.constFind(arquivo);
    return avisado != avisados_.cend() && *avisado == motivo;
}

void AvisoGravacao::esquecerPendente(const QString& arquivo)
{
    pendentes_.removeIf([&arquivo](const Falha& f) { return f.arquivo == arquivo; });
}

void AvisoGravacao::avisar(const Falha& falha, int estilo)
{
    if (jaAvisado(falha.arquivo, falha.motivo))
        return;
    avisados_.insert(falha.arquivo, falha.motivo);
    mensagens_.show(falha.texto.isEmpty() ? textoFalha(falha.arquivo, falha.motivo) : falha.texto, estilo);
}

void AvisoGravacao::falhou(const QString& arquivo, const QString& motivo, const QString& texto)
{
    // What this failure tells supersedes one of the same file still waiting.
    esquecerPendente(arquivo);
    avisar({arquivo, motivo, texto}, mb::Critical);
}

void AvisoGravacao::falhouAoFundo(const QString& arquivo, const QString& motivo, const QString& texto)
{
    if (jaAvisado(arquivo, motivo))
        return;
    esquecerPendente(arquivo);
    pendentes_.append({arquivo, motivo, texto});
    silencio_.start();
}

void AvisoGravacao::teclou()
{
    if (silencio_.isActive())
        silencio_.start();
}

void AvisoGravacao::avisarPendentes()
{
    // A box runs the event loop: a save failing meanwhile waits for the next round.
    const QList<Falha> agora = std::exchange(pendentes_, {});
    for (const Falha& falha : agora)
        avisar(falha, mb::Critical | mb::KeysAfterPause);
}

void AvisoGravacao::gravou(const QString& arquivo)
{
    avisados_.remove(arquivo);
    esquecerPendente(arquivo);
}

QString AvisoGravacao::textoFalha(const QString& arquivo, const QString& motivo)
{
    return fTexto(1101, QDir::toNativeSeparators(arquivo), motivo);
}

}  // namespace tarvelo
