#include "platform/currency.h"

#include <gtest/gtest.h>

#include <limits>

using namespace tarvelo;

namespace {

std::optional<qint64> units(std::optional<Currency> c)
{
    return c ? std::optional<qint64>(c->tenThousandths()) : std::nullopt;
}

TEST(Currency, ReadsTextRoundingHalfToEvenWithinRange)
{
    const LocaleInfo br = LocaleInfo::brazil();
    const struct {
        const char* text;
        std::optional<qint64> units;
    } cases[] = {
        {"1.234,5678", 12345678},
        {"0,00005", 0},
        {"0,00015", 2},
        {"0,00025", 2},
        {"0,000250001", 3},
        {"-0,00015", -2},
        {"  -12,5\r\n", -125000},
        {"1e-30", 0},
        {"922337203685477,5807", std::numeric_limits<qint64>::max()},
        {"922337203685477,58065", 9223372036854775806},
        {"922337203685477,58075", std::nullopt},  // rounds to ...5808
        {"922337203685477,5808", std::nullopt},
        {"-922337203685477,5808", std::numeric_limits<qint64>::min()},
        {"-922337203685477,5809", std::nullopt},
        {"1e15", std::nullopt},
        {"99999999999999999999", std::nullopt},
        {"abc", std::nullopt},
        {"12.5", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(units(Currency::fromText(QString::fromLatin1(c.text), br)), c.units) << c.text;
}

TEST(Currency, DoublesEnterThroughTheirFifteenDigitText)
{
    const struct {
        double value;
        std::optional<qint64> units;
    } cases[] = {
        {1.00005, 10000}, {1.00015, 10002}, {0.1 + 0.2, 3000}, {-2.5, -25000},
        {922337203685477.0, 9223372036854770000}, {1e15, std::nullopt},
        {std::numeric_limits<double>::quiet_NaN(), std::nullopt},
        {std::numeric_limits<double>::infinity(), std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(units(Currency::fromDouble(c.value)), c.units) << c.value;
}

TEST(Currency, ConvertsToTextDoubleAndDecimal)
{
    const LocaleInfo br = LocaleInfo::brazil();
    EXPECT_EQ(Currency::fromTenThousandths(12345678).toText(br), "1234,5678");
    EXPECT_EQ(Currency::fromTenThousandths(15000).toText(br), "1,5");
    EXPECT_EQ(Currency::fromTenThousandths(20000).toText(br), "2");
    EXPECT_EQ(Currency::fromTenThousandths(-1).toText(br), "-0,0001");
    EXPECT_EQ(Currency::min().toText(br), "-922337203685477,5808");
    EXPECT_EQ(Currency::fromTenThousandths(15000).toText(LocaleInfo::unitedStates()), "1.5");
    EXPECT_DOUBLE_EQ(Currency::fromTenThousandths(12345678).toDouble(), 1234.5678);

    EXPECT_EQ(Currency::fromTenThousandths(-12345).toDecimal(), *Decimal::fromText(u"-1,2345", br));
    EXPECT_EQ(units(Currency::fromDecimal(*divide(Decimal(2), Decimal(3)))), 6667);
    EXPECT_EQ(units(Currency::fromDecimal(*Decimal::fromText(u"0,00005", br))), 0);
    EXPECT_EQ(units(Currency::fromDecimal(Decimal::maxValue())), std::nullopt);
}

TEST(Currency, AddsAndSubtractsExactlyOrReportsOverflow)
{
    const Currency tenth = *Currency::fromDouble(0.1);
    EXPECT_EQ(*add(tenth, *Currency::fromDouble(0.2)), *Currency::fromDouble(0.3));
    EXPECT_EQ(*subtract(tenth, tenth), Currency());
    EXPECT_FALSE(add(Currency::max(), Currency::fromTenThousandths(1)));
    EXPECT_FALSE(subtract(Currency::min(), Currency::fromTenThousandths(1)));
    EXPECT_EQ(*add(Currency::max(), Currency::min()), Currency::fromTenThousandths(-1));
    EXPECT_LT(Currency::fromTenThousandths(-1), Currency());
    EXPECT_GT(tenth, Currency::fromTenThousandths(999));
}

}  // namespace
