#include "platform/localeinfo.h"

#include <gtest/gtest.h>

using namespace tarvelo;

namespace {

TEST(LocaleInfo, FixturesMatchTheirQtLocales)
{
    for (const auto& [qt, fixture] : {std::pair{QLocale(QLocale::Portuguese, QLocale::Brazil), LocaleInfo::brazil()},
                                      std::pair{QLocale(QLocale::English, QLocale::UnitedStates),
                                                LocaleInfo::unitedStates()}}) {
        const LocaleInfo read = LocaleInfo::fromQLocale(qt);
        SCOPED_TRACE(qt.name().toStdString());
        EXPECT_EQ(read.decimalSymbol, fixture.decimalSymbol);
        EXPECT_EQ(read.thousandsSeparator, fixture.thousandsSeparator);
        EXPECT_EQ(read.dateOrder, fixture.dateOrder);
        EXPECT_EQ(read.dateSeparator, fixture.dateSeparator);
        EXPECT_EQ(read.timeSeparator, fixture.timeSeparator);
        EXPECT_EQ(read.monthNames, fixture.monthNames);
        EXPECT_EQ(read.weekdayNames, fixture.weekdayNames);
        EXPECT_EQ(read.languageId, fixture.languageId);
    }
}

TEST(LocaleInfo, ReadsOtherLocales)
{
    const struct {
        const char* name;
        char decimal;
        DateOrder order;
        char dateSeparator;
        quint16 languageId;
    } cases[] = {
        {"de_DE", ',', DateOrder::DayMonthYear, '.', 0x0407},
        {"sv_SE", ',', DateOrder::YearMonthDay, '-', 0x0409},
        {"en_GB", '.', DateOrder::DayMonthYear, '/', 0x0809},
        {"es_ES", ',', DateOrder::DayMonthYear, '/', 0x0C0A},
        {"es_MX", '.', DateOrder::DayMonthYear, '/', 0x080A},
        {"pt_PT", ',', DateOrder::DayMonthYear, '/', 0x0816},
        {"pt_AO", ',', DateOrder::DayMonthYear, '/', 0x0816},
        {"fr_CA", ',', DateOrder::YearMonthDay, '-', 0x0C0C},
        {"it_IT", ',', DateOrder::DayMonthYear, '/', 0x0410},
    };
    for (const auto& c : cases) {
        const LocaleInfo info = LocaleInfo::fromQLocale(QLocale(QString::fromLatin1(c.name)));
        EXPECT_EQ(info.decimalSymbol, QLatin1Char(c.decimal)) << c.name;
        EXPECT_EQ(info.dateOrder, c.order) << c.name;
        EXPECT_EQ(info.dateSeparator, QLatin1Char(c.dateSeparator)) << c.name;
        EXPECT_EQ(info.languageId, c.languageId) << c.name;
        EXPECT_EQ(info.monthNames.size(), 12) << c.name;
        EXPECT_EQ(info.weekdayNames.size(), 7) << c.name;
    }
}

TEST(LocaleInfo, GroupsWithACodePageSpace)
{
    // The narrow no-break space has no Windows-1252 byte; tapes would show "?".
    EXPECT_EQ(LocaleInfo::fromQLocale(QLocale(QLocale::French, QLocale::France)).thousandsSeparator, QChar(0x00A0));
}

TEST(LocaleInfo, ClashingSymbolsSwapOnlyOurCopy)
{
    const struct {
        char decimal, thousands, fixed;
        bool swapped;
    } cases[] = {{'.', '.', ',', true}, {',', ',', '.', true}, {' ', ' ', '.', true}, {',', '.', ',', false}};
    for (const auto& c : cases) {
        LocaleInfo info = LocaleInfo::brazil();
        info.decimalSymbol = QLatin1Char(c.decimal);
        info.thousandsSeparator = QLatin1Char(c.thousands);
        EXPECT_EQ(fixDecimalSymbolClash(info), c.swapped);
        EXPECT_EQ(info.decimalSymbol, QLatin1Char(c.fixed));
        EXPECT_EQ(info.thousandsSeparator, QLatin1Char(c.thousands));
    }
}

TEST(LocaleInfo, ScopedLocaleRestoresTheOneBefore)
{
    const QChar before = currentLocale().decimalSymbol;
    {
        ScopedLocale us(LocaleInfo::unitedStates());
        {
            ScopedLocale br(LocaleInfo::brazil());
            EXPECT_EQ(currentLocale().languageId, 0x0416);
        }
        EXPECT_EQ(currentLocale().languageId, 0x0409);
    }
    EXPECT_EQ(currentLocale().decimalSymbol, before);
}

}  // namespace
