#include "platform/decimal.h"

#include <gtest/gtest.h>

using namespace tarvelo;

namespace {

Decimal d(const char* text)
{
    const auto value = Decimal::fromText(QString::fromLatin1(text), LocaleInfo::unitedStates());
    EXPECT_TRUE(value.has_value()) << text;
    return value.value_or(Decimal());
}

QString text(const Decimal& value) { return value.toText(LocaleInfo::unitedStates()); }

TEST(DecimalArithmetic, IsExactForDecimalInput)
{
    EXPECT_EQ(text(*add(d("0.1"), d("0.2"))), "0.3");
    EXPECT_EQ(text(*multiply(d("1.1"), d("1.1"))), "1.21");
    EXPECT_EQ(text(*subtract(d("100"), d("99.99"))), "0.01");
    EXPECT_EQ(*multiply(*divide(d("1"), d("3")), d("3")), d("1"));
    EXPECT_EQ(text(*divide(d("2"), d("3"))), "0.6666666666666666666666666667");
    EXPECT_EQ(text(*multiply(d("2469134.246912"), d("1"))), "2469134.246912");
}

TEST(DecimalArithmetic, ReportsOverflowAndDivisionByZero)
{
    const Decimal max = Decimal::maxValue();
    EXPECT_EQ(text(max), "79228162514264337593543950335");
    EXPECT_FALSE(add(max, d("1")).has_value());
    EXPECT_FALSE(subtract(max.negated(), d("1")).has_value());
    EXPECT_FALSE(multiply(max, d("1.5")).has_value());
    EXPECT_TRUE(add(max, d("-1")).has_value());
    EXPECT_FALSE(divide(d("5"), Decimal()).has_value());
}

TEST(DecimalArithmetic, KeepsLongQuotientChainsBounded)
{
    // Each step stays near 1, so the chain never leaves the range and only the exact
    // quotient's denominator could grow.
    Decimal value = d("1");
    for (int i = 0; i < 2000; ++i) {
        const auto product = multiply(value, d("7"));
        ASSERT_TRUE(product.has_value()) << "step " << i;
        const auto quotient = divide(*product, d("7.0001"));
        ASSERT_TRUE(quotient.has_value()) << "step " << i;
        value = *quotient;
    }
    EXPECT_LE(mpz_sizeinbase(value.rational().get_den_mpz_t(), 2), 400u);
}

TEST(DecimalRounding, HalvesAwayOrToEven)
{
    struct Case {
        const char* value;
        int places;
        const char* away;
        const char* even;
    } cases[] = {
        {"2.5", 0, "3", "2"},     {"3.5", 0, "4", "4"},     {"-2.5", 0, "-3", "-2"},
        {"1.015", 2, "1.02", "1.02"}, {"1.025", 2, "1.03", "1.02"}, {"0.004", 2, "0", "0"},
        {"1250", -2, "1300", "1200"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(text(d(c.value).roundedHalfAway(c.places)), c.away) << c.value;
        EXPECT_EQ(text(d(c.value).roundedHalfEven(c.places)), c.even) << c.value;
    }
}

TEST(DecimalConversion, DoublesEnterThroughTheirFifteenDigitText)
{
    EXPECT_EQ(Decimal::fromDouble(1.015), d("1.015"));
    EXPECT_EQ(Decimal::fromDouble(0.1 + 0.2), d("0.3"));
    EXPECT_EQ(Decimal::fromDouble(-1234.5), d("-1234.5"));
    EXPECT_EQ(Decimal::fromDouble(1e20), d("100000000000000000000"));
    EXPECT_EQ(Decimal::fromDouble(0.0), Decimal());
    EXPECT_DOUBLE_EQ(d("1234.56").toDouble(), 1234.56);
    EXPECT_DOUBLE_EQ(d("-0.1").toDouble(), -0.1);
    EXPECT_EQ(d("-12.5").toText(LocaleInfo::brazil()), "-12,5");
}

}  // namespace
