#pragma once

#include "host/comando.h"

#include <QObject>
#include <QString>

#include <memory>

class QLocalServer;
class QLocalSocket;

namespace tarvelo {

// The channel between the running copy and later starts: a local socket that only this
// user can reach. Listening on it is what marks a copy as the running one. A socket file
// left behind by a copy that died answers nobody, so it counts as no running copy.
//
// Every wait here runs a nested event loop with a deadline, so a copy that waits for
// another in the same process (the tests) or for the network never blocks its own
// receiver, and nothing waits forever.
class CanalInstancia final : public QObject {
    Q_OBJECT

public:
    explicit CanalInstancia(QString nome, QObject* parent = nullptr);
    ~CanalInstancia() override;

    // The program's channel for this user and data folder: a socket in $XDG_RUNTIME_DIR
    // (private to the user), else in the temporary folder with the user id in its name.
    // Copies on different data folders (TARVELO_HOME) never see each other, so each
    // folder's tape state has one writer.
    static QString nomePadrao(const QString& pastaDados);

    const QString& nome() const { return nome_; }
    bool escutando() const;

    // A copy answers on the channel.
    bool haCopiaRodando(int esperaMs = 1000);

    enum class Reivindicacao { PrimeiraCopia, CopiaRodando, Falhou };
    // Becomes the running copy unless one answers. Done under a lock file, so two starts
    // at the same moment never both become the running copy.
    Reivindicacao reivindicar();

    // Hands a text to the running copy; false when none could be reached.
    bool encaminhar(const QString& texto, int esperaMs = 3000);

    enum class Fechamento { NenhumaCopia, Fechou, TempoEsgotado };
    // Asks the running copy to close, then waits until it has gone (its end of the
    // connection closes when it has finished closing, or when its process ends).
    Fechamento pedirFechamento(int esperaMs);

    // Stops listening and drops every connection: a copy waiting for this one to close
    // sees it gone.
    void encerrar();

signals:
    void comandoRecebido(const QString& texto);
    void fechamentoPedido();

private:
    void novaConexao();
    std::unique_ptr<QLocalSocket> conectar(int esperaMs);
    bool enviar(QLocalSocket& socket, const MensagemCanal& mensagem, int esperaMs);

    QString nome_;
    QLocalServer* servidor_ = nullptr;
};

}  // namespace tarvelo
