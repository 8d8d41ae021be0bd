#include "platform/decimal.h"
#include "platform/numbertext.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>

using namespace tarvelo;

namespace {

enum class Fixture { Brazil, UnitedStates };

LocaleInfo localeOf(Fixture f) { return f == Fixture::Brazil ? LocaleInfo::brazil() : LocaleInfo::unitedStates(); }

struct ReadCase {
    Fixture locale;
    const char* text;
    std::optional<double> value;
};

TEST(NumberReading, ReadsTheUserFormatAndRefusesTheRest)
{
    const auto B = Fixture::Brazil;
    const auto U = Fixture::UnitedStates;
    const auto no = std::nullopt;
    const ReadCase cases[] = {
        {B, "1.234,5", 1234.5},        {B, "  -12,5\r\n", -12.5},     {B, "\t+7\t", 7},
        {B, "1.234.567,89", 1234567.89}, {B, ",5", 0.5},              {B, "5,", 5},
        {B, "-,5", -0.5},              {B, "1e3", 1000},             {B, "1,5E2", 150},
        {B, "1E-2", 0.01},             {B, "1e-400", 0},             {B, "1234.567", no},
        {B, "12,5,3", no},             {B, ",", no},                 {B, "", no},
        {B, "-", no},                  {B, "+", no},                 {B, "   ", no},
        {B, "12.5", no},               {B, "1.23", no},              {B, "1..234", no},
        {B, ".123", no},               {B, "1.234.5", no},           {B, "1,234.5", no},
        {B, "1e", no},                 {B, "1e+", no},               {B, "e3", no},
        {B, "- 5", no},                {B, "5-", no},                {B, "1 2", no},
        {B, "12a", no},                {B, "--5", no},               {B, "1e400", no},
        {B, "1,2e3,4", no},
        {U, "1,234.5", 1234.5},        {U, "1,234,567", 1234567},    {U, ".25", 0.25},
        {U, "1.234,5", no},            {U, "12,5,3", no},            {U, "1,23", no},
    };
    for (const ReadCase& c : cases) {
        const LocaleInfo locale = localeOf(c.locale);
        const QString text = QString::fromLatin1(c.text);
        EXPECT_EQ(isNumeric(text, locale), c.value.has_value()) << c.text;
        EXPECT_EQ(numberValue(text, locale), c.value) << c.text;
    }
}

TEST(NumberReading, TakesTheNumberApart)
{
    const auto parts = scanNumber(u" -1.234,5e2 ", LocaleInfo::brazil());
    ASSERT_TRUE(parts);
    EXPECT_TRUE(parts->negative);
    EXPECT_EQ(parts->integerDigits, "1234");
    EXPECT_EQ(parts->fractionDigits, "5");
    EXPECT_EQ(parts->exponent, 2);
}

TEST(NumberReading, SpaceGroupedLocalesAcceptABlankAsSeparator)
{
    LocaleInfo french = LocaleInfo::brazil();
    french.thousandsSeparator = QChar(0x00A0);
    EXPECT_EQ(numberValue(QStringLiteral("1\u00A0234,5"), french), 1234.5);
    EXPECT_EQ(numberValue(u"1 234,5", french), 1234.5);
    EXPECT_FALSE(isNumeric(u"12 34", french));
}

TEST(NumberReading, ClashingSymbolsReadAsTheDecimalSymbol)
{
    LocaleInfo clash = LocaleInfo::unitedStates();
    clash.thousandsSeparator = QLatin1Char('.');
    EXPECT_EQ(numberValue(u"1.5", clash), 1.5);
    EXPECT_FALSE(isNumeric(u"1.234.5", clash));
}

TEST(DecimalFromText, IsExactAndBounded)
{
    const LocaleInfo br = LocaleInfo::brazil();
    const auto d = [&br](const char16_t* text) { return Decimal::fromText(QStringView(text), br); };
    EXPECT_EQ(d(u"0,1")->rational(), mpq_class(1, 10));
    EXPECT_EQ(d(u"-1.234,5e2")->rational(), mpq_class(-123450));
    EXPECT_EQ(d(u"0,0000000000000000000000000001")->rational(), mpq_class(1, mpz_class("10000000000000000000000000000")));
    EXPECT_EQ(*d(u"79.228.162.514.264.337.593.543.950.335"), Decimal::maxValue());
    EXPECT_EQ(*d(u"-79228162514264337593543950335"), Decimal::maxValue().negated());
    EXPECT_FALSE(d(u"79228162514264337593543950336"));
    EXPECT_FALSE(d(u"1e29"));
    EXPECT_FALSE(d(u"1e999999999999"));
    EXPECT_FALSE(d(u"12,5,3"));
    // A hostile exponent or endless decimals are rounded far below anything shown.
    EXPECT_TRUE(d(u"1e-999999999999")->isZero());
    EXPECT_EQ(*d(u"0,3333333333333333333333333333333333333333333333333"),
              *Decimal::fromText(u"0,3333333333333333333333333333333333333333", br));
}

TEST(LeadingValue, ReadsThePeriodNumberAtTheStart)
{
    const struct {
        const char* text;
        double value;
    } cases[] = {
        {"  12.5abc", 12.5}, {"1 2", 12},   {"12,5", 12},    {"3.5kg", 3.5},   {"x", 0},
        {"", 0},             {"-  5", -5},  {"+5", 5},       {"--5", 0},       {".5", 0.5},
        {"-.5", -0.5},       {"1.2.3", 1.2}, {"1e3", 1000},  {"1 e 3", 1000},  {"2.5E-1x", 0.25},
        {"1e", 1},           {"1e+", 1},    {"5.", 5},       {"\n\t 7", 7},    {"\r12", 0},
        {"12\r\n", 12},      {"1e400", 0},  {"-", 0},        {"e5", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(leadingValue(QString::fromLatin1(c.text)), c.value) << c.text;
}

TEST(WholeNumbers, RoundHalfToEvenWithinTheirRange)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        double value;
        std::optional<qint32> asLong;
        std::optional<qint16> asInteger;
    } cases[] = {
        {2.5, 2, 2},          {3.5, 4, 4},          {-2.5, -2, -2},       {-3.5, -4, -4},
        {0.5, 0, 0},          {1.4999, 1, 1},       {-0.5, 0, 0},         {32766.5, 32766, 32766},
        {32767.5, 32768, {}}, {-32768.5, -32768, -32768},                 {-32769, -32769, {}},
        {2147483647.4, 2147483647, {}},             {2147483647.5, {}, {}},
        {-2147483648.5, -2147483648, {}},           {-2147483649.0, {}, {}},
        {nan, {}, {}},        {inf, {}, {}},        {-inf, {}, {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(toLong(c.value), c.asLong) << c.value;
        EXPECT_EQ(toInteger(c.value), c.asInteger) << c.value;
    }
}

TEST(NumberText, HasFifteenSignificantDigits)
{
    const LocaleInfo br = LocaleInfo::brazil();
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {0.1 + 0.2, "0,3"},   {1e20, "1E+20"},      {1.5e-7, "1,5E-07"},   {-2.5, "-2,5"},
        {0, "0"},             {-0.0, "0"},          {1e15, "1E+15"},       {1e100, "1E+100"},
        {123456789012345.0, "123456789012345"},     {1234567890123456.0, "1,23456789012346E+15"},
        {1.0 / 3, "0,333333333333333"},             {2.0 / 3, "0,666666666666667"},
        {0.0001, "0,0001"},   {0.00001, "1E-05"},   {-1234.5, "-1234,5"},
        {std::numeric_limits<double>::quiet_NaN(), "NaN"},
        {-std::numeric_limits<double>::infinity(), "-Inf"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(numberText(c.value, br), c.text) << c.value;
    EXPECT_EQ(numberText(1234.5, LocaleInfo::unitedStates()), "1234.5");
}

}  // namespace
