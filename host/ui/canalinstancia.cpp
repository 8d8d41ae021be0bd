#include "host/ui/canalinstancia.h"

#include "host/sistema.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QSocketNotifier>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace tarvelo {

struct CanalInstancia::Conexao {
    int fd = -1;
    std::unique_ptr<QSocketNotifier> aviso;
    LeitorCanal leitor;
    QElapsedTimer ociosa;
    // A start waiting for this copy to close keeps its connection until the close is done.
    bool esperaFechamento = false;
};

namespace {

constexpr int kLeituraMaxima = 64 * 1024;

bool enderecoDe(const QString& caminho, sockaddr_un& endereco)
{
    endereco = {};
    endereco.sun_family = AF_UNIX;
    const QByteArray bytes = QFile::encodeName(caminho);
    if (bytes.isEmpty() || bytes.size() >= static_cast<qsizetype>(sizeof endereco.sun_path))
        return false;
    std::memcpy(endereco.sun_path, bytes.constData(), static_cast<size_t>(bytes.size()));
    return true;
}

// A folder is private when it is a real folder (no link), the user's own, and nobody else
// may write to it, list it or pass through it.
bool pastaEPrivada(const QString& pasta)
{
    struct stat st {};
    return ::lstat(QFile::encodeName(pasta).constData(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::getuid()
           && (st.st_mode & 077) == 0;
}

// Our own folder under `base`: created with mode 0700, or taken when it is already ours.
QString pastaPropria(const QString& base, const QString& nome)
{
    if (base.isEmpty() || !QDir::isAbsolutePath(base))
        return {};
    const QString pasta = QDir(base).filePath(nome);
    ::mkdir(QFile::encodeName(pasta).constData(), 0700);
    return pastaEPrivada(pasta) ? pasta : QString();
}

// What is at the name, unless it is ours: a socket file of another user is never taken
// for our running copy, nor removed.
bool nomeAlheio(const QString& caminho)
{
    struct stat st {};
    if (::lstat(QFile::encodeName(caminho).constData(), &st) != 0)
        return false;
    return st.st_uid != ::getuid() || !S_ISSOCK(st.st_mode);
}

bool prontoParaEscrever(int fd)
{
    pollfd p = {fd, POLLOUT, 0};
    return ::poll(&p, 1, 0) > 0;
}

// The peer has closed its end, or the connection broke.
bool fechadoDoOutroLado(int fd)
{
    pollfd p = {fd, POLLIN, 0};
    if (::poll(&p, 1, 0) <= 0)
        return false;
    char byte = 0;
    const ssize_t lido = ::recv(fd, &byte, 1, MSG_DONTWAIT | MSG_PEEK);
    return lido == 0 || (lido < 0 && errno != EAGAIN && errno != EINTR);
}

bool enviar(int fd, const MensagemCanal& mensagem, int esperaMs)
{
    const QByteArray quadro = codificarMensagem(mensagem);
    if (quadro.isEmpty())
        return false;
    const QDeadlineTimer prazo(esperaMs);
    qsizetype enviado = 0;
    while (enviado < quadro.size()) {
        const ssize_t n = ::send(fd, quadro.constData() + enviado, static_cast<size_t>(quadro.size() - enviado),
                                 MSG_DONTWAIT | MSG_NOSIGNAL);
        if (n > 0) {
            enviado += n;
            continue;
        }
        if (n < 0 && errno != EAGAIN && errno != EINTR)
            return false;
        if (!EsperarAte([fd] { return prontoParaEscrever(fd); }, static_cast<int>(prazo.remainingTime())))
            return false;
    }
    return true;
}

}  // namespace

CanalInstancia::CanalInstancia(QString nome, QObject* parent) : QObject(parent), nome_(std::move(nome))
{
    tmrFila_.setSingleShot(true);
    connect(&tmrFila_, &QTimer::timeout, this, &CanalInstancia::tratarProxima);
    tmrOciosas_.setInterval(1000);
    connect(&tmrOciosas_, &QTimer::timeout, this, &CanalInstancia::fecharOciosas);
}

CanalInstancia::~CanalInstancia()
{
    encerrar();
}

QString CanalInstancia::pastaPrivada()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (QDir::isAbsolutePath(runtime) && pastaEPrivada(runtime))
        return runtime;
    const QString tarvelo = QStringLiteral("tarvelo-%1").arg(::getuid());
    QString pasta = pastaPropria(QDir::tempPath(), tarvelo);
    if (pasta.isEmpty()) {
        QString cache = qEnvironmentVariable("XDG_CACHE_HOME");
        if (!QDir::isAbsolutePath(cache))
            cache = QDir::homePath() + QStringLiteral("/.cache");
        QDir().mkpath(cache);
        pasta = pastaPropria(cache, tarvelo);
    }
    return pasta;
}

QString CanalInstancia::nomePadrao(const QString& pastaDados)
{
    const QString pasta = pastaPrivada();
    if (pasta.isEmpty())
        return {};
    const QByteArray resumo = QCryptographicHash::hash(QDir::cleanPath(pastaDados).toUtf8(), QCryptographicHash::Sha1)
                                  .toHex()
                                  .left(12);
    return QDir(pasta).filePath(QStringLiteral("tarvelo-%1-%2").arg(::getuid()).arg(QString::fromLatin1(resumo)));
}

// ---- a later start ---------------------------------------------------------------------------

int CanalInstancia::conectar(int esperaMs) const
{
    sockaddr_un endereco;
    if (nomeAlheio(nome_) || !enderecoDe(nome_, endereco))
        return -1;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0)
        return -1;
    // A full backlog (the running copy busy) is worth a few more tries within the time.
    const auto tentar = [&] {
        return ::connect(fd, reinterpret_cast<const sockaddr*>(&endereco), sizeof endereco) == 0 || errno == EISCONN;
    };
    if (tentar() || ((errno == EAGAIN || errno == EINPROGRESS) && EsperarAte(tentar, esperaMs)))
        return fd;
    ::close(fd);
    return -1;
}

