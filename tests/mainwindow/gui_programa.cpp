// The program as a user starts and ends it, in its own process on the offscreen platform:
// however it is asked to end, the day's tape is written.

#include "support/programa.h"

#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>

using namespace tarvelo;
using namespace tarvelo::teste;

namespace {

class ProgramaReal : public ProgramaTarvelo {
protected:
    // The state file holds a dated tape: the calculator was loaded and closed.
    void conferirFita()
    {
        QFile arquivo(pasta.path() + QStringLiteral("/calc1.fita"));
        ASSERT_TRUE(arquivo.open(QIODevice::ReadOnly)) << "no calc1.fita";
        const QByteArray bytes = arquivo.readAll();
        EXPECT_TRUE(bytes.contains(" =========================\r\n")) << bytes.toStdString();
        EXPECT_TRUE(bytes.endsWith("\"\r\n"));
    }
};

TEST_F(ProgramaReal, FecharFromALaterStartEndsTheRunningCopyAfterItWroteItsTape)
{
    auto primeira = iniciar({});
    ASSERT_TRUE(esperarAte([&] { return canal->haCopiaRodando(500); }, 15000));
    auto fechar = iniciar({QStringLiteral("fechar")});
    esperarFimLimpo(*fechar);
    esperarFimLimpo(*primeira);
    conferirFita();
}

TEST_F(ProgramaReal, SigtermWritesTheTapeToo)
{
    auto primeira = iniciar({});
    ASSERT_TRUE(esperarAte([&] { return canal->haCopiaRodando(500); }, 15000));
    primeira->terminate();
    esperarFimLimpo(*primeira);
    conferirFita();
}

}  // namespace
