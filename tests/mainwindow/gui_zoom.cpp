// Large and small digits, and the keypad hidden and shown, on the real window.

#include "bancada.h"

#include "controls/xpbutton.h"
#include "mainwindow/geometria.h"
#include "mainwindow/visorfita.h"

#include <QGuiApplication>
#include <QMenuBar>
#include <QToolButton>
#include <QScreen>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tarvelo;
using namespace tarvelo::teste;

namespace {

class Zoom : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(pasta.isValid()); }

    static QRect tela() { return QGuiApplication::primaryScreen()->geometry(); }
    // Where a visible window goes after a zoom: the top of the screen, centred across it.
    static int centrada(double largura) { return pixels(twips(tela().width()) / 2 - largura / 2); }

    QTemporaryDir pasta;
};

TEST_F(Zoom, ShrinkThenGrowIsNoExactRoundTrip)
{
    Usuario usuario(pasta.path());
    Bancada b(usuario);
    JanelaCalcula& j = b.abrir();
    frmCalcula& f = b.form();
    const double largura = j.larguraDesenho();
    const int altura = j.height();
    const float teclaLargura = f.chkNum[5].Width;
    ASSERT_EQ(f.chkNum[5].FontSize(), 12);
    ASSERT_EQ(j.geometriaFita.FontSize, 12);
    ASSERT_EQ(j.geometriaVisor[0].FontSize, 18);
    // One look of the key captions, before and after a zoom.
    EXPECT_TRUE(j.botao(f.chkNum[5])->FontBold());

    b.comando(QStringLiteral("mnuGrande"));
    EXPECT_FALSE(j.mnuGrande.Checked());
    EXPECT_DOUBLE_EQ(j.larguraDesenho(), largura * 0.625);
    EXPECT_TRUE(j.botao(f.chkNum[5])->FontBold());
    EXPECT_EQ(j.width(), pixels(largura * 0.625));
    EXPECT_FLOAT_EQ(f.chkNum[5].Width, teclaLargura * 0.625f);
    // 12 x 0.625 = 7.5, the half to the even 8; the tape alone loses half a point more.
    EXPECT_EQ(j.botao(f.chkNum[5])->FontSize(), 8);
    EXPECT_DOUBLE_EQ(j.txtFita()->font().pointSizeF(), 7.0);
    EXPECT_DOUBLE_EQ(j.geometriaVisor[0].FontSize, 11.25);
    // A visible window goes to the top, centred, and keeps its height.
    EXPECT_EQ(j.height(), altura);
    EXPECT_EQ(j.y(), 0);
    EXPECT_EQ(j.x(), centrada(largura * 0.625));
    EXPECT_EQ(b.conf(QStringLiteral("Letrona")), QStringLiteral("False"));

    b.comando(QStringLiteral("mnuGrande"));
    EXPECT_TRUE(j.mnuGrande.Checked());
    // The growth takes 60 twips off and the shrink gave nothing back.
    EXPECT_DOUBLE_EQ(j.larguraDesenho(), largura - 60);
    // 8 x 1.6 = 12.8: the key that was 12 comes back as 13.
    EXPECT_EQ(j.botao(f.chkNum[5])->FontSize(), 13);
    EXPECT_NEAR(j.txtFita()->font().pointSizeF(), 11.7, 1e-9);
    EXPECT_DOUBLE_EQ(j.geometriaVisor[0].FontSize, 18);
    // Growing makes the window as tall as the screen less 480 twips.
    EXPECT_EQ(j.alturaJanela(), twips(tela().height()) - 480);
    EXPECT_EQ(j.y(), 0);
    EXPECT_EQ(j.x(), centrada(largura - 60));
    EXPECT_EQ(b.conf(QStringLiteral("Letrona")), QStringLiteral("True"));
}

