#include "host/avisogravacao.h"

#include "host/texto.h"
#include "platform/messagebox.h"

#include <QDir>

namespace tarvelo {

void AvisoGravacao::falhou(const QString& arquivo, const QString& motivo, const QString& texto)
{
    const auto avisado = avisados_.constFind(arquivo);
    if (avisado != avisados_.cend() && *avisado == motivo)
        return;
    avisados_.insert(arquivo, motivo);
    mensagens_.show(texto.isEmpty() ? textoFalha(arquivo, motivo) : texto, mb::Critical);
}

void AvisoGravacao::gravou(const QString& arquivo)
{
    avisados_.remove(arquivo);
}

QString AvisoGravacao::textoFalha(const QString& arquivo, const QString& motivo)
{
    return fTexto(1101, QDir::toNativeSeparators(arquivo), motivo);
}

}  // namespace tarvelo
