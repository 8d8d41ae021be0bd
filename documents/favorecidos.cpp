#include "documents/favorecidos.h"

#include "host/globais.h"
#include "platform/textfile.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace tarvelo {

QString ArquivoFavorecidos()
{
    return globais().gPastaApp + QStringLiteral("favorecidos.txt");
}

ListaFavorecidos LerFavorecidos(const QString& caminho)
{
    QStringList linhas;
    const TextLines lidas = readTextLines(caminho, kMaiorFavorecido, kMaiorListaFavorecidos, [&linhas](QString linha) {
        linhas.append(std::move(linha));
        return true;
    });
    return {std::move(linhas), lidas.cut};
}

ListaFavorecidos::ListaFavorecidos(QStringList linhas, bool cortada) : linhas_(std::move(linhas)), cortada_(cortada)
{
    // Each text sorted beside its position: a comparison then reaches the two texts without
    // first going through the list, which counts with a million lines.
    std::vector<std::pair<QStringView, int>> ordem;
    ordem.reserve(linhas_.size());
    for (int i = 0; i < linhas_.size(); ++i)
        ordem.emplace_back(linhas_.at(i), i);
    std::sort(ordem.begin(), ordem.end());
    porTexto_.reserve(ordem.size());
    for (const auto& [texto, posicao] : ordem)
        porTexto_.push_back(posicao);
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
    bool presente = false;
    const TextLines lidas = readTextLines(caminho, favorecido.size(), std::numeric_limits<qint64>::max(),
                                          [&presente, &favorecido](const QString& linha) {
                                              presente = linha == favorecido;
                                              return !presente;
                                          });
    if (!lidas.readable())
        return false;
    if (presente)
        return true;
    // Written as "?" the payee would be another line, never found, and added again at
    // every print; the file is the user's, so it is not rewritten in another encoding.
    if (lidas.encoding == TextEncoding::Windows1252 && heldInAnsi(favorecido) != favorecido)
        return true;
    return appendText(caminho, lidas, favorecido + QStringLiteral("\r\n")).ok();
}

}  // namespace tarvelo
