// Undo and redo of counted tape lines, and the display's colour and caption handling.

#include "support/calculadora.h"

#include <gtest/gtest.h>

using namespace tarvelo;
using namespace tarvelo::teste;

namespace {

TEST(Desfazer, UndoTwiceAndRedoTwiceRestoresTheCalculation)
{
    Calculadora c;
    c.teclas(QStringLiteral("5+3+"));
    const QString fita = c.calc.txtFita.Text();
    ASSERT_EQ(c.calc.HistTotais.size(), 2u);
    EXPECT_EQ(c.calc.HistTotais[0].total, QStringLiteral("0"));
    EXPECT_EQ(c.calc.HistTotais[1].total, QStringLiteral("5"));

    c.calc.mnuUndo_Click();
    EXPECT_EQ(visivel(c.linhas()), visivel(QStringLiteral("                       5 +\r\n")));
    EXPECT_EQ(c.total(), QStringLiteral("5"));
    EXPECT_EQ(c.visor(), QStringLiteral("5"));
    EXPECT_EQ(c.calc.lblVisor[1].Caption(), QStringLiteral("001"));
    EXPECT_TRUE(c.calc.mnuUndo.Enabled());
    EXPECT_TRUE(c.calc.mnuRedo.Enabled());

    c.calc.mnuUndo_Click();
    EXPECT_EQ(c.linhas(), QString());
    EXPECT_EQ(c.total(), QStringLiteral("0"));
    EXPECT_EQ(c.calc.lblVisor[1].Caption(), QStringLiteral("000"));
    EXPECT_FALSE(c.calc.mnuUndo.Enabled());

    c.calc.mnuRedo_Click();
    EXPECT_EQ(visivel(c.linhas()), visivel(QStringLiteral("                       5 +\r\n")))
        << "the most recently undone line comes back first";
    EXPECT_TRUE(c.calc.mnuRedo.Enabled());
    c.calc.mnuRedo_Click();
    EXPECT_EQ(visivel(c.calc.txtFita.Text()), visivel(fita));
    EXPECT_EQ(c.total(), QStringLiteral("8"));
    EXPECT_FALSE(c.calc.mnuRedo.Enabled());
    EXPECT_TRUE(c.calc.mnuUndo.Enabled());
}

TEST(Desfazer, ANewNumberAfterAnUndoUsesUpTheLatestRedoStep)
{
    Calculadora c;
    c.teclas(QStringLiteral("1+2+3+"));
    c.calc.mnuUndo_Click();
    c.calc.mnuUndo_Click();
    c.teclas(QStringLiteral("9+"));
    ASSERT_EQ(c.calc.RefazerLinhas.size(), 1u);
    EXPECT_TRUE(c.calc.mnuRedo.Enabled());
    c.calc.mnuRedo_Click();
    EXPECT_TRUE(c.linhas().endsWith(QStringLiteral("                       9 +\r\n"
                                                   "                       3 +\r\n")));
    EXPECT_EQ(c.total(), QStringLiteral("13"));
    EXPECT_FALSE(c.calc.mnuRedo.Enabled());
}

TEST(Desfazer, LongTotalsKeepTheHistoriesInStep)
{
    Calculadora c(0);
    c.teclas(QStringLiteral("999999999999*999999999999*9+"));
    ASSERT_GT(c.total().size(), 30);
    const QString longo = c.total();
    c.teclas(QStringLiteral("2+"));
    c.calc.mnuUndo_Click();
    EXPECT_EQ(c.total(), longo);
    EXPECT_EQ(c.calc.Tag, QStringLiteral("+"));
    c.calc.mnuUndo_Click();
    EXPECT_EQ(c.calc.Tag, QStringLiteral("*"));
}

TEST(Desfazer, TimeModeRedoEntersTheTimeAgain)
{
    Calculadora c;
    c.calc.mnuTime1_Click();
    c.calc.mnuTempo_Click();
    c.teclas(QStringLiteral("130+45+"));
    c.calc.mnuUndo_Click();
    EXPECT_EQ(c.calc.lblVisor[2].Caption(), QStringLiteral("01:30"));
    c.calc.mnuRedo_Click();
    EXPECT_TRUE(c.linhas().endsWith(QStringLiteral("                   00:45 +\r\n"))) << visivel(c.linhas());
    EXPECT_EQ(c.calc.lblVisor[2].Caption(), QStringLiteral("02:15"));
}

TEST(Desfazer, RedoPutsTheAnnotationBack)
{
    Calculadora c;
    c.calc.mnuInserir.setChecked(true);
    c.teclas(QStringLiteral("12+ab"));
    c.calc.mnuUndo_Click();
    c.calc.mnuRedo_Click();
    EXPECT_EQ(visivel(c.linhas()), visivel(QStringLiteral(" AB                   12 +\r\n")));
}

TEST(Desfazer, CounterChangesWhileHiddenPushNothing)
{
    Calculadora c;
    c.calc.Visible = false;
    c.calc.lblVisor[1].setCaption(QStringLiteral("004"));
    EXPECT_TRUE(c.calc.HistTotais.empty());
    EXPECT_FALSE(c.calc.mnuUndo.Enabled());
}

TEST(Desfazer, ReducedWindowMirrorsTheDisplayInItsCaption)
{
    Calculadora c;
    c.calc.ModoMini = true;
    c.teclas(QStringLiteral("5+"));
    EXPECT_EQ(c.calc.Caption(), QStringLiteral(" = 5"));
    c.teclas(QStringLiteral("3"));
    EXPECT_EQ(c.calc.Caption(), QStringLiteral(" 3"));
    c.calc.WindowState = 1;
    c.teclas(QStringLiteral("1"));
    EXPECT_EQ(c.calc.Caption(), QStringLiteral(" 3")) << "minimised, the caption is left alone";
}

}  // namespace
