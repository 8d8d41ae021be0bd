#include "documents/favorecidos.h"

#include "host/globais.h"
#include "platform/ansi.h"
#include "platform/fileio.h"

#include <algorithm>
#include <numeric>
#include <utility>

namespace tarvelo {
namespace {

constexpr qint64 kTamanhoMaximo = 4 * 1024 * 1024;

// The file as far as it is read: a huge one is cut at the limit (and known to be cut).
FileRead lerArquivo(const QString& caminho)
{
    FileRead lido = readRegularFile(caminho, kTamanhoMaximo, Oversize::KeepHead);
    if (lido.status == FileRead::Status::TooLarge)
        lido.bytes.truncate(kTamanhoMaximo);
    return lido;
}

bool legivel(const FileRead& lido)
{
    return lido.status != FileRead::Status::Unreadable;
}

QStringList linhasDe(const QByteArray& bytes)
{
    const QString texto = fromAnsi(bytes);
    QStringList linhas;
    qsizetype inicio = 0;
    while (inicio < texto.size()) {
        qsizetype fim = inicio;
        while (fim < texto.size() && texto.at(fim) != u'\r' && texto.at(fim) != u'\n')
            ++fim;
        linhas.append(texto.sliced(inicio, fim - inicio));
        const bool crlf = fim + 1 < texto.size() && texto.at(fim) == u'\r' && texto.at(fim + 1) == u'\n';
        inicio = fim + (crlf ? 2 : 1);
    }
    return linhas;
}

}  // namespace

QString ArquivoFavorecidos()
{
    return globais().gPastaApp + QStringLiteral("favorecidos.txt");
}

QStringList LerFavorecidos(const QString& caminho)
{
    const FileRead lido = lerArquivo(caminho);
    if (!legivel(lido))
        return {};
    QStringList linhas = linhasDe(lido.bytes);
    linhas.removeIf([](const QString& linha) { return linha.size() > kMaiorFavorecido; });
    return linhas;
}

ListaFavorecidos::ListaFavorecidos(QStringList linhas) : linhas_(std::move(linhas)), porTexto_(linhas_.size())
{
    std::iota(porTexto_.begin(), porTexto_.end(), 0);
    std::sort(porTexto_.begin(), porTexto_.end(),
              [this](int a, int b) { return QStringView(linhas_.at(a)) < QStringView(linhas_.at(b)); });
}

int BuscarFavorecido(const ListaFavorecidos& lista, const QString& digitado)
{
    const QString procurado = digitado.toUpper();
    const QStringList& linhas = lista.linhas_;
    // Sorted by their text, the lines that begin with the typed text come together, from
    // the first one that is not less than it.
    const auto antes = [&linhas](int i, const QString& texto) { return QStringView(linhas.at(i)) < texto; };
    const auto comeca = [&linhas, &procurado](int i) { return linhas.at(i).startsWith(procurado); };
    const auto inicio = std::lower_bound(lista.porTexto_.cbegin(), lista.porTexto_.cend(), procurado, antes);
    const auto fim = std::partition_point(inicio, lista.porTexto_.cend(), comeca);
    return inicio == fim ? -1 : *std::min_element(inicio, fim);
}

bool AnexarFavorecido(const QString& caminho, const QString& favorecido)
{
    if (favorecido.isEmpty())
        return true;
    const FileRead lido = lerArquivo(caminho);
    if (!legivel(lido))
        return false;
    if (linhasDe(lido.bytes).contains(favorecido))
        return true;
    QByteArray linha = toAnsi(favorecido) + "\r\n";
    const bool semFimDeLinha = lido.ok() && !lido.bytes.isEmpty()
                               && !lido.bytes.endsWith('\n') && !lido.bytes.endsWith('\r');
    if (semFimDeLinha)
        linha.prepend("\r\n");
    return appendToFile(caminho, linha).ok();
}

}  // namespace tarvelo
