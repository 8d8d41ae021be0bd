// The help menu's links through the window and the desktop's own opener, an xdg-open on
// PATH held until the test lets it go: the window keeps taking keys while the opener runs,
// and goes down, or says why not, only once the opener has ended and while it is open.

#include "bancada.h"

#include "calc/fita_backup.h"
#include "host/texto.h"
#include "support/ambiente.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace tarvelo;
using namespace tarvelo::teste;

namespace {

TEST(Ajuda, TheWindowWorksWhileTheOpenerRunsAndHearsHowItEndedOnlyWhileOpen)
{
    const struct {
        int saida;
        bool fechaAntes;  // the window closes while the opener runs
        bool minimizada;
        bool falha;  // the failure box
    } casos[] = {{0, false, true, false}, {3, false, false, true}, {3, true, false, false}};
    for (const auto& caso : casos) {
        SCOPED_TRACE(testing::Message() << caso.saida << (caso.fechaAntes ? " closed" : ""));
        QTemporaryDir pasta;
        Usuario usuario(pasta.path());
        // Never taken for a program showing the link while the test holds it.
        ShellDoSistema desktop(10 * kPrazo);
        Bancada::Inicio inicio;
        inicio.shell = &desktop;
        Bancada b(usuario, inicio);
        QPointer<JanelaCalcula> janela = &b.abrir();
        AbridorFalso abridor(caso.saida, AbridorFalso::Retido);
        b.mensagens.depois = mb::Yes;
        QTest::keyClick(janela, Qt::Key_F11);
        const std::size_t caixas = b.mensagens.vistas.size();
        ASSERT_TRUE(esperarAte([&] { return !abridor.alvo().isEmpty(); })) << "the about box's Sim opens the site";

        QWidget* foco = QApplication::focusWidget();
        QTest::keyClicks(foco && foco->window() == janela ? foco : janela->centralWidget(), QStringLiteral("12"));
        EXPECT_EQ(janela->lblVisor(0)->text(), QStringLiteral("12")) << "keys reach the window meanwhile";
        bool eventosRodaram = false;
        QTimer::singleShot(0, janela, [&eventosRodaram] { eventosRodaram = true; });
        ASSERT_TRUE(esperarAte([&eventosRodaram] { return eventosRodaram; }));
        EXPECT_FALSE(janela->isMinimized());
        EXPECT_EQ(b.mensagens.vistas.size(), caixas) << "nothing is told while the opener runs";
        if (caso.fechaAntes) {
            b.calculadora->Unload();
            ASSERT_TRUE(esperarAte([&] { return janela.isNull(); }));
        }

        abridor.soltar();
        ASSERT_TRUE(esperarAte(AbridorFalso::nenhumRodando));
        if (janela) {
            EXPECT_EQ(janela->isMinimized(), caso.minimizada);
        }
        ASSERT_EQ(b.mensagens.vistas.size(), caixas + (caso.falha ? 1 : 0));
        if (caso.falha) {
            EXPECT_EQ(b.mensagens.vistas.back().texto, fTexto(8));
            EXPECT_EQ(b.mensagens.vistas.back().flags, mb::Exclamation);
        }
    }
}

// The answer comes after the window closed and before it is gone: the window neither speaks
// nor comes back minimised.
TEST(Ajuda, AnAnswerAfterTheWindowClosedIsDropped)
{
    for (const int resultado : {42, 2}) {
        SCOPED_TRACE(resultado);
        QTemporaryDir pasta;
        Usuario usuario(pasta.path());
        Bancada b(usuario);
        JanelaCalcula& janela = b.abrir();
        b.shell.resultado = resultado;
        b.shell.retido = true;
        b.mensagens.depois = mb::Yes;
        QTest::keyClick(&janela, Qt::Key_F11);
        ASSERT_EQ(b.shell.pendentes.size(), 1u);
        const std::size_t caixas = b.mensagens.vistas.size();

        b.calculadora->Unload();
        b.shell.responder();
        EXPECT_FALSE(janela.isVisible());
        EXPECT_EQ(b.mensagens.vistas.size(), caixas);
    }
}

}  // namespace
