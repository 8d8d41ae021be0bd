#include "documents/documento.h"

namespace tarvelo {

QString secaoBase(Documento documento)
{
    return documento == Documento::Cheque ? QStringLiteral("Cheque") : QStringLiteral("Promissoria");
}

}  // namespace tarvelo
