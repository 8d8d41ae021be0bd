// The on-screen keypad and the memory keys, clicked as the user clicks them.

#include "support/calculadora.h"

#include <gtest/gtest.h>

using namespace tarvelo;
using namespace tarvelo::teste;

namespace {

constexpr int kEsquerdo = 1;
constexpr int kDireito = 2;

class Teclado : public ::testing::Test {
protected:
    void digitos(const char* texto)
    {
        for (const char* d = texto; *d; ++d)
            c.calc.chkNum[*d - '0'].release(kEsquerdo);
    }
    Calculadora c;
};

TEST_F(Teclado, DigitsAppendAndReplaceASelectedEntry)
{
    digitos("789");
    EXPECT_EQ(c.digitado(), QStringLiteral("789"));
    c.teclas(QStringLiteral("+"));
    digitos("5");
    EXPECT_EQ(c.digitado(), QStringLiteral("5"));
    EXPECT_EQ(c.total(), QStringLiteral("789"));
    c.calc.chkMais.release(kEsquerdo);
    digitos("6");
    EXPECT_EQ(c.visor(), QStringLiteral("6")) << "a keypad operator leaves the caret after the \"0\"";
}

TEST_F(Teclado, DecimalKeyAppendsThenDiscards)
{
    digitos("12");
    c.calc.chkVirgula.release(kEsquerdo);
    EXPECT_EQ(c.digitado(), QStringLiteral("12,"));
    EXPECT_TRUE(c.calc.chkVirgula.Value());
    c.calc.chkVirgula.release(kEsquerdo);
    EXPECT_EQ(c.digitado(), QStringLiteral("0"));
    EXPECT_EQ(c.calc.txtEntrada.SelLength(), 1);

    c.teclas(QStringLiteral("4+"));
    c.calc.chkVirgula.release(kEsquerdo);
    EXPECT_EQ(c.digitado(), QStringLiteral("0,")) << "after an operator the key starts a fraction";

    c.calc.txtEntrada.setText(QStringLiteral("123456789012"));
    c.calc.chkVirgula.setValue(false);
    c.calc.chkVirgula.release(kEsquerdo);
    EXPECT_EQ(c.digitado(), QStringLiteral("123456789012,")) << "a full entry keeps the symbol";
}

TEST_F(Teclado, BackspaceAndCE)
{
    digitos("45");
    c.calc.chkBack.release(kEsquerdo);
    EXPECT_EQ(c.digitado(), QStringLiteral("4"));
    c.calc.chkCE.release(kEsquerdo);
    EXPECT_EQ(c.digitado(), QStringLiteral("0"));
    EXPECT_EQ(c.visor(), QStringLiteral("0"));

    c.teclas(QStringLiteral("9+"));
    c.calc.chkCE.release(kEsquerdo);
    EXPECT_EQ(c.total(), QStringLiteral("9")) << "CE on an empty entry keeps the running total";
    EXPECT_EQ(c.visor(), QStringLiteral("0"));
    c.calc.chkCE.release(kEsquerdo);
    EXPECT_EQ(visivel(c.calc.txtFita.Text()), visivel(c.cabecalho)) << "CE on a zero display clears the tape";
    EXPECT_EQ(c.total(), QStringLiteral("0"));
}

TEST_F(Teclado, OperatorKeysSendTheirKeysAndRightClicksPopTheEnterMenu)
{
    QStringList menus;
    QObject::connect(&c.calc, &frmCalcula::PopupMenu, [&menus](const QString& menu) { menus << menu; });
    digitos("6");
    c.calc.chkMais.release(kDireito);
    c.calc.chkIgual.release(kDireito);
    EXPECT_EQ(menus, QStringList({QStringLiteral("mnu4"), QStringLiteral("mnu4")}));
    EXPECT_EQ(c.linhas(), QString());

    c.calc.chkVezes.release(kDireito);
    EXPECT_TRUE(c.linhas().endsWith(QStringLiteral("6 \u00D7\r\n"))) << "other keys take any button";
    digitos("2");
    c.calc.chkIgual.release(kEsquerdo);
    EXPECT_EQ(c.clipboard.conteudo, QStringLiteral("12"));
    EXPECT_EQ(c.calc.foco(), &c.calc.txtEntrada);
}

TEST_F(Teclado, PlusSendsEnterWhenEnterAdds)
{
    c.calc.mnuEnter.setChecked(true);
    digitos("7");
    c.calc.chkMais.release(kEsquerdo);
    c.calc.chkMais.release(kEsquerdo);
    EXPECT_EQ(c.total(), QStringLiteral("14"));
}

TEST_F(Teclado, SignKeyNegatesTheShownResultAfterATotal)
{
    c.teclas(QStringLiteral("1234,5+1="));
    c.calc.chkNeg.release(kEsquerdo);
    EXPECT_EQ(c.digitado(), QStringLiteral("-1235,5"));
    c.calc.chkNeg.release(kEsquerdo);
    EXPECT_EQ(c.digitado(), QStringLiteral("1235,5"));

    Calculadora zero(0);
    zero.calc.chkNeg.release(kEsquerdo);
    EXPECT_EQ(zero.visor(), QStringLiteral("-0,00"));
    Calculadora numeral;
    numeral.calc.chkNeg.release(kEsquerdo);
    EXPECT_EQ(numeral.visor(), QStringLiteral("-0"));
}

TEST_F(Teclado, SignKeyTakesALongResultWhole)
{
    c.teclas(QStringLiteral("123456789,123+1="));
    c.calc.chkNeg.release(kEsquerdo);
    EXPECT_EQ(c.digitado(), QStringLiteral("-123456790,123"));
}

TEST_F(Teclado, HotkeyCallsLeaveTheFocusWhereItIs)
{
    c.calc.SetFocus(c.calc.txtFita);
    c.calc.chkNum_MouseUp(3, 0);
    c.calc.chkMais_MouseUp(0);
    EXPECT_EQ(c.calc.foco(), &c.calc.txtFita);
    EXPECT_EQ(c.total(), QStringLiteral("3"));
}

TEST_F(Teclado, DisabledKeysTakeNoClick)
{
    c.calc.chkNum[4].setEnabled(false);
    c.calc.chkNum[4].release(kEsquerdo);
    EXPECT_EQ(c.digitado(), QStringLiteral("0"));
}

TEST(Memoria, AddsSubtractsRecallsAndClears)
{
    Calculadora c;
    c.teclas(QStringLiteral("12,5"));
    c.calc.Mmais.release(kEsquerdo);
    EXPECT_EQ(c.calc.fraTeclado.Caption(), QStringLiteral("12,5"));
    EXPECT_EQ(c.calc.fraTeclado.ForeColor(), kCorAzul);
    EXPECT_EQ(c.calc.txtEntrada.SelLength(), c.digitado().size());

    c.teclas(QStringLiteral("20"));
    c.calc.Mmenos.release(kEsquerdo);
    EXPECT_EQ(c.calc.fraTeclado.Caption(), QStringLiteral("-7,5"));
    EXPECT_EQ(c.calc.fraTeclado.ForeColor(), kCorVermelha);

    c.calc.MR.release(kEsquerdo);
    EXPECT_EQ(c.digitado(), QStringLiteral("-7,5"));
    c.calc.MC.release(kEsquerdo);
    c.calc.MR.release(kEsquerdo);
    EXPECT_EQ(c.digitado(), QStringLiteral("0"));
}

TEST(Memoria, EmptyMemoryMinusStoresTheNegatedDisplayAndGroupingIsRead)
{
    Calculadora c;
    c.teclas(QStringLiteral("1234,5"));
    ASSERT_EQ(c.visor(), QStringLiteral("1.234,5"));
    c.calc.Mmenos_Click();
    EXPECT_EQ(c.calc.fraTeclado.Caption(), QStringLiteral("-1234,5"));
}

TEST(Memoria, RecallTakesALongMemoryWhole)
{
    Calculadora c(0);
    c.calc.fraTeclado.setCaption(QStringLiteral("2469134,246912"));
    c.calc.MR_Click();
    EXPECT_EQ(c.digitado(), QStringLiteral("2469134,246912"));
    EXPECT_EQ(c.visor(), QStringLiteral("2.469.134,246912"));
}

}  // namespace
