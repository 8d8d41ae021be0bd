// The calculator's options on the model: read at load, and those that reshape the keypad
// (what the view is told, what is saved, the advanced mode's note).

#include "host/preferencias.h"
#include "host/texto.h"
#include "support/calculadora.h"

#include <gtest/gtest.h>

using namespace tarvelo;
using namespace tarvelo::teste;

namespace {

class OpcoesTeclado : public ::testing::Test {
protected:
    void SetUp() override
    {
        f.chkMenos.Top = 1200;
        f.chkMenos.Height = 480;
        f.chkIgual.Top = f.chkMais.Top = 1800;
        f.chkMais.Height = 480;
        QObject::connect(&f, &frmCalcula::tecladoMudou, [this] { ++redesenhos; });
    }
    std::optional<bool> enterSoma() const { return lerPreferencia(c.configuracoes, pref::CalcEnter); }

    Calculadora c;
    frmCalcula& f = c.calc;
    int redesenhos = 0;
};

TEST_F(OpcoesTeclado, EnterAddsGrowsThePlusKeyOverTheMinusRowAndEqualsPutsItBack)
{
    f.mnuEnter_Click(true);
    EXPECT_TRUE(f.mnuEnter.Checked());
    EXPECT_FALSE(f.mnuIgual.Checked());
    EXPECT_EQ(f.chkMais.Top, 1200);
    EXPECT_EQ(f.chkMais.Height, 1095);
    EXPECT_EQ(f.chkMais.Caption(), QStringLiteral("EN TER"));
    EXPECT_EQ(f.chkMais.ToolTipText(), QStringLiteral(" Enter "));
    EXPECT_EQ(f.chkIgual.ToolTipText(), QStringLiteral(" NumLock "));
    EXPECT_EQ(redesenhos, 1);
    EXPECT_EQ(enterSoma(), true);

    // Choosing the mode it is in changes nothing.
    f.mnuEnter_Click(true);
    EXPECT_EQ(redesenhos, 1);

    f.mnuIgual_Click();
    EXPECT_TRUE(f.mnuIgual.Checked());
    EXPECT_EQ(f.chkMais.Top, 1800);
    EXPECT_EQ(f.chkMais.Height, 480);
    EXPECT_EQ(f.chkMais.Caption(), QStringLiteral("+"));
    EXPECT_EQ(f.chkMais.ToolTipText(), QStringLiteral(" + "));
    EXPECT_EQ(f.chkIgual.ToolTipText(), QStringLiteral(" Enter "));
    EXPECT_EQ(redesenhos, 2);
    EXPECT_EQ(enterSoma(), false);

    f.mnuEnter_Click(false);
    EXPECT_EQ(f.chkMais.Height, 675);
}

TEST_F(OpcoesTeclado, TheNoteComesOnceAndNeverWhileTheLoadRestoresTheMode)
{
    f.mnuEnter_Click(true);
    f.mnuIgual_Click();
    f.mnuEnter_Click(true);
    ASSERT_EQ(c.mensagens.vistas.size(), 1u);
    EXPECT_TRUE(c.mensagens.vistas[0].texto.startsWith(fTexto(14) + QStringLiteral("\r\n\r\nNOTA: ")));
    EXPECT_EQ(c.mensagens.vistas[0].flags, mb::Information);

    Calculadora carregando;
    carregando.calc.Visible = false;
    carregando.calc.mnuEnter_Click(true);
    carregando.calc.Visible = true;
    carregando.calc.mnuIgual_Click();
    carregando.calc.mnuEnter_Click(true);
    EXPECT_TRUE(carregando.mensagens.vistas.empty());
}

TEST_F(OpcoesTeclado, TheLoadReadsTheOptionsTheFirstCalculatorOnlyItsOwnAndTheMiniWindowNoTapeTicks)
{
    for (const PreferenciaSimNao& p : {pref::CalcEnter, pref::CalcTime, pref::InserirTexto, pref::Monitor, pref::NumLock})
        salvarPreferencia(c.configuracoes, p, true);
    salvarPreferencia(c.configuracoes, pref::Backup, false);
    salvarPreferencia(c.configuracoes, pref::Formato, 30);

    f.lerOpcoes(false, true);
    EXPECT_TRUE(f.mnuNumeral(30).Checked());
    EXPECT_TRUE(f.mnuEnter.Checked());
    EXPECT_EQ(f.chkMais.Height, 1095);
    EXPECT_TRUE(f.mnuTime1.Checked());
    EXPECT_FALSE(f.mnuTime2.Checked());
    EXPECT_FALSE(f.mnuInserir.Checked()) << "a second calculator keeps its own";
    EXPECT_FALSE(f.mnuMonit.Checked());
    f.lerOpcoes(true, true);
    EXPECT_TRUE(f.mnuInserir.Checked());
    EXPECT_TRUE(f.mnuMonit.Checked());

    f.ModoMini = true;
    f.lerOpcoesDaFita();
    EXPECT_FALSE(f.mnuNumLock.Checked());
    f.ModoMini = false;
    f.mnuBackup.setChecked(true);
    f.lerOpcoesDaFita();
    EXPECT_TRUE(f.mnuNumLock.Checked());
    EXPECT_FALSE(f.mnuBackup.Checked());

    // A format that is no item of the menu counts as the default.
    salvarPreferencia(c.configuracoes, pref::Formato, 7);
    f.lerOpcoes(true, true);
    EXPECT_TRUE(f.mnuNumeral(2).Checked());
}

}  // namespace
