// The tape state file is read back from disk, where anything may have happened to it:
// reading any bytes must neither crash nor allocate without bound, and what was read
// must come back the same from its own record.

#include "calc/fita_arquivo.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace tarvelo;
    const auto lido = LerEstadoFita(QByteArrayView(data, static_cast<qsizetype>(size)));
    if (!lido)
        return 0;
    // A quote can only be read as part of a field not written between quotes; the writer
    // turns it into an apostrophe.
    EstadoFita esperado = *lido;
    for (QString* campo : {&esperado.data, &esperado.fita, &esperado.total, &esperado.operador, &esperado.entrada,
                           &esperado.visor, &esperado.contador})
        campo->replace(QLatin1Char('"'), QLatin1Char('\''));
    const auto relido = LerEstadoFita(EscreverEstadoFita(*lido));
    if (!relido || *relido != esperado)
        std::abort();
    return 0;
}
