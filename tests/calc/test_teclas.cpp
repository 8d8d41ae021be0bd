// Key entry, tape lines and totals, typed into the model as a user types them.

#include "support/calculadora.h"

#include "calc/linhafita.h"
#include "host/texto.h"

#include <gtest/gtest.h>

using namespace tarvelo;
using namespace tarvelo::teste;

namespace {

const QString kFimDeCalculo = QStringLiteral(" =========================\r\n");

QString linhas(std::initializer_list<const char*> textos)
{
    QString resultado;
    for (const char* t : textos)
        resultado += QString::fromUtf8(t) + QStringLiteral("\r\n");
    return resultado;
}

struct CasoPercentual {
    const char* teclas;
    const char* linhaOperador;
    const char* linhaTotal;
    const char* clipboard;
};

class Percentual : public ::testing::TestWithParam<CasoPercentual> {};

TEST_P(Percentual, ClosesTheCalculationWithTheRuleOfThePrecedingOperator)
{
    const CasoPercentual caso = GetParam();
    Calculadora c;
    c.teclas(QString::fromUtf8(caso.teclas));
    EXPECT_EQ(visivel(c.linhas()), visivel(linhas({caso.linhaOperador, "                       8 %",
                                                    " 002                      ", caso.linhaTotal})
                                          + kFimDeCalculo));
    EXPECT_EQ(c.clipboard.conteudo, QString::fromUtf8(caso.clipboard));
    EXPECT_EQ(c.visor(), QString::fromUtf8(caso.clipboard));
    EXPECT_EQ(c.total(), QStringLiteral("0"));
    EXPECT_EQ(c.calc.lblVisor[1].Caption(), QStringLiteral("000"));
    EXPECT_EQ(c.calc.Tag, QStringLiteral("+"));
}

INSTANTIATE_TEST_SUITE_P(
    Regras, Percentual,
    ::testing::Values(CasoPercentual{"100+8%", "                     100 +", "                     108 T", "108"},
                      CasoPercentual{"100-8%", "                     100 -", "                      92 T", "92"},
                      CasoPercentual{"100*8%", "                     100 ×", "                       8 T", "8"},
                      CasoPercentual{"108/8%", "                     108 ÷", "                       8 T", "8"}));

TEST(Teclas, InfixCalculationWritesOneLinePerOperatorAndTheTotalBlock)
{
    Calculadora c;
    c.teclas(QStringLiteral("5+3*2="));
    EXPECT_EQ(visivel(c.linhas()), visivel(linhas({"                       5 +", "                       3 ×",
                                                    "                       2 =", " 003                      ",
                                                    "                      16 T"})
                                          + kFimDeCalculo));
    EXPECT_EQ(c.clipboard.conteudo, QStringLiteral("16"));
}

TEST(Teclas, SameOperatorOnAnEmptyEntryRepeatsTheLastNumber)
{
    Calculadora c;
    c.teclas(QStringLiteral("7+++="));
    EXPECT_EQ(visivel(c.linhas()), visivel(linhas({"                       7 +", "                       7 +",
                                                    "                       7 =", " 003                      ",
                                                    "                      21 T"})
                                          + kFimDeCalculo));
    const QString fita = c.calc.txtFita.Text();
    c.teclas(QStringLiteral("="));
    EXPECT_EQ(c.calc.txtFita.Text(), fita) << "a closed tape takes no second total";
    EXPECT_EQ(c.visor(), QStringLiteral("0"));
}

TEST(Teclas, EnterAddsTwiceInEnterAddsMode)
{
    Calculadora c;
    c.calc.mnuEnter.setChecked(true);
    c.calc.mnuIgual.setChecked(false);
    c.teclas(QStringLiteral("7\r\r"));
    EXPECT_EQ(visivel(c.linhas()), visivel(linhas({"                       7 +", "                       7 +"})));
    EXPECT_EQ(c.total(), QStringLiteral("14"));
}

TEST(Teclas, AlternativeKeysMapToOperatorsAndDigits)
{
    Calculadora c;
    c.teclas(QStringLiteral("uM;k\xe7") + QChar(13));  // U=4, M=0, ";" adds, K=2, "ç" adds, Enter totals
    EXPECT_EQ(visivel(c.linhas()), visivel(linhas({"                      40 +", "                       2 =",
                                                    " 002                      ", "                      42 T"})
                                          + kFimDeCalculo));

    Calculadora n;
    n.calc.mnuNumLock.setChecked(true);
    n.teclas(QStringLiteral("u"));
    EXPECT_EQ(n.digitado(), QStringLiteral("0")) << "with NumLock kept on, letters stay letters";
}

TEST(Teclas, OperatorOnAnEmptyEntryReplacesTheLastOperator)
{
    Calculadora c;
    c.teclas(QStringLiteral("5+*"));
    EXPECT_EQ(visivel(c.linhas()), visivel(linhas({"                       5 ×"})));
    EXPECT_EQ(c.total(), QStringLiteral("5"));
    EXPECT_EQ(c.calc.Tag, QStringLiteral("*"));
    EXPECT_EQ(c.calc.lblVisor[1].Caption(), QStringLiteral("001"));
    c.teclas(QStringLiteral("="));
    EXPECT_TRUE(c.linhas().startsWith(linhas({"                       5 =", " 001                      "})))
        << visivel(c.linhas());
}

TEST(Teclas, ShownResultCarriesOverIntoTheNextCalculation)
{
    Calculadora c;
    c.teclas(QStringLiteral("2+3=*2="));
    EXPECT_TRUE(c.linhas().endsWith(linhas({"                       5 ×", "                       2 =",
                                             " 002                      ", "                      10 T"})
                                    + kFimDeCalculo))
        << visivel(c.linhas());

    Calculadora d;
    d.teclas(QStringLiteral("2+3=4"));
    EXPECT_EQ(d.digitado(), QStringLiteral("4")) << "a digit replaces the result on show";

    Calculadora e;
    e.teclas(QStringLiteral("5="));
    EXPECT_EQ(e.linhas(), QString()) << "on a closed tape \"=\" only clears the calculation";
    EXPECT_EQ(e.visor(), QStringLiteral("0"));
}

TEST(Teclas, ZeroDisplayResetsTheEntryAndMinusStartsANegativeNumber)
{
    Calculadora c;
    const QString fita = c.calc.txtFita.Text();
    c.teclas(QStringLiteral("+*/%"));
    EXPECT_EQ(c.calc.txtFita.Text(), fita);
    c.teclas(QStringLiteral("-"));
    EXPECT_EQ(c.digitado(), QStringLiteral("-0"));
    EXPECT_EQ(c.visor(), QStringLiteral("-0"));
    EXPECT_EQ(c.calc.lblVisor[0].ForeColor(), kCorVermelha);
    c.teclas(QStringLiteral("5+"));
    EXPECT_EQ(visivel(c.linhas()), visivel(linhas({"                      -5 +"})));

    Calculadora f(0);
    f.teclas(QStringLiteral("-"));
    EXPECT_EQ(f.visor(), QStringLiteral("-0,00"));
}

TEST(Teclas, EqualsOnAClosedTapeAppendsTheMissingSeparatorOnly)
{
    Calculadora c;
    // A tool record whose last line carries "T" in column 25.
    const QString registro = QString(20, QLatin1Char(' ')) + QStringLiteral("1000T \r\n");
    c.calc.txtFita.append(registro);
    c.teclas(QStringLiteral("="));
    EXPECT_EQ(visivel(c.linhas()), visivel(registro + kFimDeCalculo));
    const QString fita = c.calc.txtFita.Text();
    c.teclas(QStringLiteral("="));
    EXPECT_EQ(c.calc.txtFita.Text(), fita);
}

TEST(Teclas, EscAsksTheWindowToCloseAndQuotesNeverReachTheTape)
{
    Calculadora c;
    EXPECT_EQ(c.calc.Form_KeyPress(27), 0);
    EXPECT_EQ(c.teclado.fechamentos, 1);
    EXPECT_EQ(c.calc.Form_KeyPress('"'), 0);
}

TEST(Teclas, AnnotationTypedAfterAnOperatorLine)
{
    Calculadora c;
    c.calc.mnuInserir.setChecked(true);
    c.teclas(QStringLiteral("12+abc"));
    EXPECT_EQ(visivel(c.linhas()), visivel(linhas({" ABC                  12 +"})));
    c.teclas(QStringLiteral("\bdefghijklmn"));
    EXPECT_EQ(visivel(c.linhas()), visivel(linhas({" ABDEFGHIJKL          12 +"})))
        << "eleven letters at most";
    c.teclas(QStringLiteral("3="));
    EXPECT_EQ(visivel(c.linhas()),
              visivel(linhas({" ABDEFGHIJKL          12 +", "                       3 =", " _________________________",
                              "", " 002                      ", "                      15 T"})
                      + kFimDeCalculo));
}

TEST(Teclas, AnnotationOnATapeShorterThanALineIsSkipped)
{
    Calculadora c;
    c.calc.mnuInserir.setChecked(true);
    c.teclas(QStringLiteral("12+"));
    c.calc.txtFita.setText(QStringLiteral(" 12 +\r\n"));
    c.calc.txtFita.setSelStart(1);
    c.calc.txtFita.setSelLength(3);
    c.teclas(QStringLiteral("a"));
    EXPECT_EQ(c.calc.txtFita.Text(), QStringLiteral(" 12 +\r\n"));
}

TEST(Teclas, LongTotalIsCutAndMarkedButGoesWholeToTheClipboard)
{
    Calculadora c(0);
    c.teclas(QStringLiteral("999999999999*999999999999="));
    const QString inteiro = QStringLiteral("999.999.999.998.000.000.000.001,00");
    EXPECT_EQ(c.clipboard.conteudo, inteiro);
    EXPECT_TRUE(c.linhas().endsWith(QStringLiteral("  ") + inteiro.left(22) + QStringLiteral(" E\r\n")
                                    + kFimDeCalculo))
        << visivel(c.linhas());
}

TEST(Teclas, DivisionByZeroLeavesTheTotal)
{
    Calculadora c;
    c.teclas(QStringLiteral("8/0="));
    EXPECT_EQ(c.clipboard.conteudo, QStringLiteral("8"));
}

TEST(Teclas, OnlyAnArmedTapeCalculates)
{
    Calculadora c;
    c.teclas(QStringLiteral("5+"));
    c.calc.definirModoFita(ModoFita::Edicao);
    EXPECT_FALSE(c.calc.txtFita.Locked());
    c.calc.txtEntrada.setText(QStringLiteral("7"));
    c.calc.txtFita.append(QStringLiteral("                       7 +\r\n"));
    EXPECT_EQ(c.total(), QStringLiteral("5"));
    EXPECT_EQ(c.calc.lblVisor[1].Caption(), QStringLiteral("001"));

    c.calc.definirModoFita(ModoFita::Armada);
    c.calc.txtFita.append(QStringLiteral("                       7 +\r\n"));
    EXPECT_EQ(c.total(), QStringLiteral("12")) << "an armed tape applies whatever writes it";
}

TEST(Teclas, CollectedProductsGoToTheClipboardInsteadOfTheTotal)
{
    Calculadora c;
    c.calc.ResultadoClipboard = QStringLiteral("6,00\r\n20,00\r\n");
    c.teclas(QStringLiteral("6+20="));
    EXPECT_EQ(c.clipboard.conteudo, QStringLiteral("6,00\r\n20,00\r\n"));
    EXPECT_TRUE(c.calc.ResultadoClipboard.isEmpty());
}

// What a total puts on the clipboard, the total or the collected products, the monitor does
// not take back.
TEST(Teclas, TheMonitorLeavesWhatATotalPutOnTheClipboard)
{
    for (const QString& produtos : {QString(), QStringLiteral("6,00\r\n20,00\r\n")}) {
        SCOPED_TRACE(produtos.toStdString());
        Calculadora c;
        c.calc.mnuMonit.setChecked(true);
        c.calc.ResultadoClipboard = produtos;
        c.teclas(QStringLiteral("6+20="));
        const QString linhas = c.linhas();
        c.calc.Timer1_Timer();
        EXPECT_EQ(visivel(c.linhas()), visivel(linhas));
        EXPECT_EQ(c.total(), QStringLiteral("0"));
    }
}

TEST(Teclas, FullTapeAsksOncePerTotalUntilCleared)
{
    Calculadora c;
    c.calc.mnuSemSom.setChecked(false);
    c.calc.mnuBeep.setChecked(true);
    c.calc.NotaAtual = 63;
    c.calc.txtFita.append(QString(21000, QLatin1Char(' ')) + QStringLiteral("\r\n") + kFimDeCalculo);

    c.teclas(QStringLiteral("1+2="));
    ASSERT_EQ(c.mensagens.vistas.size(), 1u);
    EXPECT_EQ(c.mensagens.vistas[0].texto, fTexto(4));
    EXPECT_EQ(c.mensagens.vistas[0].flags, mb::YesNo | mb::Question);
    EXPECT_EQ(c.midi.mensagens, std::vector<std::uint32_t>{0x93u + 99u * 256u}) << "the sounding note is silenced first";
    EXPECT_GT(c.calc.txtFita.length(), kLimiteFita) << "No keeps the tape";

    c.mensagens.depois = mb::Yes;
    c.teclas(QStringLiteral("3+4="));
    EXPECT_EQ(c.mensagens.vistas.size(), 2u);
    EXPECT_EQ(visivel(c.calc.txtFita.Text()), visivel(c.cabecalho));
    EXPECT_EQ(c.visor(), QStringLiteral("0"));
}

}  // namespace
