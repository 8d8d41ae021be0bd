#include "host/globais.h"
#include "host/sistema.h"
#include "platform/localeinfo.h"
#include "support/falsos.h"

#include <QElapsedTimer>
#include <QTimer>
#include <gtest/gtest.h>

#include <vector>

using namespace tarvelo;
using teste::MensagensFalsas;
using teste::NumLockFalso;
using teste::ShellFalso;

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

// A window handing a link over: the states it was put in, and each box with the state the
// window was in while the box showed.
struct JanelaQueAbreFalsa {
    QObject janela;
    MensagensFalsas mensagens;
    bool aberta = true;
    int estado = 0;
    std::vector<int> estados;
    std::vector<int> estadosDasCaixas;
    JanelaQueAbreFalsa()
    {
        mensagens.enquantoAberta = [this] { estadosDasCaixas.push_back(estado); };
    }
    JanelaQueAbre pedido()
    {
        return {&janela, mensagens, [this] { return aberta; }, [this](int novo) { estados.push_back(estado = novo); }};
    }
};

TEST(AbrirExterno, TheWindowMakesWayAtTheStartAndComesBackOnceToTellALaterFailure)
{
    const struct {
        const char* caso;
        bool comeca, abre;
        std::size_t respostasAbertas;  // answers heard before the window closes
        std::vector<int> estados;
        bool avisada;
    } casos[] = {
        {"opens", true, true, 2, {1}, false},
        {"fails after its start", true, false, 2, {1, 0}, true},
        {"never starts", false, false, 2, {0}, true},
        {"closed after the start", true, false, 1, {1}, false},
        {"closed before the start", true, false, 0, {}, false},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.caso);
        ShellFalso shell;
        shell.comeca = caso.comeca;
        shell.abre = caso.abre;
        shell.retido = true;
        JanelaQueAbreFalsa janela;
        AbrirExterno(shell, QStringLiteral("https://www.tarvelo.com.br/"), janela.pedido(),
                     QStringLiteral("Sem navegador"), mb::Exclamation);
        EXPECT_EQ(shell.abertos, QStringList{QStringLiteral("https://www.tarvelo.com.br/")});
        shell.responder(caso.respostasAbertas);
        janela.aberta = false;
        shell.responder();

        EXPECT_EQ(janela.estados, caso.estados);
        if (caso.avisada) {
            ASSERT_EQ(janela.mensagens.vistas.size(), 1u);
            EXPECT_EQ(janela.mensagens.vistas[0].texto, QStringLiteral("Sem navegador"));
            EXPECT_EQ(janela.mensagens.vistas[0].flags, mb::Exclamation | mb::KeysAfterPause);
            EXPECT_EQ(janela.estadosDasCaixas, std::vector<int>{0}) << "told above the window, back as it was";
        } else {
            EXPECT_TRUE(janela.mensagens.vistas.empty());
        }
    }
}

}  // namespace
