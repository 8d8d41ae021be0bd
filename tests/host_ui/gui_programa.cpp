#include "programa.h"

#include <QFileInfo>
#include <QProcess>
#include <gtest/gtest.h>

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