bool CanalInstancia::haCopiaRodando(int esperaMs)
{
    const int fd = conectar(esperaMs);
    if (fd < 0)
        return false;
    ::close(fd);
    return true;
}

bool CanalInstancia::entregar(const MensagemCanal& mensagem, int esperaMs)
{
    const int fd = conectar(esperaMs);
    if (fd < 0)
        return false;
    const bool enviado = enviar(fd, mensagem, esperaMs);
    ::close(fd);
    return enviado;
}

bool CanalInstancia::encaminhar(const QString& texto, int esperaMs)
{
    return entregar({MensagemCanal::Tipo::Comando, texto}, esperaMs);
}

bool CanalInstancia::encaminharArquivo(const QString& caminho, int esperaMs)
{
    return entregar({MensagemCanal::Tipo::Arquivo, caminho}, esperaMs);
}

CanalInstancia::Fechamento CanalInstancia::pedirFechamento(int esperaMs)
{
    const int fd = conectar(1000);
    if (fd < 0)
        return Fechamento::NenhumaCopia;
    Fechamento resultado = Fechamento::TempoEsgotado;
    if (enviar(fd, {MensagemCanal::Tipo::Fechar, {}}, 1000)
        && EsperarAte([fd] { return fechadoDoOutroLado(fd); }, esperaMs))
        resultado = Fechamento::Fechou;
    ::close(fd);
    return resultado;
}

// ---- the running copy -------------------------------------------------------------------------

CanalInstancia::Reivindicacao CanalInstancia::reivindicar()
{
    if (escutando())
        return Reivindicacao::PrimeiraCopia;
    sockaddr_un endereco;
    if (!enderecoDe(nome_, endereco))
        return Reivindicacao::Falhou;
    // A lock left by a start that died is taken over (QLockFile checks its process).
    // Without the lock (a stuck holder) the start goes on: a second running copy is
    // better than no calculator.
    QLockFile trava(nome_ + QStringLiteral(".lock"));
    trava.tryLock(5000);
    if (haCopiaRodando())
        return Reivindicacao::CopiaRodando;
    if (nomeAlheio(nome_))
        return Reivindicacao::Falhou;

    // Nobody answers: whatever socket of ours is there was left by a copy that died.
    ::unlink(endereco.sun_path);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0)
        return Reivindicacao::Falhou;
    struct stat st {};
    if (::bind(fd, reinterpret_cast<const sockaddr*>(&endereco), sizeof endereco) != 0
        || ::chmod(endereco.sun_path, 0600) != 0 || ::listen(fd, 16) != 0 || ::lstat(endereco.sun_path, &st) != 0) {
        ::close(fd);
        return Reivindicacao::Falhou;
    }
    servidor_ = fd;
    inodeSocket_ = st.st_ino;
    aviso_ = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
    connect(aviso_.get(), &QSocketNotifier::activated, this, &CanalInstancia::aceitar);
    segundo_.start();
    return Reivindicacao::PrimeiraCopia;
}

