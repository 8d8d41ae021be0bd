#include "host/rotinas.h"

#include "platform/localeinfo.h"

#include <gtest/gtest.h>

#include <limits>

using namespace tarvelo;

namespace {

TEST(FormatarValor, GivesMoneyTextInTheUserLocale)
{
    const struct {
        const char* text;  // nullptr: the double is given instead
        double value;
        const char* brazil;
        const char* unitedStates;
    } cases[] = {
        {nullptr, 1234.5, "1.234,50", "1,234.50"},
        {nullptr, -0.001, "0,00", "0.00"},
        {nullptr, 1.005, "1,01", "1.01"},
        {nullptr, 1234567.891, "1.234.567,89", "1,234,567.89"},
        {nullptr, std::numeric_limits<double>::quiet_NaN(), "0,00", "0.00"},
        {"abc", 0, "0,00", "0.00"},
        {"", 0, "0,00", "0.00"},
        {"  -1234", 0, "-1.234,00", "-1,234.00"},
        {"1.234,567", 0, "1.234,57", "0.00"},
        {"1,234.567", 0, "0,00", "1,234.57"},
    };
    for (const auto& c : cases) {
        for (const bool brazil : {true, false}) {
            ScopedLocale locale(brazil ? LocaleInfo::brazil() : LocaleInfo::unitedStates());
            const QString result = c.text ? FormatarValor(QString::fromLatin1(c.text)) : FormatarValor(c.value);
            EXPECT_EQ(result, QString::fromLatin1(brazil ? c.brazil : c.unitedStates))
                << (c.text ? c.text : "") << " " << c.value << (brazil ? " pt-BR" : " en-US");
        }
    }
}

TEST(FormatarValor, RoundsDecimalsOnTheirExactValue)
{
    ScopedLocale locale(LocaleInfo::brazil());
    EXPECT_EQ(FormatarValor(*divide(Decimal(2), Decimal(3))), "0,67");
    EXPECT_EQ(FormatarValor(*Decimal::fromText(u"0,005")), "0,01");
}

}  // namespace
