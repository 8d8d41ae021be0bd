#include "documents/documento.h"

#include "host/preferencias.h"

namespace tarvelo {

QString secaoBase(Documento documento)
{
    return (documento == Documento::Cheque ? pref::kCheque : pref::kPromissoria).toString();
}

}  // namespace tarvelo