void CanalInstancia::aceitar()
{
    fechadas_.clear();
    for (;;) {
        if (segundo_.elapsed() >= 1000) {
            segundo_.restart();
            aceitasNoSegundo_ = 0;
        }
        if (aceitasNoSegundo_ >= kMaxConexoesPorSegundo) {
            // The rest wait in the backlog for the next second; their starts only wait.
            aviso_->setEnabled(false);
            QTimer::singleShot(1000 - static_cast<int>(segundo_.elapsed()), this, [this] {
                if (aviso_)
                    aviso_->setEnabled(true);
            });
            return;
        }
        const int fd = ::accept4(servidor_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (fd < 0)
            return;
        ++aceitasNoSegundo_;
        if (static_cast<int>(conexoes_.size()) >= kMaxConexoes) {
            // The one idle longest makes room: a later start is always heard.
            const auto maisOciosa = std::max_element(conexoes_.begin(), conexoes_.end(), [](const auto& a, const auto& b) {
                return a->ociosa.elapsed() < b->ociosa.elapsed();
            });
            fechar(maisOciosa->get());
        }
        auto conexao = std::make_unique<Conexao>();
        conexao->fd = fd;
        conexao->ociosa.start();
        conexao->aviso = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
        Conexao* c = conexao.get();
        connect(conexao->aviso.get(), &QSocketNotifier::activated, this, [this, c] { ler(c); });
        conexoes_.push_back(std::move(conexao));
        if (!tmrOciosas_.isActive())
            tmrOciosas_.start();
    }
}

void CanalInstancia::ler(Conexao* conexao)
{
    fechadas_.clear();
    char bloco[kLeituraMaxima];
    const ssize_t lido = ::recv(conexao->fd, bloco, sizeof bloco, MSG_DONTWAIT);
    if (lido < 0 && (errno == EAGAIN || errno == EINTR))
        return;
    if (lido <= 0) {
        // The peer is done; a start waiting for the close has gone away too.
        fechar(conexao);
        return;
    }
    conexao->ociosa.restart();
    conexao->leitor.acrescentar(QByteArrayView(bloco, lido));
    while (const auto mensagem = conexao->leitor.proxima()) {
        if (static_cast<int>(fila_.size()) >= kMaxFila) {
            fechar(conexao);
            return;
        }
        if (mensagem->tipo == MensagemCanal::Tipo::Fechar)
            conexao->esperaFechamento = true;
        fila_.push_back(*mensagem);
    }
    if (conexao->leitor.invalido()) {
        fechar(conexao);
        return;
    }
    if (!fila_.empty() && !tmrFila_.isActive())
        tmrFila_.start(0);
}

void CanalInstancia::tratarProxima()
{
    if (fila_.empty())
        return;
    // A message's handling may run events (a window opening): the next one waits for it.
    // Only a close request is heard meanwhile: it ends the program, closing that window
    // too, so it can never pile up the way commands would.
    if (tratando_) {
        const auto fechar = std::find_if(fila_.begin(), fila_.end(), [](const MensagemCanal& m) {
            return m.tipo == MensagemCanal::Tipo::Fechar;
        });
        if (fechar != fila_.end()) {
            fila_.erase(fechar);
            emit fechamentoPedido();
        }
        return;
    }
    const MensagemCanal mensagem = std::move(fila_.front());
    fila_.pop_front();
    tratando_ = true;
    switch (mensagem.tipo) {
    case MensagemCanal::Tipo::Comando:
        emit comandoRecebido(mensagem.texto);
        break;
    case MensagemCanal::Tipo::Arquivo:
        emit arquivoRecebido(mensagem.texto);
        break;
    case MensagemCanal::Tipo::Fechar:
        emit fechamentoPedido();
        break;
    }
    tratando_ = false;
    if (!fila_.empty() && escutando())
        tmrFila_.start(0);
}

void CanalInstancia::fechar(Conexao* conexao)
{
    const auto it = std::find_if(conexoes_.begin(), conexoes_.end(), [conexao](const auto& c) { return c.get() == conexao; });
    if (it == conexoes_.end())
        return;
    // The notifier stops before its descriptor closes, and lives on a little: this may run
    // inside its own signal.
    std::unique_ptr<Conexao> fechada = std::move(*it);
    conexoes_.erase(it);
    fechada->aviso->setEnabled(false);
    ::close(fechada->fd);
    fechadas_.push_back(std::move(fechada));
    if (conexoes_.empty())
        tmrOciosas_.stop();
}

void CanalInstancia::fecharOciosas()
{
    std::vector<Conexao*> ociosas;
    for (const auto& c : conexoes_)
        if (!c->esperaFechamento && c->ociosa.elapsed() >= kOciosaMs)
            ociosas.push_back(c.get());
    for (Conexao* c : ociosas)
        fechar(c);
}

void CanalInstancia::encerrar()
{
    while (!conexoes_.empty())
        fechar(conexoes_.back().get());
    fila_.clear();
    tmrFila_.stop();
    if (servidor_ < 0)
        return;
    aviso_.reset();
    ::close(servidor_);
    servidor_ = -1;
    // The name is removed only while it is still our socket.
    struct stat st {};
    const QByteArray caminho = QFile::encodeName(nome_);
    if (::lstat(caminho.constData(), &st) == 0 && st.st_ino == inodeSocket_)
        ::unlink(caminho.constData());
}

}  // namespace tarvelo
