// The help menu: tip pages per language, the about box and the support mail.

#include "mainwindow/ajuda.h"

#include "support/falsos.h"
#include "host/globais.h"

#include <gtest/gtest.h>

using namespace tarvelo;
using namespace tarvelo::teste;

namespace {

struct Mesa {
    explicit Mesa(int idioma)
    {
        Globais g;
        g.gIdioma = idioma;
        g.gCrLf2 = QStringLiteral("\r\n\r\n");
        escopo = std::make_unique<ScopedGlobais>(g);
    }
    AjudaCalcula ajuda()
    {
        return AjudaCalcula({mensagens,
                             [this](const QString& alvo, const QString& falha, int icone) {
                                 abertos << alvo;
                                 falhas << falha;
                                 icones.push_back(icone);
                             },
                             [this] { ++ajudasHotKeys; }});
    }

    std::unique_ptr<ScopedGlobais> escopo;
    MensagensFalsas mensagens;
    QStringList abertos;
    QStringList falhas;  // what each link tells when nothing opens it
    std::vector<int> icones;
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

TEST(Ajuda, TheLinksNameTheSiteOfTheLanguageOrTheMailWithTheVersionAndTheirFailure)
{
    const QString mail = QStringLiteral("mailto:") + kEmailSuporte + QStringLiteral("?subject=Tarvelo%20") +
                         VersaoPrograma();
    const struct {
        int idioma;
        void (AjudaCalcula::*comando)();
        QString link;
        const char* falha;
    } casos[] = {
        {1, &AjudaCalcula::mnuCalc_Click, kSitePrograma,
         "Problemas ao tentar acessar seu navegador para abrir o site na internet"},
        {2, &AjudaCalcula::mnuAjuda_Click, kSiteOutrosIdiomas, "Error while attempting to open your browser"},
        {1, &AjudaCalcula::mnuEmail_Click, mail,
         "Problemas ao tentar abrir seu programa de e-mail e enviar mensagem para:\r\n\r\nsuporte@tarvelo.com.br"},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.link.toStdString());
        Mesa mesa(caso.idioma);
        mesa.mensagens.depois = mb::Yes;
        (mesa.ajuda().*caso.comando)();
        EXPECT_EQ(mesa.abertos, QStringList{caso.link});
        EXPECT_EQ(mesa.falhas, QStringList{QString::fromUtf8(caso.falha)});
        EXPECT_EQ(mesa.icones, std::vector<int>{mb::Exclamation});
    }
    EXPECT_TRUE(VersaoPrograma().startsWith(QStringLiteral("9.0.")));
}

}  // namespace
