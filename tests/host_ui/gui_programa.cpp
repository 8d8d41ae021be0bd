#include "janelasfalsas.h"

#include "host/ui/canalinstancia.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tarvelo;
using namespace tarvelo::teste;

namespace {

// The program itself, started as a user would, on the offscreen platform and its own
// data folder. The build puts it next to the tests' folder.
class Programa : public ::testing::Test {
protected:
    void SetUp() override
    {
        executavel = QCoreApplication::applicationDirPath() + QStringLiteral("/../app/tarvelo");
        if (!QFileInfo(executavel).isExecutable())
            GTEST_SKIP() << "the program is not built: " << executavel.toStdString();
        ASSERT_TRUE(pasta.isValid());
        canal = std::make_unique<CanalInstancia>(CanalInstancia::nomePadrao(pasta.path() + QLatin1Char('/')));
    }

    std::unique_ptr<QProcess> iniciar(const QStringList& argumentos)
    {
        auto processo = std::make_unique<QProcess>();
        QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
        ambiente.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        ambiente.insert(QStringLiteral("TARVELO_HOME"), pasta.path());
        processo->setProcessEnvironment(ambiente);
        processo->start(executavel, argumentos);
        EXPECT_TRUE(processo->waitForStarted(5000));
        return processo;
    }

    bool rodando() { return canal->haCopiaRodando(500); }

    static void esperarFimLimpo(QProcess& processo)
    {
        ASSERT_TRUE(processo.waitForFinished(15000)) << "still running";
        EXPECT_EQ(processo.exitStatus(), QProcess::NormalExit) << processo.readAllStandardError().toStdString();
        EXPECT_EQ(processo.exitCode(), 0) << processo.readAllStandardError().toStdString();
    }

    QString executavel;
    QTemporaryDir pasta;
    std::unique_ptr<CanalInstancia> canal;
};

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

TEST_F(Programa, WithoutADisplayItSaysSoAndFails)
{
    QProcess processo;
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    for (const char* nome : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        ambiente.remove(QString::fromLatin1(nome));
    ambiente.insert(QStringLiteral("TARVELO_HOME"), pasta.path());
    processo.setProcessEnvironment(ambiente);
    processo.start(executavel, {});
    ASSERT_TRUE(processo.waitForFinished(15000));
    EXPECT_EQ(processo.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(processo.exitCode(), 1);
    EXPECT_TRUE(processo.readAllStandardError().contains("no graphical display"));
}

}  // namespace
