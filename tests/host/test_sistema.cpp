#include "host/globais.h"
#include "host/sistema.h"
#include "platform/localeinfo.h"
#include "support/ambiente.h"
#include "support/esperar.h"
#include "support/falsos.h"

#include <QElapsedTimer>
#include <QTimer>
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <vector>

using namespace tarvelo;
using teste::AbridorFalso;
using teste::esperarAte;
using teste::kPrazo;
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

// What the opener told, once told: none while the event loop has not run it.
std::optional<int> abrir(const QString& alvo)
{
    QObject contexto;
    std::optional<int> resultado;
    AbrirExterno(alvo, &contexto, [&resultado](int valor) { resultado = valor; });
    EXPECT_FALSE(resultado) << "told from the event loop, after the call";
    esperarAte([&resultado] { return resultado.has_value(); });
    return resultado;
}

TEST(AbrirExterno, ReportsFailureForTargetsNothingCanOpen)
{
    EXPECT_EQ(abrir(QString()), 0);
    EXPECT_EQ(abrir(QStringLiteral("not a target at all")), 0);
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
        AbridorFalso abridor(caso.saida);
        const std::optional<int> resultado = abrir(link);
        ASSERT_TRUE(resultado);
        EXPECT_EQ(*resultado > 2, caso.aberto);
        EXPECT_EQ(abridor.alvo().toStdString(), link.toStdString());
    }
}

// The opener is held until the test lets it go: the call has returned and events run
// while it works, and the answer comes once, to an asker that is still there.
TEST(AbrirExterno, TellsOnceWhenTheOpenerEndsOrStillRunsAtItsTimeAndNeverAnAskerThatWent)
{
    const struct {
        const char* caso;
        int esperaAbridorMs;
        bool perguntaFica;
        std::vector<bool> aberturasAntes;  // told while the opener runs
        std::vector<bool> aberturas;       // told in all
    } casos[] = {
        {"fails after a while", 10 * kPrazo, true, {}, {false}},
        {"still runs at its time", 0, true, {true}, {true}},
        {"the asker has gone", 10 * kPrazo, false, {}, {}},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.caso);
        AbridorFalso abridor(4, AbridorFalso::Retido);
        auto pergunta = std::make_unique<QObject>();
        std::vector<bool> aberturas;
        AbrirExterno(QStringLiteral("https://www.tarvelo.com.br/"), pergunta.get(),
                     [&aberturas](int valor) { aberturas.push_back(valor > 2); }, caso.esperaAbridorMs);
        ASSERT_TRUE(esperarAte([&] { return !abridor.alvo().isEmpty(); })) << "the opener runs";
        if (!caso.aberturasAntes.empty())
            esperarAte([&] { return !aberturas.empty(); });
        EXPECT_EQ(aberturas, caso.aberturasAntes);
        if (!caso.perguntaFica)
            pergunta.reset();

        abridor.soltar();
        ASSERT_TRUE(esperarAte(AbridorFalso::nenhumRodando));
        EXPECT_EQ(aberturas, caso.aberturas);
    }
}

}  // namespace
