// The payee field searches the payee list at every key typed in it. A huge or damaged
// "favorecidos.txt" (here 12 MB: ANA, JOAO and JOSE, a long list of payees, then 5 MB
// without a line break) must keep each key far under a millisecond.
#include "documents/favorecidos.h"

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace tarvelo;

namespace {

constexpr qsizetype kTamanhoArquivo = 12 * 1024 * 1024;
constexpr qsizetype kLinhaSemFim = 5 * 1024 * 1024;

class ArquivoGrande {
public:
    ArquivoGrande()
    {
        QByteArray bytes = "ANA\r\nJOAO\r\nJOSE\r\n";
        // In no order, as payees are added when their first cheque is printed.
        for (int i = 1; bytes.size() < kTamanhoArquivo - kLinhaSemFim; ++i)
            bytes += "FAVORECIDO " + QByteArray::number(i * 7919 % 1000003).rightJustified(7, '0') + " LTDA\r\n";
        bytes += QByteArray(kTamanhoArquivo - bytes.size(), 'X');
        QFile arquivo(caminho);
        if (!arquivo.open(QIODevice::WriteOnly) || arquivo.write(bytes) != bytes.size())
            std::abort();
    }

    QTemporaryDir pasta;
    QString caminho = pasta.filePath(QStringLiteral("favorecidos.txt"));
};

const ArquivoGrande& arquivo()
{
    static const ArquivoGrande grande;
    return grande;
}

// What the cheque window's load does with the file.
void BM_LerFavorecidos(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(ListaFavorecidos(LerFavorecidos(arquivo().caminho)));
}

// One key: the text typed so far against the whole list, as the field's change does.
void BM_BuscarFavorecido(benchmark::State& state, const char* digitado)
{
    const ListaFavorecidos lista = LerFavorecidos(arquivo().caminho);
    const QString texto = QString::fromLatin1(digitado);
    for (auto _ : state)
        benchmark::DoNotOptimize(BuscarFavorecido(lista, texto));
    state.counters["entries"] = static_cast<double>(lista.linhas().size());
}

}  // namespace

BENCHMARK(BM_LerFavorecidos)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_BuscarFavorecido, jos, "jos")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_BuscarFavorecido, someHundreds, "favorecido 05")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_BuscarFavorecido, almostAll, "f")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_BuscarFavorecido, none, "zulmira")->Unit(benchmark::kMicrosecond);
