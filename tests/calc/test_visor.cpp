// The entry field, the display and the number formats.

#include "support/calculadora.h"

#include <gtest/gtest.h>

using namespace tarvelo;
using namespace tarvelo::teste;

namespace {

struct CasoFormato {
    int formato;
    const char* teclas;
    const char* visor;
    const char* entrada;
};

void PrintTo(const CasoFormato& caso, std::ostream* os)
{
    *os << "format " << caso.formato << " keys \"" << caso.teclas << '"';
}

class Formatos : public ::testing::TestWithParam<CasoFormato> {};

TEST_P(Formatos, TypedEntryShowsOnTheDisplay)
{
    const CasoFormato caso = GetParam();
    Calculadora c(caso.formato);
    c.teclas(QString::fromUtf8(caso.teclas));
    EXPECT_EQ(c.visor(), QString::fromUtf8(caso.visor));
    EXPECT_EQ(c.digitado(), QString::fromUtf8(caso.entrada));
}

INSTANTIATE_TEST_SUITE_P(
    Casos, Formatos,
    ::testing::Values(
        // Fixed decimal symbol: the last two digits are cents until a symbol is typed.
        CasoFormato{1, "123456", "1.234,56", "123456"}, CasoFormato{1, "7", "0,07", "7"},
        CasoFormato{1, "-7", "-0,07", "-07"}, CasoFormato{1, "7,5", "7,50", "7,5"},
        // Floating: two decimals always, up to six as typed, a seventh refused.
        CasoFormato{0, "1,5", "1,50", "1,5"}, CasoFormato{0, "1,505", "1,505", "1,505"},
        CasoFormato{0, "1,1234567", "1,123456", "1,123456"},
        // Numeral: decimals only as typed, no dangling symbol unless typed last.
        CasoFormato{2, "12", "12", "12"}, CasoFormato{2, "12,", "12,", "12,"},
        CasoFormato{2, "12.50", "12,50", "12,50"}, CasoFormato{2, "12,0", "12,0", "12,0"},
        CasoFormato{2, ",", "0,", "0,"},
        // Fixed places: only as many decimals as the format has.
        CasoFormato{20, "3,1", "3,10", "3,1"}, CasoFormato{20, "3,123", "3,12", "3,12"},
        // Twelve integer digits at most; the display is cut to 22 characters.
        CasoFormato{2, "1234567890123", "123.456.789.012", "123456789012"},
        CasoFormato{80, "123456789012", "123.456.789.012,000000", "123456789012"},
        // An emptied entry becomes a selected "0".
        CasoFormato{2, "5\b", "0", "0"}, CasoFormato{2, "5,\b\b7", "7", "7"}));

TEST(Visor, ClearedCalculationShowsZeroInTheDisplayFormat)
{
    EXPECT_EQ(Calculadora(0).visor(), QStringLiteral("0,00"));
    EXPECT_EQ(Calculadora(2).visor(), QStringLiteral("0"));
    EXPECT_EQ(Calculadora(30).total(), QStringLiteral("0,000"));
}

TEST(Visor, EmptiedEntryIsSelectedSoTheNextDigitReplacesIt)
{
    Calculadora c;
    c.teclas(QStringLiteral("5\b"));
    EXPECT_EQ(c.calc.txtEntrada.SelLength(), 1);
    EXPECT_EQ(c.calc.txtEntrada.MaxLength(), 12);
}

TEST(Visor, DecimalKeyShowsWhetherTheEntryHoldsTheSymbol)
{
    Calculadora c;
    c.teclas(QStringLiteral("1,"));
    EXPECT_TRUE(c.calc.chkVirgula.Value());
    c.teclas(QStringLiteral("\b"));
    EXPECT_FALSE(c.calc.chkVirgula.Value());
}

TEST(Visor, AnnotationTypingStopsIntegerDigitsAtTenDisplayCharacters)
{
    Calculadora c;
    c.calc.mnuInserir.setChecked(true);
    c.teclas(QStringLiteral("123456789"));
    EXPECT_EQ(c.digitado(), QStringLiteral("12345678"));
    EXPECT_EQ(c.visor(), QStringLiteral("12.345.678"));
    c.teclas(QStringLiteral(",12345"));
    EXPECT_EQ(c.digitado(), QStringLiteral("12345678,12345")) << "decimals still follow the format";
}

TEST(Visor, WhileATotalIsClosedTheDisplayKeepsShowingIt)
{
    Calculadora c;
    c.teclas(QStringLiteral("4"));
    c.calc.Tag.clear();
    c.calc.txtEntrada.setText(QStringLiteral("0"));
    EXPECT_EQ(c.visor(), QStringLiteral("4"));
}

TEST(Visor, NegativeZeroEntryShowsRedWithItsSign)
{
    Calculadora c;
    c.calc.txtEntrada.setText(QStringLiteral("-0"));
    EXPECT_EQ(c.visor(), QStringLiteral("-0"));
    EXPECT_EQ(c.calc.lblVisor[0].ForeColor(), kCorVermelha);
    c.calc.txtEntrada.setText(QStringLiteral("3"));
    EXPECT_EQ(c.calc.lblVisor[0].ForeColor(), kCorAzul);
}

TEST(Visor, NumberFormatMenuReformatsTicksAndStores)
{
    Calculadora c;
    c.teclas(QStringLiteral("1234,5"));
    c.calc.mnuNumeral_Click(20);
    EXPECT_EQ(c.visor(), QStringLiteral("1.234,50"));
    EXPECT_TRUE(c.calc.mnuNumeral(20).Checked());
    EXPECT_FALSE(c.calc.mnuNumeral(2).Checked());
    EXPECT_EQ(c.configuracoes.GetSetting(QStringLiteral("Conf"), QStringLiteral("Formato")), QStringLiteral("20"));

    c.calc.mnuNumeral_Click(2);
    c.calc.txtEntrada.setText(QStringLiteral("7"));
    EXPECT_EQ(c.visor(), QStringLiteral("7")) << "the ten-decimal mask leaves no dangling symbol";
}

TEST(Visor, NumberFormatMenuLeavesTimeModeFirst)
{
    Calculadora c;
    c.calc.mnuTempo_Click();
    ASSERT_TRUE(c.calc.mnuTempo.Checked());
    c.calc.mnuNumeral_Click(0);
    EXPECT_FALSE(c.calc.mnuTempo.Checked());
    EXPECT_EQ(c.calc.FormatoNumero, QStringLiteral("#,##0.00####"));
}

TEST(Visor, RunningTotalLosesADanglingDecimalSymbol)
{
    Calculadora c;
    c.calc.lblTotal.setCaption(QStringLiteral("1.234,"));
    EXPECT_EQ(c.total(), QStringLiteral("1.234"));
    c.calc.lblTotal.setCaption(QStringLiteral("0,"));
    EXPECT_EQ(c.total(), QStringLiteral("0,")) << "a total of 0 keeps its text";
}

TEST(Visor, EntryFocusMarksTheAnnotationFieldOfAnOpenLine)
{
    Calculadora c;
    c.calc.mnuInserir.setChecked(true);
    c.teclas(QStringLiteral("12+"));
    const qsizetype fim = c.calc.txtFita.length();
    EXPECT_EQ(c.calc.txtFita.SelStart(), fim - 27);
    EXPECT_EQ(c.calc.txtFita.SelLength(), 11);
    c.teclas(QStringLiteral("5"));
    EXPECT_EQ(c.calc.txtFita.SelLength(), 0) << "a typed number takes the selection away";

    c.calc.mnuInserir.setChecked(false);
    c.calc.txtEntrada_GotFocus();
    EXPECT_EQ(c.calc.txtFita.SelStart(), fim - 2);
}

TEST(Visor, NavigationKeysMoveTheFocusToTheTape)
{
    Calculadora c;
    c.calc.txtEntrada_KeyDown(36, 0);
    EXPECT_EQ(c.calc.foco(), &c.calc.txtFita);
}

}  // namespace
