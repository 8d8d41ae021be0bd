#include "support/programa.h"

#include "support/ambiente.h"
#include "support/arquivos.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <gtest/gtest.h>

#include <cstring>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#include <vector>

using namespace tarvelo;
using namespace tarvelo::teste;

namespace {

using Programa = ProgramaTarvelo;

TEST_F(Programa, LaterStartsForwardAndFecharEndsTheRunningCopy)
{
    auto primeira = iniciar({QStringLiteral("systray")});
    ASSERT_TRUE(esperarAte([&] { return rodando(); }, 15000));

    auto juro = iniciar({QStringLiteral("juro")});
    esperarFimLimpo(*juro);
    EXPECT_EQ(primeira->state(), QProcess::Running);

    auto fechar = iniciar({QStringLiteral("fechar")});
    esperarFimLimpo(*fechar);
    // The closing start waited for the running copy's close path: it has gone too.
    esperarFimLimpo(*primeira);
    EXPECT_FALSE(rodando());
    EXPECT_FALSE(QFileInfo::exists(canal->nome()));
}

TEST_F(Programa, SigtermRunsTheSameClosePath)
{
    auto primeira = iniciar({QStringLiteral("systray")});
    ASSERT_TRUE(esperarAte([&] { return rodando(); }, 15000));
    primeira->terminate();
    esperarFimLimpo(*primeira);
    // The channel is closed by the host's unload, and only there.
    EXPECT_FALSE(QFileInfo::exists(canal->nome()));
}

// A raw connection to the running copy, as any local program of the user could open.
int conectarCru(const QString& nome)
{
    sockaddr_un endereco = {};
    endereco.sun_family = AF_UNIX;
    const QByteArray caminho = QFile::encodeName(nome);
    std::memcpy(endereco.sun_path, caminho.constData(), static_cast<size_t>(caminho.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd >= 0 && ::connect(fd, reinterpret_cast<sockaddr*>(&endereco), sizeof endereco) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

TEST_F(Programa, AFloodOfFramesAndIdleConnectionsLeaveItAnsweringLaterStarts)
{
    auto primeira = iniciar({QStringLiteral("systray")});
    ASSERT_TRUE(esperarAte([&] { return rodando(); }, 15000));

    // 20 000 tiny forwarded commands in one stream; each brings the calculator forward.
    QByteArray enxurrada;
    for (int i = 0; i < 20000; ++i)
        enxurrada += QByteArray("C\0\0\0\x01x", 6);
    const int fd = conectarCru(canal->nome());
    ASSERT_GE(fd, 0);
    qsizetype enviado = 0;
    while (enviado < enxurrada.size()) {
        const ssize_t n = ::send(fd, enxurrada.constData() + enviado, enxurrada.size() - enviado, MSG_NOSIGNAL);
        if (n <= 0)
            break;  // dropped as a flooder: that is the point
        enviado += n;
    }
    ::close(fd);

    std::vector<int> ociosas;
    for (int i = 0; i < 300; ++i)
        if (const int c = conectarCru(canal->nome()); c >= 0)
            ociosas.push_back(c);

    QElapsedTimer relogio;
    relogio.start();
    EXPECT_TRUE(canal->encaminhar(QStringLiteral("14:03:27"), 1000));
    EXPECT_LT(relogio.elapsed(), 1000);
    for (const int c : ociosas)
        ::close(c);

    auto depois = iniciar({QStringLiteral("juro")});
    esperarFimLimpo(*depois);
    EXPECT_EQ(primeira->state(), QProcess::Running);
    primeira->terminate();
    esperarFimLimpo(*primeira);
}

// With only HOME to go by, the tape and the settings land where no other user may look: an
// existing folder of ours that others could enter is narrowed at start.
TEST_F(Programa, WithOnlyAHomeTheTapeAndTheSettingsAreTheUsersAlone)
{
    const QString casa = pasta.filePath(QStringLiteral("casa"));
    const QString dados = casa + QStringLiteral("/.local/share/tarvelo");
    const QString configuracoes = casa + QStringLiteral("/.config/tarvelo");
    ASSERT_TRUE(QDir().mkpath(dados));
    for (const QString& aberta : {casa, casa + QStringLiteral("/.local"), casa + QStringLiteral("/.local/share"), dados})
        ASSERT_EQ(::chmod(QFile::encodeName(aberta).constData(), 0755), 0);
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    for (const char* nome : {"TARVELO_HOME", "XDG_DATA_HOME", "XDG_CONFIG_HOME"})
        ambiente.remove(QString::fromLatin1(nome));
    ambiente.insert(QStringLiteral("HOME"), casa);
    ambiente.insert(QStringLiteral("QT_QPA_PLATFORM"), qEnvironmentVariable("QT_QPA_PLATFORM", QStringLiteral("offscreen")));
    const auto iniciarEmCasa = [&](const QStringList& argumentos) {
        auto processo = std::make_unique<QProcess>();
        processo->setProcessEnvironment(ambiente);
        processo->start(executavel, argumentos);
        EXPECT_TRUE(processo->waitForStarted(5000));
        return processo;
    };
    auto primeira = [&] {
        UmaskTrocada umask(022);
        return iniciarEmCasa({});
    }();
    CanalInstancia canalDaCasa(CanalInstancia::nomePadrao(dados + QLatin1Char('/')));
    ASSERT_TRUE(esperarAte([&] { return canalDaCasa.haCopiaRodando(500); }, 15000));
    auto fechar = iniciarEmCasa({QStringLiteral("fechar")});
    esperarFimLimpo(*fechar);
    esperarFimLimpo(*primeira);

    const std::pair<QString, mode_t> esperados[] = {
        {dados, 0700},
        {dados + QStringLiteral("/calc1.fita"), 0600},
        {casa + QStringLiteral("/.config"), 0700},
        {configuracoes, 0700},
        {configuracoes + QStringLiteral("/HKEY_CURRENT_USER.reg"), 0600},
        {casa, 0755},  // not ours
    };
    for (const auto& [caminho, esperado] : esperados)
        EXPECT_EQ(modoDe(caminho), esperado) << qPrintable(caminho) << " " << std::oct << modoDe(caminho);
}

TEST_F(Programa, WithoutADisplayItSaysSoAndFails)
{
    struct Caso {
        const char* display;
        const char* frase;
    };
    // No display at all, and one that is set but has no server behind it: both end with the
    // program's own sentence, never with Qt's abort.
    for (const Caso& caso : {Caso{nullptr, "no graphical display"}, Caso{":4091", "the display \":4091\" cannot be opened"}}) {
        SCOPED_TRACE(caso.frase);
        QProcess processo;
        QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
        for (const char* nome : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
            ambiente.remove(QString::fromLatin1(nome));
        if (caso.display)
            ambiente.insert(QStringLiteral("DISPLAY"), QString::fromLatin1(caso.display));
        ambiente.insert(QStringLiteral("TARVELO_HOME"), pasta.path());
        processo.setProcessEnvironment(ambiente);
        processo.start(executavel, {});
        ASSERT_TRUE(processo.waitForFinished(15000));
        EXPECT_EQ(processo.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(processo.exitCode(), 1);
        const QByteArray erro = processo.readAllStandardError();
        EXPECT_TRUE(erro.contains(caso.frase)) << erro.constData();
        EXPECT_FALSE(erro.contains("platform plugin")) << erro.constData();
    }
}

}  // namespace
