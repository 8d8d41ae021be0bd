// The program as a user starts and ends it, in its own process on the offscreen platform:
// however it is asked to end, the day's tape is written.

#include "host/ui/canalinstancia.h"
#include "programateste.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tarvelo;
using namespace tarvelo::teste;

namespace {

class ProgramaReal : public ::testing::Test {
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

    static void esperarFim(QProcess& processo)
    {
        ASSERT_TRUE(processo.waitForFinished(15000)) << "still running";
        EXPECT_EQ(processo.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(processo.exitCode(), 0) << processo.readAllStandardError().toStdString();
    }

    // The state file holds a dated tape: the calculator was loaded and closed.
    void conferirFita()
    {
        QFile arquivo(pasta.path() + QStringLiteral("/calc1.fita"));
        ASSERT_TRUE(arquivo.open(QIODevice::ReadOnly)) << "no calc1.fita";
        const QByteArray bytes = arquivo.readAll();
        EXPECT_TRUE(bytes.contains(" =========================\r\n")) << bytes.toStdString();
        EXPECT_TRUE(bytes.endsWith("\"\r\n"));
    }

    QString executavel;
    QTemporaryDir pasta;
    std::unique_ptr<CanalInstancia> canal;
};

TEST_F(ProgramaReal, FecharFromALaterStartEndsTheRunningCopyAfterItWroteItsTape)
{
    auto primeira = iniciar({});
    ASSERT_TRUE(esperarAte([&] { return canal->haCopiaRodando(500); }, 15000));
    auto fechar = iniciar({QStringLiteral("fechar")});
    esperarFim(*fechar);
    esperarFim(*primeira);
    conferirFita();
}

TEST_F(ProgramaReal, SigtermWritesTheTapeToo)
{
    auto primeira = iniciar({});
    ASSERT_TRUE(esperarAte([&] { return canal->haCopiaRodando(500); }, 15000));
    primeira->terminate();
    esperarFim(*primeira);
    conferirFita();
}

}  // namespace
