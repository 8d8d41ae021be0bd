#pragma once

#include <QHash>
#include <QString>

namespace tarvelo {

class MessageService;

// Tells the user of the saves that failed, once per file and reason: a full disk met at
// every key is one message, not one per key, and a save that works again re-arms it.
class AvisoGravacao {
public:
    explicit AvisoGravacao(MessageService& mensagens) : mensagens_(mensagens) {}

    // `arquivo` could not be written for `motivo` (the system's words): shows `texto`, or
    // the general message naming the file and the reason when `texto` is empty.
    void falhou(const QString& arquivo, const QString& motivo, const QString& texto = {});
    // `arquivo` was written.
    void gravou(const QString& arquivo);

    // "Could not save the file: <file> <reason>", in gIdioma.
    static QString textoFalha(const QString& arquivo, const QString& motivo);

private:
    MessageService& mensagens_;
    QHash<QString, QString> avisados_;  // file -> the reason already told
};

}  // namespace tarvelo
