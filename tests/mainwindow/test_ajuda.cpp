// The help menu: tip pages per language, the about box and the support mail.

#include "mainwindow/ajuda.h"

#include "support/falsos.h"
#include "host/globais.h"

#include <gtest/gtest.h>

using namespace tarvelo;
using namespace tarvelo::teste;

namespace {

struct Mesa {
    explicit Mesa(int idioma, int resultadoAbrir = 42)
    {
        Globais g;
        g.gIdioma = idioma;
        g.gCrLf2 = QStringLiteral("\r\n\r\n");
        escopo = std::make_unique<ScopedGlobais>(g);
        resultado = resultadoAbrir;
    }
    AjudaCalcula ajuda()
    {
        return AjudaCalcula({mensagens,
                             [this](const QString& alvo, std::function<void(int)> quandoSouber) {
                                 abertos << alvo;
                                 quandoSouber(resultado);
                             },
                             [this] { ++minimizacoes; }, [this] { ++ajudasHotKeys; }});
    }

    std::unique_ptr<ScopedGlobais> escopo;
    MensagensFalsas mensagens;
    QStringList abertos;
    int resultado = 42;
    int minimizacoes = 0;
    int ajudasHotKeys = 0;
};

TEST(Ajuda, TipPagesWalkPerLanguageAndEndInTheTipsBox)
{
    const struct {
        int idioma;
        int resposta;
        int caixas;
        int hotkeys;
    } casos[] = {
        {1, mb::No, 1, 0},   // No on the first page ends the help
        {1, mb::Yes, 4, 0},  // three pages, then the tips box
        {3, mb::Yes, 4, 0},
        {2, mb::No, 1, 1},   // hotkey help, then the tips box
        {4, mb::No, 1, 1},
    };
    for (const auto& c : casos) {
        Mesa mesa(c.idioma);
        mesa.mensagens.depois = c.resposta;
        mesa.ajuda().mnuAjuda_Click();
        EXPECT_EQ(static_cast<int>(mesa.mensagens.vistas.size()), c.caixas) << c.idioma;
        EXPECT_EQ(mesa.ajudasHotKeys, c.hotkeys) << c.idioma;
    }

    const QStringList portugues = AjudaCalcula::PaginasDicas(1, QStringLiteral("\r\n\r\n"));
    ASSERT_EQ(portugues.size(), 3);
    for (const QString& pagina : portugues)
        EXPECT_TRUE(pagina.endsWith(QStringLiteral("\r\n\r\nDESEJA CONTINUAR VENDO AS DICAS?")));
    EXPECT_TRUE(portugues[1].contains(QStringLiteral("Ctrl+Z = Desfazer último(s) lançamento(s)\r\n")));
    EXPECT_TRUE(AjudaCalcula::PaginasDicas(3, QStringLiteral("\r\n\r\n"))[0].endsWith(
        QStringLiteral("¿DESEA SEGUIR VIENDO MÁS INSTRUCCIONES?")));
    EXPECT_TRUE(AjudaCalcula::PaginasDicas(2, QStringLiteral("\r\n\r\n")).isEmpty());
}

TEST(Ajuda, TheWebSiteMinimisesOnSuccessAndIsReportedOnFailure)
{
    {
        Mesa mesa(1);
        mesa.mensagens.depois = mb::Yes;
        mesa.ajuda().mnuCalc_Click();
        EXPECT_EQ(mesa.abertos, QStringList{kSitePrograma});
        EXPECT_EQ(mesa.minimizacoes, 1);
    }
    {
        Mesa mesa(2, 2);
        mesa.mensagens.depois = mb::Yes;
        mesa.ajuda().mnuAjuda_Click();
        EXPECT_EQ(mesa.abertos, QStringList{kSiteOutrosIdiomas});
        EXPECT_EQ(mesa.minimizacoes, 0);
        ASSERT_FALSE(mesa.mensagens.vistas.empty());
        EXPECT_EQ(mesa.mensagens.vistas.back().texto, QStringLiteral("Error while attempting to open your browser"));
        EXPECT_EQ(mesa.mensagens.vistas.back().flags, mb::Exclamation);
    }
}

TEST(Ajuda, SupportMailNamesTheVersionAndTheAddressOnFailure)
{
    Mesa mesa(1, 0);
    mesa.ajuda().mnuEmail_Click();
    ASSERT_EQ(mesa.abertos.size(), 1);
    EXPECT_EQ(mesa.abertos[0], QStringLiteral("mailto:") + kEmailSuporte + QStringLiteral("?subject=Tarvelo%20") +
                                   VersaoPrograma());
    EXPECT_TRUE(VersaoPrograma().startsWith(QStringLiteral("9.0.")));
    ASSERT_EQ(mesa.mensagens.vistas.size(), 1u);
    EXPECT_TRUE(mesa.mensagens.vistas[0].texto.endsWith(QStringLiteral("\r\n\r\n") + kEmailSuporte));
    EXPECT_EQ(mesa.minimizacoes, 0);
}

}  // namespace
