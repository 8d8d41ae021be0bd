// Time mode: durations in MM:SS or HH:MM:SS, added in seconds.

#include "support/calculadora.h"

#include "calc/tempo.h"

#include <gtest/gtest.h>

using namespace tarvelo;
using namespace tarvelo::teste;

namespace {

const QString kFimDeCalculo = QStringLiteral(" =========================\r\n");

struct CasoConversao {
    const char* texto;
    bool minutosSegundos;
    const char* esperado;
};

TEST(ConverterTempo, ConvertsBothWays)
{
    ScopedLocale locale(LocaleInfo::brazil());
    const CasoConversao casos[] = {
        {"12:34", true, "754"},        {"754", true, "12:34"},          {"7200", true, "120:00"},
        {"01:02:03", false, "3723"},   {"3723", false, "01:02:03"},     {"360000", false, "100:00:00"},
        {"-90", true, "-01:30"},       {"-01:30", true, "-90"},         {"0", true, "00:00"},
        {"3.600,00", false, "01:00:00"},
        // Seconds are whole before they are split: never "01:60".
        {"119,6", true, "02:00"},      {"59,4", true, "00:59"},         {"3599,5", false, "01:00:00"},
    };
    for (const auto& caso : casos)
        EXPECT_EQ(converterTempo(QString::fromUtf8(caso.texto), caso.minutosSegundos), QString::fromUtf8(caso.esperado))
            << caso.texto;
}

class ModoTempo : public ::testing::Test {
protected:
    void SetUp() override
    {
        c.calc.mnuTime1_Click();
        c.calc.mnuTempo_Click();
    }
    Calculadora c;
};

TEST_F(ModoTempo, LinesAndTotalShowTimesAndTheClipboardTakesTheTotal)
{
    c.teclas(QStringLiteral("130"));
    EXPECT_EQ(c.calc.lblVisor[2].Caption(), QStringLiteral("01:30"));
    EXPECT_EQ(c.visor(), QStringLiteral("90"));
    c.teclas(QStringLiteral("+45="));
    EXPECT_EQ(visivel(c.linhas()), visivel(QStringLiteral("                   01:30 +\r\n"
                                                          "                   00:45 =\r\n"
                                                          " 002                      \r\n"
                                                          "                   02:15 T\r\n")
                                           + kFimDeCalculo));
    EXPECT_EQ(c.clipboard.conteudo, QStringLiteral("02:15"));
    EXPECT_EQ(c.calc.lblVisor[2].Caption(), QStringLiteral("02:15"));
    EXPECT_EQ(c.visor(), QStringLiteral("135"));

    c.teclas(QStringLiteral("+"));
    EXPECT_TRUE(c.linhas().endsWith(QStringLiteral("                   02:15 +\r\n")))
        << "the shown time carries over as digits";
}

TEST_F(ModoTempo, ArithmeticRunsOnSecondsAndANegativeResultKeepsItsSign)
{
    c.teclas(QStringLiteral("130*2="));
    EXPECT_EQ(c.clipboard.conteudo, QStringLiteral("03:00"));
    c.teclas(QStringLiteral("30-100="));
    EXPECT_EQ(c.clipboard.conteudo, QStringLiteral("-00:30"));
    EXPECT_EQ(c.calc.lblVisor[2].ForeColor(), kCorVermelha);
}

TEST_F(ModoTempo, PercentDecimalAndRepeatDoNothing)
{
    c.teclas(QStringLiteral("5,+"));
    EXPECT_EQ(c.digitado(), QStringLiteral("0"));
    EXPECT_EQ(c.calc.lblVisor[2].Caption(), QStringLiteral("00:05"));
    const QString fita = c.calc.txtFita.Text();
    c.teclas(QStringLiteral("+"));
    EXPECT_EQ(c.calc.txtFita.Text(), fita) << "no repeat of the last number";
    c.teclas(QStringLiteral("3%"));
    EXPECT_EQ(c.calc.txtFita.Text(), fita);
}

TEST_F(ModoTempo, SwitchingTheFormatChangesOnlyTheTimeDisplayAndIsStored)
{
    c.teclas(QStringLiteral("1234"));
    EXPECT_EQ(c.calc.lblVisor[2].Caption(), QStringLiteral("12:34"));
    c.calc.mnuTime2_Click();
    EXPECT_EQ(c.calc.lblVisor[2].Caption(), QStringLiteral("12:34:00"));
    EXPECT_EQ(c.configuracoes.GetSetting(QStringLiteral("Conf"), QStringLiteral("CalcTime")), QStringLiteral("False"));
    c.calc.mnuTime1_Click();
    EXPECT_EQ(c.calc.lblVisor[2].Caption(), QStringLiteral("12:34"));

    c.configuracoes.DeleteSetting(QStringLiteral("Conf"), QStringLiteral("CalcTime"));
    c.calc.mnuTime1_Click();
    EXPECT_EQ(c.configuracoes.GetSetting(QStringLiteral("Conf"), QStringLiteral("CalcTime"), QStringLiteral("none")),
              QStringLiteral("none"))
        << "the ticked format writes nothing";
}

TEST(TempoEntrada, EnteringClosesTheOpenCalculationAndEmptiesTheMemory)
{
    Calculadora c;
    c.teclas(QStringLiteral("5+3"));
    c.calc.Mmais_Click();
    c.calc.mnuTempo_Click();
    EXPECT_TRUE(c.linhas().endsWith(QStringLiteral("                       8 T\r\n") + kFimDeCalculo));
    EXPECT_EQ(c.calc.fraTeclado.Caption(), QString());
    EXPECT_EQ(c.calc.lblVisor[2].Caption(), QStringLiteral("00:00:00"));
    EXPECT_TRUE(c.calc.lblVisor[2].Visible());
    EXPECT_FALSE(c.calc.lblVisor[0].Visible());
    for (const KeyButton* tecla : {&c.calc.chkVirgula, &c.calc.chkPercent, &c.calc.MC, &c.calc.MR, &c.calc.Mmais,
                                   &c.calc.Mmenos})
        EXPECT_FALSE(tecla->Enabled());
    EXPECT_TRUE(c.calc.chkMais.Enabled());

    c.calc.mnuTempo_Click();
    EXPECT_TRUE(c.calc.MR.Enabled());
    EXPECT_TRUE(c.calc.lblVisor[0].Visible());
}

}  // namespace
