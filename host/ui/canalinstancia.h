#pragma once

#include "host/comando.h"

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>

#include <deque>
#include <memory>
#include <sys/types.h>
#include <vector>

class QSocketNotifier;

namespace tarvelo {

// The channel between the running copy and later starts: a Unix-domain socket in a folder
// only this user can reach. Listening on it is what marks a copy as the running one. A
// socket file left behind by a copy that died answers nobody, so it counts as no running
// copy; a name that belongs to anyone else is never used.
//
// What arrives is read into a queue and handled from the event loop one message at a
// time, never inside another message's handling (which may open a window and run events).
// A peer gets a bounded share: connections past the cap push out the longest idle one,
// those past the rate wait in the backlog for the next second, a connection idle for 5 s
// is closed, and one that floods the queue is dropped.
//
// Every wait of a later start runs events with a deadline, so a copy that waits for
// another in the same process (the tests) never blocks its own receiver, and nothing
// waits forever.
class CanalInstancia final : public QObject {
    Q_OBJECT

public:
    explicit CanalInstancia(QString nome, QObject* parent = nullptr);
    ~CanalInstancia() override;

    // The program's channel for this user and data folder, in the user's private folder
    // (pastaPrivada). Copies on different data folders (TARVELO_HOME) never see each other,
    // so each folder's tape state has one writer. Empty when no private folder exists.
    static QString nomePadrao(const QString& pastaDados);
    // $XDG_RUNTIME_DIR when it is the user's own and closed to others; else a folder of
    // ours, mode 0700, in the temporary folder, then in the user's cache folder, each taken
    // only when it is the user's own and closed to others. Empty when none is.
    static QString pastaPrivada();

    const QString& nome() const { return nome_; }
    bool escutando() const { return servidor_ >= 0; }

    // A copy answers on the channel.
    bool haCopiaRodando(int esperaMs = 1000);

    enum class Reivindicacao { PrimeiraCopia, CopiaRodando, Falhou };
    // Becomes the running copy unless one answers. Done under a lock file, so two starts
    // at the same moment never both become the running copy.
    Reivindicacao reivindicar();

    // Hands a text to the running copy; false when none could be reached.
    bool encaminhar(const QString& texto, int esperaMs = 3000);
    // Hands the running copy a file to open, by its absolute path.
    bool encaminharArquivo(const QString& caminho, int esperaMs = 3000);

    enum class Fechamento { NenhumaCopia, Fechou, TempoEsgotado };
    // Asks the running copy to close, then waits until it has gone (its end of the
    // connection closes when it has finished closing, or when its process ends).
    Fechamento pedirFechamento(int esperaMs);

    // Stops listening and drops every connection: a copy waiting for this one to close
    // sees it gone.
    void encerrar();

    // Limits of what the running copy takes.
    static constexpr int kMaxConexoes = 32;
    static constexpr int kMaxConexoesPorSegundo = 100;
    static constexpr int kMaxFila = 64;
    static constexpr int kOciosaMs = 5000;

signals:
    void comandoRecebido(const QString& texto);
    void arquivoRecebido(const QString& caminho);
    void fechamentoPedido();

private:
    struct Conexao;

    void aceitar();
    void ler(Conexao* conexao);
    void fechar(Conexao* conexao);
    void fecharOciosas();
    void tratarProxima();
    int conectar(int esperaMs) const;
    bool entregar(const MensagemCanal& mensagem, int esperaMs);

    QString nome_;
    int servidor_ = -1;
    ino_t inodeSocket_ = 0;
    std::unique_ptr<QSocketNotifier> aviso_;
    std::vector<std::unique_ptr<Conexao>> conexoes_;
    // Closed while their notifier may still be on the stack; freed at the next event.
    std::vector<std::unique_ptr<Conexao>> fechadas_;
    std::deque<MensagemCanal> fila_;
    bool tratando_ = false;
    QTimer tmrFila_;
    QTimer tmrOciosas_;
    QElapsedTimer segundo_;
    int aceitasNoSegundo_ = 0;
};

}  // namespace tarvelo
