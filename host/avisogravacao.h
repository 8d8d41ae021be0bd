#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QTimer>

namespace tarvelo {

class MessageService;

// Tells the user of the saves that failed, once per file and reason: a full disk met at
// every key is one message, not one per key, and a save that works again re-arms it.
class AvisoGravacao {
public:
    explicit AvisoGravacao(MessageService& mensagens);
    AvisoGravacao(const AvisoGravacao&) = delete;
    AvisoGravacao& operator=(const AvisoGravacao&) = delete;

    // `arquivo` could not be written for `motivo` (the system's words): shows `texto`, or
    // the general message naming the file and the reason when `texto` is empty.
    void falhou(const QString& arquivo, const QString& motivo, const QString& texto = {});
    // The same, found by a save the user did not just ask for (the tape's, in the
    // background) while they may be typing: told once no key has come for a moment, in a
    // box that takes no key typed on in the same breath. A later failure of the same file
    // told at once, or a save of it that works, takes its place.
    void falhouAoFundo(const QString& arquivo, const QString& motivo, const QString& texto = {});
    // A key of the user's came: what waits to be told waits on.
    void teclou();
    // `arquivo` was written: nothing about it waits any more.
    void gravou(const QString& arquivo);

    // "Could not save the file: <file> <reason>", in gIdioma.
    static QString textoFalha(const QString& arquivo, const QString& motivo);

private:
    struct Falha {
        QString arquivo, motivo, texto;
    };
    bool jaAvisado(const QString& arquivo, const QString& motivo) const;
    void avisarPendentes();
    void esquecerPendente(const QString& arquivo);
    void avisar(const Falha& falha, int estilo);

    MessageService& mensagens_;
    QHash<QString, QString> avisados_;  // file -> the reason already told
    QList<Falha> pendentes_;            // one per file, the latest
    QTimer silencio_;
};

}  // namespace tarvelo
