#pragma once

#include <QString>
#include <QStringView>

#include <vector>

namespace tarvelo {

// The tape as the engine holds it (lines ended by CR LF) and as a text view holds it (one
// character per line break). Offsets cross between the two through the positions of the
// CR LF pairs, kept up to date edit by edit, so that a key on a long tape never rescans it.
class MapaFita {
public:
    // A stretch of the view to replace: `removidos` characters from `inicio` become `inserido`.
    struct TrechoVista {
        qsizetype inicio = 0;
        qsizetype removidos = 0;
        QString inserido;
    };

    // Maps a whole text anew and gives the view's text for it.
    QString reiniciar(QStringView texto);

    // One edit of the engine's text, given after the fact: `texto` is the text after the
    // edit, in which `inseridos` characters at `posicao` took the place of `removidos`.
    // The view is updated line by line: the change spans from the start of the line the
    // edit begins in to the end of the line it ends in, so a pair of CR and LF that the
    // edit splits or joins is always inside it.
    TrechoVista aplicar(QStringView texto, qsizetype posicao, qsizetype removidos, qsizetype inseridos);

    qsizetype paraVista(qsizetype offsetFita) const;
    qsizetype paraFita(qsizetype offsetVista) const;

    // The view's text for a stretch of the engine's: CR LF, and a CR or LF alone, become one
    // line break.
    static QString textoVista(QStringView trecho);

private:
    void acharPares(QStringView texto, qsizetype de, qsizetype ate, std::vector<qsizetype>& destino) const;

    std::vector<qsizetype> pares_;  // offset of the CR of every CR LF pair, ascending
};

}  // namespace tarvelo
