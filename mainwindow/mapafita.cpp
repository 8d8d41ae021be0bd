#include "mainwindow/mapafita.h"

#include <algorithm>

namespace tarvelo {

void MapaFita::acharPares(QStringView texto, qsizetype de, qsizetype ate, std::vector<qsizetype>& destino) const
{
    for (qsizetype i = de; i + 1 < ate; ++i) {
        if (texto[i] == QLatin1Char('\r') && texto[i + 1] == QLatin1Char('\n')) {
            destino.push_back(i);
            ++i;
        }
    }
}

QString MapaFita::reiniciar(QStringView texto)
{
    pares_.clear();
    acharPares(texto, 0, texto.size(), pares_);
    return textoVista(texto);
}

MapaFita::TrechoVista MapaFita::aplicar(QStringView texto, qsizetype posicao, qsizetype removidos,
                                        qsizetype inseridos)
{
    const qsizetype tamanho = texto.size();
    posicao = std::clamp<qsizetype>(posicao, 0, tamanho);
    inseridos = std::clamp<qsizetype>(inseridos, 0, tamanho - posicao);
    removidos = std::max<qsizetype>(removidos, 0);

    // Everything before the edit is unchanged, so the line start is the same in the old
    // and the new text; the first LF at or after the edit's end is unchanged too.
    const qsizetype antes = posicao > 0 ? texto.left(posicao).lastIndexOf(QLatin1Char('\n')) : -1;
    const qsizetype inicio = antes + 1;
    const qsizetype depois = texto.indexOf(QLatin1Char('\n'), posicao + inseridos);
    const qsizetype fim = depois < 0 ? tamanho : depois + 1;
    const qsizetype diferenca = inseridos - removidos;
    const qsizetype fimAntigo = fim - diferenca;

    TrechoVista trecho;
    trecho.inicio = paraVista(inicio);
    trecho.removidos = paraVista(fimAntigo) - trecho.inicio;

    const auto primeiro = std::lower_bound(pares_.begin(), pares_.end(), inicio);
    const auto ultimo = std::lower_bound(primeiro, pares_.end(), fimAntigo);
    for (auto it = ultimo; it != pares_.end(); ++it)
        *it += diferenca;
    std::vector<qsizetype> novos;
    acharPares(texto, inicio, fim, novos);
    const auto onde = pares_.erase(primeiro, ultimo);
    pares_.insert(onde, novos.begin(), novos.end());

    trecho.inserido = textoVista(texto.mid(inicio, fim - inicio));
    return trecho;
}

qsizetype MapaFita::paraVista(qsizetype offsetFita) const
{
    // Every pair that starts before the offset counts one character less in the view; an
    // offset between CR and LF lands on the view's line break.
    const auto n = std::lower_bound(pares_.begin(), pares_.end(), offsetFita) - pares_.begin();
    return offsetFita - n;
}

qsizetype MapaFita::paraFita(qsizetype offsetVista) const
{
    // Pair i sits at view offset pares_[i] - i; the pairs before the view offset each add a
    // character back.
    qsizetype baixo = 0;
    qsizetype alto = static_cast<qsizetype>(pares_.size());
    while (baixo < alto) {
        const qsizetype meio = (baixo + alto) / 2;
        if (pares_[meio] - meio < offsetVista)
            baixo = meio + 1;
        else
            alto = meio;
    }
    return offsetVista + baixo;
}

QString MapaFita::textoVista(QStringView trecho)
{
    QString vista;
    vista.reserve(trecho.size());
    for (qsizetype i = 0; i < trecho.size(); ++i) {
        const QChar c = trecho[i];
        if (c == QLatin1Char('\r')) {
            vista += QLatin1Char('\n');
            if (i + 1 < trecho.size() && trecho[i + 1] == QLatin1Char('\n'))
                ++i;
        } else {
            vista += c;
        }
    }
    return vista;
}

}  // namespace tarvelo
