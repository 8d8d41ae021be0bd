// The help menu's links through the window and the desktop's own opener, an xdg-open on
// PATH held until the test lets it go: the window goes down as soon as the opener runs, and
// comes back to say why not when the opener ends having opened nothing, while it is open.

#include "bancada.h"

#include "host/texto.h"
#include "platform/desktopshell.h"
#include "support/ambiente.h"

#include <QApplication>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace tarvelo;
using namespace tarvelo::teste;

namespace {

TEST(Ajuda, TheWindowMakesWayOnceTheOpenerStartsAndComesBackToTellItsFailureOnlyWhileOpen)
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
        // Never past the time it has to say while the test holds it.
        DesktopShell desktop(10 * kPrazo);
        Bancada::Inicio inicio;
        inicio.shell = &desktop;
        Bancada b(usuario, inicio);
        QPointer<JanelaCalcula> janela = &b.abrir();
        AbridorFalso abridor(caso.saida, AbridorFalso::Retido);
        b.mensagens.depois = mb::Yes;
        QTest::keyClick(janela, Qt::Key_F11);
        const std::size_t caixas = b.mensagens.vistas.size();
        ASSERT_TRUE(esperarAte([&] { return !abridor.alvo().isEmpty(); })) << "the about box's Sim opens the site";
        EXPECT_TRUE(esperarAte([&] { return janela->isMinimized(); })) << "minimised while the opener runs";
        EXPECT_EQ(b.mensagens.vistas.size(), caixas) << "nothing is told while the opener runs";
        if (caso.fechaAntes) {
            b.calculadora->Unload();
            ASSERT_TRUE(esperarAte([&] { return janela.isNull(); }));
        }

        bool restauradaNaCaixa = false;
        b.mensagens.enquantoAberta = [&] {
            restauradaNaCaixa = janela && janela->isVisible() && !janela->isMinimized();
        };
        abridor.soltar();
        ASSERT_TRUE(esperarAte(AbridorFalso::nenhumRodando));
        QCoreApplication::processEvents();
        if (janela) {
            EXPECT_EQ(janela->isMinimized(), caso.minimizada);
        }
        ASSERT_EQ(b.mensagens.vistas.size(), caixas + (caso.falha ? 1 : 0));
        if (caso.falha) {
            EXPECT_EQ(b.mensagens.vistas.back().texto, fTexto(8));
            EXPECT_EQ(b.mensagens.vistas.back().flags, mb::Exclamation | mb::KeysAfterPause);
            EXPECT_TRUE(restauradaNaCaixa) << "told above the window, back as it was";
        }
    }
}

// The answer comes after the window closed and before it is gone: the window neither speaks
// nor comes back minimised.
TEST(Ajuda, AnAnswerAfterTheWindowClosedIsDropped)
{
    for (const bool abre : {true, false}) {
        SCOPED_TRACE(abre);
        QTemporaryDir pasta;
        Usuario usuario(pasta.path());
        Bancada b(usuario);
        JanelaCalcula& janela = b.abrir();
        b.shell.comeca = true;
        b.shell.abre = abre;
        b.shell.retido = true;
        b.mensagens.depois = mb::Yes;
        QTest::keyClick(&janela, Qt::Key_F11);
        ASSERT_FALSE(b.shell.pendentes.empty());
        const std::size_t caixas = b.mensagens.vistas.size();

        b.calculadora->Unload();
        b.shell.responder();
        EXPECT_FALSE(janela.isVisible());
        EXPECT_FALSE(janela.isMinimized());
        EXPECT_EQ(b.mensagens.vistas.size(), caixas);
    }
}

}  // namespace
