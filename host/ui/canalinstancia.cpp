#include "host/ui/canalinstancia.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QTimer>

#include <functional>
#include <unistd.h>

namespace tarvelo {
namespace {

// Runs events until `pronto` holds or the time is up; returns `pronto()`.
bool esperarAte(const std::function<bool()>& pronto, int esperaMs)
{
    if (pronto())
        return true;
    const QDeadlineTimer prazo(esperaMs);
    QEventLoop laco;
    QTimer tique;
    tique.setInterval(5);
    QObject::connect(&tique, &QTimer::timeout, &laco, [&] {
        if (pronto() || prazo.hasExpired())
            laco.quit();
    });
    tique.start();
    laco.exec();
    return pronto();
}

// A socket file in a shared temporary folder may have been put there by another user;
// such a file is never taken for our running copy.
bool donoEstranho(const QString& caminho)
{
    const QFileInfo info(caminho);
    return info.exists() && info.ownerId() != ::getuid();
}

}  // namespace

CanalInstancia::CanalInstancia(QString nome, QObject* parent) : QObject(parent), nome_(std::move(nome)) {}

CanalInstancia::~CanalInstancia()
{
    encerrar();
}

QString CanalInstancia::nomePadrao(const QString& pastaDados)
{
    QString pasta = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (pasta.isEmpty() || !QFileInfo(pasta).isDir())
        pasta = QDir::tempPath();
    const QByteArray resumo = QCryptographicHash::hash(QDir::cleanPath(pastaDados).toUtf8(), QCryptographicHash::Sha1)
                                  .toHex()
                                  .left(12);
    return QDir(pasta).filePath(QStringLiteral("tarvelo-%1-%2").arg(::getuid()).arg(QString::fromLatin1(resumo)));
}

bool CanalInstancia::escutando() const
{
    return servidor_ && servidor_->isListening();
}

std::unique_ptr<QLocalSocket> CanalInstancia::conectar(int esperaMs)
{
    if (donoEstranho(nome_))
        return nullptr;
    auto socket = std::make_unique<QLocalSocket>();
    socket->connectToServer(nome_);
    const auto decidido = [&socket] {
        return socket->state() == QLocalSocket::ConnectedState || socket->state() == QLocalSocket::UnconnectedState;
    };
    esperarAte(decidido, esperaMs);
    if (socket->state() != QLocalSocket::ConnectedState)
        return nullptr;
    return socket;
}

bool CanalInstancia::haCopiaRodando(int esperaMs)
{
    auto socket = conectar(esperaMs);
    if (!socket)
        return false;
    socket->abort();
    return true;
}

CanalInstancia::Reivindicacao CanalInstancia::reivindicar()
{
    if (escutando())
        return Reivindicacao::PrimeiraCopia;
    // A lock left by a start that died is taken over (QLockFile checks its process).
    // Without the lock (a stuck holder) the start goes on: a second running copy is
    // better than no calculator.
    QLockFile trava(nome_ + QStringLiteral(".lock"));
    trava.tryLock(5000);
    if (haCopiaRodando())
        return Reivindicacao::CopiaRodando;
    if (donoEstranho(nome_))
        return Reivindicacao::Falhou;

    // Nobody answers: whatever socket file is there was left by a copy that died.
    QLocalServer::removeServer(nome_);
    auto* servidor = new QLocalServer(this);
    servidor->setSocketOptions(QLocalServer::UserAccessOption);
    if (!servidor->listen(nome_)) {
        delete servidor;
        return Reivindicacao::Falhou;
    }
    servidor_ = servidor;
    connect(servidor_, &QLocalServer::newConnection, this, &CanalInstancia::novaConexao);
    return Reivindicacao::PrimeiraCopia;
}

void CanalInstancia::novaConexao()
{
    while (servidor_ && servidor_->hasPendingConnections()) {
        QLocalSocket* socket = servidor_->nextPendingConnection();
        if (!socket)
            break;
        socket->setReadBufferSize(kMaxPendenteCanal);
        auto leitor = std::make_shared<LeitorCanal>();
        connect(socket, &QLocalSocket::readyRead, this, [this, socket, leitor] {
            leitor->acrescentar(socket->readAll());
            while (const auto mensagem = leitor->proxima()) {
                // Handled after this slot returns: the command may open a modal window,
                // which must not run inside the socket's notification.
                if (mensagem->tipo == MensagemCanal::Tipo::Comando) {
                    QMetaObject::invokeMethod(
                        this, [this, texto = mensagem->texto] { emit comandoRecebido(texto); }, Qt::QueuedConnection);
                } else {
                    QMetaObject::invokeMethod(this, [this] { emit fechamentoPedido(); }, Qt::QueuedConnection);
                }
            }
            if (leitor->invalido())
                socket->abort();
        });
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    }
}

bool CanalInstancia::enviar(QLocalSocket& socket, const MensagemCanal& mensagem, int esperaMs)
{
    const QByteArray quadro = codificarMensagem(mensagem);
    if (quadro.isEmpty() || socket.write(quadro) != quadro.size())
        return false;
    return esperarAte(
        [&socket] { return socket.bytesToWrite() == 0 || socket.state() != QLocalSocket::ConnectedState; }, esperaMs)
        && socket.bytesToWrite() == 0;
}

bool CanalInstancia::encaminhar(const QString& texto, int esperaMs)
{
    auto socket = conectar(esperaMs);
    if (!socket)
        return false;
    const bool enviado = enviar(*socket, {MensagemCanal::Tipo::Comando, texto}, esperaMs);
    socket->disconnectFromServer();
    esperarAte([&socket] { return socket->state() == QLocalSocket::UnconnectedState; }, 1000);
    return enviado;
}

CanalInstancia::Fechamento CanalInstancia::pedirFechamento(int esperaMs)
{
    auto socket = conectar(1000);
    if (!socket)
        return Fechamento::NenhumaCopia;
    if (!enviar(*socket, {MensagemCanal::Tipo::Fechar, {}}, 1000))
        return Fechamento::TempoEsgotado;
    const bool foi =
        esperarAte([&socket] { return socket->state() == QLocalSocket::UnconnectedState; }, esperaMs);
    return foi ? Fechamento::Fechou : Fechamento::TempoEsgotado;
}

void CanalInstancia::encerrar()
{
    if (!servidor_)
        return;
    const auto conexoes = servidor_->findChildren<QLocalSocket*>();
    for (QLocalSocket* socket : conexoes)
        socket->abort();
    servidor_->close();
    delete servidor_;
    servidor_ = nullptr;
}

}  // namespace tarvelo
