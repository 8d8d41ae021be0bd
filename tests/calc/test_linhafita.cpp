// The fixed-width pieces of the tape.

#include "support/calculadora.h"

#include "calc/linhafita.h"

#include <gtest/gtest.h>

using namespace tarvelo;
using namespace tarvelo::teste;

namespace {

TEST(LinhaFita, KeepsTwentySixColumnsWhateverTheValue)
{
    EXPECT_EQ(LinhaFita(u"1.234,5", QLatin1Char('+')), QString(17, QLatin1Char(' ')) + QStringLiteral("1.234,5 +\r\n"));
    EXPECT_EQ(LinhaFita(u"12345678901234567890123456", kVezes),
              QStringLiteral("  1234567890123456789012 \u00D7\r\n"));
    EXPECT_EQ(simboloOperador(QLatin1Char('/')), kDividido);
}

TEST(LinhaFita, TotalBlockMarksACutTotal)
{
    EXPECT_EQ(visivel(BlocoTotal(u"003", u"16")), visivel(QStringLiteral(" 003                      \r\n"
                                                                          "                      16 T\r\n"
                                                                          " =========================\r\n")));
    const QString longo = QStringLiteral("1.234.567.890.123.456,78");
    EXPECT_EQ(BlocoTotal(u"1000", longo).section(QStringLiteral("\r\n"), 0, 1),
              QStringLiteral(" 1000") + QString(21, QLatin1Char(' ')) + QStringLiteral("\r\n  1.234.567.890.123.456, E"));
}

TEST(LinhaFita, HeaderCarriesTheDateAndWeekdayOfTheLocale)
{
    const QDate dia(2025, 3, 5);
    EXPECT_EQ(CabecalhoFita(dia, u"dd/mm/yyyy", LocaleInfo::brazil()),
              QStringLiteral(" 05/03/2025 qua           \r\n =========================\r\n"));
    EXPECT_EQ(CabecalhoFita(dia, u"mm/dd/yyyy", LocaleInfo::unitedStates()),
              QStringLiteral(" 03/05/2025 Wed           \r\n =========================\r\n"));
}

TEST(LinhaFita, ClosedTapes)
{
    EXPECT_TRUE(fitaFechada(QStringLiteral(" 05/03/2025 qua           \r\n =========================\r\n")));
    EXPECT_TRUE(fitaFechada(QString(20, QLatin1Char(' ')) + QStringLiteral("1000T \r\n")))
        << "a record line with T in column 25";
    EXPECT_FALSE(fitaFechada(QString(21, QLatin1Char(' ')) + QStringLiteral("108 +\r\n")));
    EXPECT_FALSE(fitaFechada(QString()));
    EXPECT_FALSE(fitaFechada(QStringLiteral("T")));
}

}  // namespace
