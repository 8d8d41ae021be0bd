// What the tool windows reach of the calculator: the record hand-over and plain appends.

#include "support/calculadora.h"

#include "calc/linhafita.h"
#include "host/texto.h"

#include <gtest/gtest.h>

using namespace tarvelo;
using namespace tarvelo::teste;

namespace {

const QString kRegistro = QStringLiteral("              REGISTRO T\r\n                      1 +");
const QString kFechoRegistro = kRegistro + QStringLiteral("\r\n =========================\r\n");

TEST(AnexarFita, ClosesAnOpenCalculationBeforeTheRecordAndResetsTheCalculator)
{
    Calculadora c;
    c.teclas(QStringLiteral("5+3+"));
    c.calc.AnexarFita(kRegistro);
    EXPECT_EQ(visivel(c.linhas()), visivel(QStringLiteral("                       5 +\r\n"
                                                          "                       3 =\r\n"
                                                          " 002                      \r\n"
                                                          "                       8 T\r\n"
                                                          " =========================\r\n")
                                           + kFechoRegistro));
    EXPECT_EQ(c.clipboard.conteudo, QStringLiteral("8"));
    EXPECT_EQ(c.digitado(), QStringLiteral("0"));
    EXPECT_EQ(c.total(), QStringLiteral("0"));
    EXPECT_EQ(c.calc.Tag, QStringLiteral("+"));
    EXPECT_FALSE(c.calc.chkIgual.Value());
    EXPECT_TRUE(c.mensagens.vistas.empty());
}

TEST(AnexarFita, AClosedTapeTakesTheRecordWithoutAnotherTotal)
{
    Calculadora c;
    c.teclas(QStringLiteral("5+3="));
    const QString antes = c.linhas();
    c.calc.AnexarFita(kRegistro);
    EXPECT_EQ(visivel(c.linhas()), visivel(antes + kFechoRegistro));
}

TEST(AnexarFita, AFullTapeIsOfferedForClearingAndTheRecordGoesOnEitherWay)
{
    for (const int resposta : {mb::Yes, mb::No}) {
        Calculadora c;
        c.teclas(QStringLiteral("5="));
        const QString cheia = c.calc.txtFita.Text() + QString(kLimiteFita, QLatin1Char(' ')) + kQuebra + kSeparador
                              + kQuebra;
        c.calc.txtFita.setText(cheia);
        c.mensagens.depois = resposta;
        c.calc.AnexarFita(kRegistro);
        ASSERT_EQ(c.mensagens.vistas.size(), 1u);
        EXPECT_EQ(c.mensagens.vistas[0].texto, fTexto(4));
        EXPECT_EQ(c.mensagens.vistas[0].flags, mb::YesNo | mb::Question);
        const QString esperada = (resposta == mb::Yes ? c.cabecalho : cheia) + kFechoRegistro;
        EXPECT_EQ(c.calc.txtFita.Text(), esperada) << resposta;
    }
}

TEST(AcrescentarFita, AppendsTheTextAloneAndLeavesTheCalculationAsItIs)
{
    Calculadora c;
    c.teclas(QStringLiteral("5+"));
    const QString antes = c.linhas();
    c.calc.AcrescentarFita(QStringLiteral(" 10/01/24\r\n"));
    EXPECT_EQ(visivel(c.linhas()), visivel(antes + QStringLiteral(" 10/01/24\r\n")));
    c.calc.DefinirEntrada(QStringLiteral("1143,36"));
    EXPECT_EQ(c.digitado(), QStringLiteral("1143,36"));
}

}  // namespace
