// The cheque window reads the payee list at every opening, and its payee field searches
// the list at every key typed in it. A huge or damaged "favorecidos.txt" (a first line of
// 5 MB without a line break, then ANA, JOAO, JOSE and a long list of payees: 12 MB, or as
// much as is listed) must open at once and keep each key far under a millisecond.
#include "documents/favorecidos.h"

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <map>
#include <memory>

using namespace tarvelo;

namespace {

constexpr qsizetype kMegabyte = 1024 * 1024;
constexpr qsizetype kLinhaSemFim = 5 * kMegabyte;

class ArquivoGrande {
public:
    explicit ArquivoGrande(qsizetype tamanho)
    {
        QByteArray bytes = QByteArray(kLinhaSemFim, 'X') + "\r\nANA\r\nJOAO\r\nJOSE\r\n";
        // In no order, as payees are added when their first cheque is printed.
        for (int i = 1; bytes.size() < tamanho; ++i)
            bytes += "FAVORECIDO " + QByteArray::number(i * 7919 % 1000003).rightJustified(7, '0') + " LTDA\r\n";
        QFile arquivo(caminho);
        if (!arquivo.open(QIODevice::WriteOnly) || arquivo.write(bytes) != bytes.size())
            std::abort();
    }

    QTemporaryDir pasta;
    QString caminho = pasta.filePath(QStringLiteral("favorecidos.txt"));
};

const QString& arquivo(qsizetype megabytes)
{
    static std::map<qsizetype, std::unique_ptr<ArquivoGrande>> feitos;
    auto& feito = feitos[megabytes];
    if (!feito)
        feito = std::make_unique<ArquivoGrande>(megabytes * kMegabyte);
    return feito->caminho;
}

// What the cheque window's load does with the file.
void BM_LerFavorecidos(benchmark::State& state)
{
    const QString& caminho = arquivo(state.range(0));
    qsizetype entradas = 0;
    for (auto _ : state) {
        const ListaFavorecidos lista = LerFavorecidos(caminho);
        entradas = lista.linhas().size();
        benchmark::DoNotOptimize(lista);
    }
    state.counters["entries"] = static_cast<double>(entradas);
    state.SetBytesProcessed(state.iterations() * state.range(0) * kMegabyte);
}

// One key: the text typed so far against the whole list, as the field's change does.
void BM_BuscarFavorecido(benchmark::State& state, const char* digitado)
{
    const ListaFavorecidos lista = LerFavorecidos(arquivo(12));
    const QString texto = QString::fromLatin1(digitado);
    for (auto _ : state)
        benchmark::DoNotOptimize(BuscarFavorecido(lista, texto));
    state.counters["entries"] = static_cast<double>(lista.linhas().size());
}

}  // namespace

BENCHMARK(BM_LerFavorecidos)->Arg(12)->Arg(kMaiorListaFavorecidos / kMegabyte)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_BuscarFavorecido, jos, "jos")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_BuscarFavorecido, someHundreds, "favorecido 05")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_BuscarFavorecido, almostAll, "f")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_BuscarFavorecido, none, "zulmira")->Unit(benchmark::kMicrosecond);
