#include "host/globais.h"
#include "host/sistema.h"
#include "platform/localeinfo.h"
#include "support/ambiente.h"
#include "support/falsos.h"

#include <QElapsedTimer>
#include <QTimer>
#include <gtest/gtest.h>

using namespace tarvelo;
using teste::NumLockFalso;

namespace {

TEST(ManterNumLock, SwitchesOnOnlyWhenTickedAndOff)
{
    ScopedGlobais g;
    NumLockFalso teclado;
    ManterNumLock(false, teclado);
    EXPECT_EQ(teclado.ligacoes, 0);

    teclado.ligado = true;
    ManterNumLock(true, teclado);
    EXPECT_EQ(teclado.ligacoes, 0);
    EXPECT_FALSE(globais().gNumLockAuto);

    teclado.ligado = false;
    ManterNumLock(true, teclado);
    EXPECT_TRUE(teclado.ligado);
    EXPECT_TRUE(globais().gNumLockAuto);
}

TEST(ManterNumLock, FailureToSwitchLeavesTheFlagAlone)
{
    ScopedGlobais g;
    NumLockFalso teclado;
    teclado.ligado = false;
    teclado.consegue = false;
    ManterNumLock(true, teclado);
    EXPECT_EQ(teclado.ligacoes, 1);
    EXPECT_FALSE(globais().gNumLockAuto);
}

TEST(Esperar, WaitsWhileEventsRun)
{
    ScopedLocale locale(LocaleInfo::brazil());
    bool ran = false;
    QTimer::singleShot(10, [&ran] { ran = true; });
    QElapsedTimer clock;
    clock.start();
    Esperar(QStringLiteral("0,1"));
    EXPECT_GE(clock.elapsed(), 95);
    EXPECT_TRUE(ran);

    clock.restart();
    Esperar(QStringLiteral("abc"));
    Esperar(QStringLiteral("-3"));
    EXPECT_LT(clock.elapsed(), 1000) << "no wait for text that is no positive number";
}

TEST(AbrirExterno, ReportsFailureForTargetsNothingCanOpen)
{
    EXPECT_EQ(AbrirExterno(QString()), 0);
    EXPECT_EQ(AbrirExterno(QStringLiteral("not a target at all")), 0);
}

TEST(AbrirExterno, TheOpenersExitStatusSaysWhetherTheTargetOpened)
{
    const QString link = QStringLiteral("mailto:suporte@tarvelo.com.br?subject=Tarvelo%209.0.7");
    const struct {
        int saida;
        bool aberto;
    } casos[] = {{0, true}, {3, false}, {4, false}};
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.saida);
        teste::AbridorFalso abridor(caso.saida);
        EXPECT_EQ(AbrirExterno(link) > 2, caso.aberto);
        EXPECT_EQ(abridor.alvo().toStdString(), link.toStdString());
    }
}

}  // namespace