TEST_F(Zoom, SmallDigitsAtLoadLeaveTheWindowWhereItWasAndGrowThenShrinkLosesHalfOf60)
{
    Usuario usuario(pasta.path());
    for (const auto& [chave, valor] : {std::pair{"Letrona", "False"}, {"CalcTop", "1500"}, {"CalcLeft", "750"}})
        usuario.configuracoes.SaveSetting(QStringLiteral("Conf"), QString::fromLatin1(chave), QString::fromLatin1(valor));
    Bancada b(usuario);
    JanelaCalcula& j = b.abrir();
    const double largura = j.larguraDesenho();
    EXPECT_FALSE(j.mnuGrande.Checked());
    EXPECT_EQ(j.botao(b.form().chkNum[5])->FontSize(), 8);
    // Neither parked nor placed nor made taller during the load.
    EXPECT_EQ(j.y(), pixels(1500));
    EXPECT_EQ(j.x(), pixels(750));
    EXPECT_EQ(j.alturaJanela(), 7350);

    b.comando(QStringLiteral("mnuGrande"));
    EXPECT_DOUBLE_EQ(j.larguraDesenho(), largura * 1.6 - 60);
    EXPECT_EQ(j.botao(b.form().chkNum[5])->FontSize(), 13);
    b.comando(QStringLiteral("mnuGrande"));
    EXPECT_DOUBLE_EQ(j.larguraDesenho(), largura - 37.5);
    // 13 x 0.625 = 8.125: grow then shrink keeps a key's size.
    EXPECT_EQ(j.botao(b.form().chkNum[5])->FontSize(), 8);
}

TEST_F(Zoom, HidingTheKeypadShortensTheWindowByItsHeightAndShowingItGivesItBack)
{
    Usuario usuario(pasta.path());
    Bancada b(usuario);
    JanelaCalcula& j = b.abrir();
    const int altura = j.height();
    const int fita = j.txtFita()->height();
    const int teclado = pixels(j.geometriaTeclado.Height);

    b.comando(QStringLiteral("mnuOcultar"));
    EXPECT_TRUE(j.mnuOcultar.Checked());
    EXPECT_FALSE(j.fraTeclado()->isVisible());
    EXPECT_TRUE(esperarAte([&] { return j.height() == altura - teclado; }));
    // The tape keeps its height: only the keypad's place went.
    EXPECT_TRUE(esperarAte([&] { return j.txtFita()->height() == fita; }));

    b.comando(QStringLiteral("mnuOcultar"));
    EXPECT_FALSE(j.mnuOcultar.Checked());
    EXPECT_TRUE(j.fraTeclado()->isVisible());
    EXPECT_TRUE(esperarAte([&] { return j.height() == altura; }));
    EXPECT_EQ(j.txtFita()->height(), fita);
    // Saved at close only.
    EXPECT_EQ(b.conf(QStringLiteral("Oculte")), QStringLiteral("<none>"));
}

TEST_F(Zoom, EveryTopMenuIsReachableInTheSmallWindowInEachLanguage)
{
    Usuario usuario(pasta.path());
    usuario.configuracoes.SaveSetting(QStringLiteral("Conf"), QStringLiteral("Letrona"), QStringLiteral("False"));
    Bancada b(usuario);
    JanelaCalcula& j = b.abrir();
    ASSERT_FALSE(j.mnuGrande.Checked());
    QMenuBar* barra = j.menuBar();
    for (const char* idioma : {"mnuPortuguese", "mnuEnglish", "mnuSpanish", "mnuFrench"}) {
        b.comando(QString::fromLatin1(idioma));
        barra->adjustSize();
        QCoreApplication::processEvents();
        // Qt hides what does not fit behind a chevron button.
        const auto* chevron = barra->findChild<QToolButton*>(QStringLiteral("qt_menubar_ext_button"));
        EXPECT_TRUE(!chevron || !chevron->isVisible()) << idioma;
        for (const char* menu : {"mnu1", "mnuConfig", "mnu9"}) {
            const QRect onde = barra->actionGeometry(j.menu(QString::fromLatin1(menu))->menuAction());
            EXPECT_TRUE(barra->rect().contains(onde)) << idioma << " " << menu;
        }
    }
}

}  // namespace
