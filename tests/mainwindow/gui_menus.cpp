// The calculator's owner-drawn menus: where they take part, and that the keys still reach
// the commands.

#include "programateste.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace tarvelo;
using namespace tarvelo::teste;

namespace {

// The menu control keeps its attachments in the window's own properties.
bool desenhados(JanelaCalcula& janela) { return !EnumProps(janela.hWnd()).empty(); }

TEST(MenusDesenhados, OnlyTheFirstCalculatorsNormalWindowWithMenuXpDrawsItsMenus)
{
    const struct {
        const char* menuXP;  // nullptr: never written
        const char* comando;
        bool desenhados;
    } casos[] = {
        {nullptr, "", true},       {"True", "", true},         {"False", "", false},
        {"talvez", "", false},     {nullptr, "mini", false},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(std::string(caso.menuXP ? caso.menuXP : "<none>") + " " + caso.comando);
        QTemporaryDir pasta;
        Usuario usuario(pasta.path());
        if (caso.menuXP)
            usuario.configuracoes.SaveSetting(QStringLiteral("Conf"), QStringLiteral("MenuXP"),
                                              QString::fromLatin1(caso.menuXP));
        Programa programa(usuario, QString::fromLatin1(caso.comando));
        JanelaCalcula& janela = programa.abrir();
        EXPECT_EQ(desenhados(janela), caso.desenhados);
        // Drawn menus leave no shortcut column to the style: the window holds the keys.
        EXPECT_EQ(janela.acao(QStringLiteral("mnuData"))->shortcut().isEmpty(), caso.desenhados);
        if (*caso.comando == '\0') {
            EXPECT_EQ(janela.mnuXP.Checked(), caso.desenhados);
        }
    }
}

TEST(MenusDesenhados, ASecondCalculatorKeepsTheStylesMenus)
{
    QTemporaryDir pasta;
    Usuario usuario(pasta.path());
    // The running first copy, in this process: it holds the channel and has no window.
    Globais daPrimeira;
    RegistroJanelas janelasDaPrimeira;
    frmSysTray primeira(janelasDaPrimeira, servicosHost(usuario), daPrimeira);
    primeira.Form_Load();
    {
        Programa segunda(usuario, QStringLiteral("outra"));
        segunda.host->Form_Load();
        ASSERT_EQ(segunda.host->Tag(), QStringLiteral("2"));
        ASSERT_TRUE(esperarAte([&] { return segunda.janela() && segunda.form().JaAtivado; }));
        EXPECT_FALSE(desenhados(*segunda.janela()));
        EXPECT_FALSE(segunda.janela()->acao(QStringLiteral("mnuData"))->shortcut().isEmpty());
        segunda.janela()->close();
        ASSERT_TRUE(esperarAte([&] { return segunda.terminou(); }));
    }
    primeira.Unload();
}

TEST(MenusDesenhados, TheShortcutsAndTheLanguageChangeKeepWorking)
{
    QTemporaryDir pasta;
    Usuario usuario(pasta.path());
    Programa programa(usuario);
    JanelaCalcula& janela = programa.abrir();
    ASSERT_TRUE(desenhados(janela));

    QTest::keyClick(janela.centralWidget(), Qt::Key_B, Qt::ControlModifier);
    EXPECT_TRUE(programa.form().mnuBeep.Checked());

    // A new language sets the menus up again with the new captions; the keys stay.
    janela.acao(QStringLiteral("mnuEnglish"))->trigger();
    janela.acao(QStringLiteral("mnuSemSom"))->trigger();
    ASSERT_FALSE(programa.form().mnuBeep.Checked());
    EXPECT_EQ(janela.menu(QStringLiteral("mnu1"))->title(), QStringLiteral("&Options"));
    QTest::keyClick(janela.centralWidget(), Qt::Key_B, Qt::ControlModifier);
    EXPECT_TRUE(programa.form().mnuBeep.Checked());
}

}  // namespace
