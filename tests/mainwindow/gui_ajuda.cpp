// The help menu's links through the window and the desktop's own opener: the window goes
// down only when the opener has shown the link.

#include "bancada.h"

#include "host/texto.h"
#include "support/ambiente.h"

#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace tarvelo;
using namespace tarvelo::teste;

namespace {

TEST(Ajuda, AboutSimOpensTheSiteAndALinkTheOpenerCannotShowLeavesTheWindowAsItWas)
{
    const struct {
        int saida;
        bool minimizada;
    } casos[] = {{0, true}, {3, false}};
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.saida);
        QTemporaryDir pasta;
        Usuario usuario(pasta.path());
        Bancada b(usuario);
        JanelaCalcula& janela = b.abrir();
        AbridorFalso abridor(caso.saida);
        b.mensagens.depois = mb::Yes;
        QTest::keyClick(&janela, Qt::Key_F11);
        EXPECT_FALSE(abridor.alvo().isEmpty()) << "the about box's Sim opens the site";
        EXPECT_EQ(janela.isMinimized(), caso.minimizada);
        ASSERT_FALSE(b.mensagens.vistas.empty());
        const MensagensFalsas::Vista& ultima = b.mensagens.vistas.back();
        EXPECT_EQ(ultima.texto == fTexto(8) && ultima.flags == mb::Exclamation, !caso.minimizada) << ultima.texto.toStdString();
    }
}

}  // namespace
