#include "platform/numbermask.h"

#include <gtest/gtest.h>

#include <limits>

using namespace tarvelo;

namespace {

struct MaskCase {
    double value;
    const char* mask;
    const char* brazil;
};

// Every mask the program uses, with the rounding, filling and sign rules that matter.
const MaskCase kCases[] = {
    {1234.5, "#,##0.00", "1.234,50"},
    {1.015, "#,##0.00", "1,02"},  // the decimal 1.015, not the double just below it
    {1.005, "0.00", "1,01"},
    {999.995, "#,##0.00", "1.000,00"},
    {2.675, "0.00", "2,68"},
    {-1234567.891, "#,##0.00", "-1.234.567,89"},
    {1e20, "#,##0", "100.000.000.000.000.000.000"},
    {123456789012345678.0, "#,##0", "123.456.789.012.346.000"},
    {1234567.5, "#,##0", "1.234.568"},
    {0.5, "#,##0", "1"},
    {-0.5, "#,##0", "-1"},
    {-0.4, "#,##0", "0"},
    {-0.004, "0.00", "0,00"},
    {-0.00000000001, "#,##0.##########", "0,"},
    {5, "#,##0.##########", "5,"},
    {0, "#,##0.##########", "0,"},
    {1000, "#,##0.##########", "1.000,"},
    {-40, "#,##0.##########", "-40,"},
    {2.5, "#,##0.##########", "2,5"},
    {1.0 / 12, "#,##0.##########", "0,0833333333"},
    {1.5, "#,##0.00####", "1,50"},
    {1234.123456789, "#,##0.00####", "1.234,123457"},
    {1.1234565, "#,##0.00####", "1,123457"},
    {0, "#,##0.00####", "0,00"},
    {1234.56, "#,##0.0", "1.234,6"},
    {0.000000005, "#,##0.00000000", "0,00000001"},
    {0.05, "0.0", "0,1"},
    {0.123456785, "0.00000000", "0,12345679"},
    {2.5, "#0.0#####", "2,5"},
    {3, "#0.0#####", "3,0"},
    {0.1234565, "#0.0#####", "0,123457"},
    {1234.5, "#0.0#####", "1234,5"},
    {12345, "#00:00", "123:45"},
    {130, "#00:00", "01:30"},
    {5, "#00:00", "00:05"},
    {0, "#00:00", "00:00"},
    {12345, "#00:00:00", "01:23:45"},
    {1234567, "#00:00:00", "123:45:67"},
    {7, "#000", "007"},
    {1234, "#000", "1234"},
    {-5, "#000", "-005"},
    {8, "000", "008"},
    {1000, "000", "1000"},
    {-8, "000", "-008"},
    {5, "00", "05"},
    {120, "00", "120"},
    {42, "00000", "00042"},
    {1234.5, "000000000000.00", "000000001234,50"},
    {0.015, "000000000000.00", "000000000000,02"},
    {999999999999.995, "000000000000.00", "1000000000000,00"},
    {12.5, "0.0%", "12,5%"},
};

TEST(NumberMask, FormatsEveryMaskInUse)
{
    const LocaleInfo br = LocaleInfo::brazil();
    for (const MaskCase& c : kCases)
        EXPECT_EQ(formatNumber(c.value, QString::fromLatin1(c.mask), br), QString::fromUtf8(c.brazil))
            << c.value << " " << c.mask;
}

TEST(NumberMask, UsesTheLocaleSymbols)
{
    const LocaleInfo us = LocaleInfo::unitedStates();
    EXPECT_EQ(formatNumber(1234567.891, u"#,##0.00", us), "1,234,567.89");
    EXPECT_EQ(formatNumber(5.0, u"#,##0.##########", us), "5.");
    EXPECT_EQ(formatNumber(12345.0, u"#00:00", us), "123:45");
}

TEST(NumberMask, DecimalsRoundOnTheirExactValue)
{
    const LocaleInfo br = LocaleInfo::brazil();
    const auto d = [&br](const char16_t* text) { return *Decimal::fromText(QStringView(text), br); };
    EXPECT_EQ(formatNumber(*divide(d(u"2"), d(u"3")), u"#,##0.##########", br), "0,6666666667");
    EXPECT_EQ(formatNumber(*divide(d(u"-1"), d(u"8")), u"0.00", br), "-0,13");
    EXPECT_EQ(formatNumber(d(u"-0,004"), u"0.00", br), "0,00");
    EXPECT_EQ(formatNumber(Decimal::maxValue(), u"#,##0", br), "79.228.162.514.264.337.593.543.950.335");
    EXPECT_EQ(formatNumber(d(u"0,1234567890123456789"), u"#,##0.00####", br), "0,123457");
}

TEST(NumberMask, ReadsTextsInTheLocaleAndKeepsOthers)
{
    const LocaleInfo br = LocaleInfo::brazil();
    EXPECT_EQ(formatNumber(u"  1.234,5 ", u"#,##0.00", br), "1.234,50");
    EXPECT_EQ(formatNumber(u"1,015", u"#,##0.00", br), "1,02");
    EXPECT_EQ(formatNumber(u"12345", u"#00:00", br), "123:45");
    // Twenty digits are kept, not cut to a double's fifteen.
    EXPECT_EQ(formatNumber(u"12345678901234567891", u"#,##0", br), "12.345.678.901.234.567.891");
    for (const char16_t* other : {u"abc", u"", u"-", u"12.5", u"1e400"})
        EXPECT_EQ(formatNumber(QStringView(other), u"#,##0.00", br), QStringView(other));
}

TEST(NumberMask, OddInputsGiveText)
{
    const LocaleInfo br = LocaleInfo::brazil();
    EXPECT_EQ(formatNumber(std::numeric_limits<double>::quiet_NaN(), u"#,##0.00", br), "NaN");
    EXPECT_EQ(formatNumber(1.5, u"", br), "1,5");
    EXPECT_EQ(formatNumber(1e300, u"0", br).size(), 301);
}

}  // namespace
