// The running copy reads whatever any local program of the user writes to its channel.

#include "host/comando.h"

#include <cstddef>
#include <cstdint>
#include <algorithm>
#include <cstdlib>

using namespace tarvelo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    // The first byte chooses how the stream is cut into reads, as the socket may deliver it.
    const std::size_t passo = 1 + data[0] % 64;
    const char* bytes = reinterpret_cast<const char*>(data + 1);
    const std::size_t total = size - 1;
    LeitorCanal leitor;
    for (std::size_t i = 0; i < total; i += passo) {
        leitor.acrescentar(QByteArrayView(bytes + i, static_cast<qsizetype>(std::min(passo, total - i))));
        // No message is ever longer than the limit, whatever the bytes claimed.
        while (const auto mensagem = leitor.proxima()) {
            if (mensagem->texto.size() > kMaxTextoCanal)
                std::abort();
        }
        if (leitor.invalido() && leitor.proxima())
            std::abort();
    }
    return 0;
}
