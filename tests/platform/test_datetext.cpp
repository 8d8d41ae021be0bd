#include "platform/datetext.h"

#include <gtest/gtest.h>

#include <QString>
#include <optional>
#include <vector>

using namespace tarvelo;

namespace {

LocaleInfo br()
{
    return LocaleInfo::brazil();
}

LocaleInfo us()
{
    return LocaleInfo::unitedStates();
}

// A year-first system with "-", as ISO-minded locales set it.
LocaleInfo ymd()
{
    LocaleInfo l = us();
    l.dateOrder = DateOrder::YearMonthDay;
    l.dateSeparator = QLatin1Char('-');
    return l;
}

// A day-first system with "." (German-style), for the separator placeholder.
LocaleInfo dotted()
{
    LocaleInfo l = br();
    l.dateSeparator = QLatin1Char('.');
    return l;
}

const QDate kToday(2031, 6, 10);

enum class Loc { BR, US, YMD };

LocaleInfo localeOf(Loc l)
{
    switch (l) {
    case Loc::BR: return br();
    case Loc::US: return us();
    case Loc::YMD: return ymd();
    }
    return br();
}

const char* nameOf(Loc l)
{
    return l == Loc::BR ? "pt-BR" : l == Loc::US ? "en-US" : "year-first";
}

std::string show(const std::optional<QDate>& d)
{
    return d ? d->toString(Qt::ISODate).toStdString() : std::string("no date");
}

}  // namespace

TEST(DateText, ReadsDatesInTheUsersOrderAndRefusesWhatIsNoDate)
{
    struct Case {
        const char16_t* text;
        Loc loc;
        std::optional<QDate> expected;
    };
    const std::optional<QDate> none;
    const std::vector<Case> cases = {
        // The user's order decides an ambiguous text.
        {u"5/1/27", Loc::BR, QDate(2027, 1, 5)},
        {u"5/1/27", Loc::US, QDate(2027, 5, 1)},
        {u"05/01/2027", Loc::BR, QDate(2027, 1, 5)},
        {u"05/01/2027", Loc::US, QDate(2027, 5, 1)},
        {u"05-01-2027", Loc::BR, QDate(2027, 1, 5)},
        {u"05.01.2027", Loc::BR, QDate(2027, 1, 5)},
        {u"05-01-2027", Loc::YMD, QDate(2027, 5, 1)},  // year last: month first, as the program writes it
        {u"27-01-05", Loc::YMD, QDate(2027, 1, 5)},
        {u" \t05/01/2027\r\n", Loc::BR, QDate(2027, 1, 5)},
        {u"20/03-2024", Loc::BR, QDate(2024, 3, 20)},  // a typed day joined to a formatted "mm/yyyy"
        // Days that do not exist in their month.
        {u"31/02/2027", Loc::BR, none},
        {u"31/02/2027", Loc::US, none},
        {u"29/02/2023", Loc::BR, none},
        {u"29/02/2023", Loc::US, none},
        {u"29/02/2024", Loc::BR, QDate(2024, 2, 29)},
        {u"31/04/2027", Loc::BR, none},
        {u"0/1/2027", Loc::BR, none},
        {u"1/0/2027", Loc::BR, none},
        // When the user's order cannot hold, the other day-month order is tried.
        {u"28/02/2024", Loc::US, QDate(2024, 2, 28)},
        {u"31/12/2000", Loc::US, QDate(2000, 12, 31)},
        {u"31/12/2000", Loc::YMD, QDate(2000, 12, 31)},
        {u"12/31/2000", Loc::BR, QDate(2000, 12, 31)},
        {u"13/25/2027", Loc::US, none},
        // A leading three- or four-digit group is a year, on any system; never swapped.
        {u"2027-01-05", Loc::BR, QDate(2027, 1, 5)},
        {u"2027/01/05", Loc::US, QDate(2027, 1, 5)},
        {u"2027-13-05", Loc::BR, none},
        {u"2027/05/2027", Loc::BR, none},
        // Years: two digits pivot at 30; longer ones as written, 100 to 9999.
        {u"1/1/00", Loc::BR, QDate(2000, 1, 1)},
        {u"1/1/29", Loc::BR, QDate(2029, 1, 1)},
        {u"1/1/30", Loc::BR, QDate(1930, 1, 1)},
        {u"1/1/99", Loc::BR, QDate(1999, 1, 1)},
        {u"1/1/5", Loc::BR, QDate(2005, 1, 1)},
        {u"1/1/100", Loc::BR, QDate(100, 1, 1)},
        {u"1/1/0099", Loc::BR, none},
        {u"31/12/9999", Loc::BR, QDate(9999, 12, 31)},
        {u"1/1/10000", Loc::BR, none},
        // A day-month pair takes the year of today; a half-typed masked date keeps its separator.
        {u"05/01", Loc::BR, QDate(2031, 1, 5)},
        {u"05/01", Loc::US, QDate(2031, 5, 1)},
        {u"12/05/    ", Loc::BR, QDate(2031, 5, 12)},
        {u"29/02", Loc::BR, none},  // 2031 is no leap year
        {u"12/0/", Loc::BR, none},
        // Not dates at all.
        {u"", Loc::BR, none},
        {u"   ", Loc::BR, none},
        {u"05", Loc::BR, none},
        {u"2027", Loc::BR, none},
        {u"05/01/2027/", Loc::BR, none},
        {u"05//2027", Loc::BR, none},
        {u"/05/01/2027", Loc::BR, none},
        {u"05 01 2027", Loc::BR, none},
        {u"005/01/2027", Loc::BR, none},
        {u"05/01/2027x", Loc::BR, none},
        {u"05/01/2027 14:30", Loc::BR, none},
        {u"-5/1/2027", Loc::BR, none},
        {u"99999999999999999999/1/2027", Loc::BR, none},
        {u"\u0665/\u0661/\u0662\u0660\u0662\u0667", Loc::BR, none},  // non-ASCII digits
        {u"14:30", Loc::BR, none},
    };
    for (const Case& c : cases) {
        const QString text = QString::fromUtf16(c.text);
        SCOPED_TRACE(text.toStdString() + " in " + nameOf(c.loc));
        const auto got = dateValue(text, localeOf(c.loc), kToday);
        EXPECT_EQ(show(got), show(c.expected));
        EXPECT_EQ(isDate(text, localeOf(c.loc), kToday), c.expected.has_value());
    }
}

TEST(DateText, AnExplicitOrderOverridesTheUsersOne)
{
    // Windows that run only day first read their fields that way on any system.
    EXPECT_EQ(show(dateValue(u"05/01/2027", DateOrder::DayMonthYear, us(), kToday)), "2027-01-05");
    EXPECT_EQ(show(dateValue(u"05/01/2027", DateOrder::MonthDayYear, br(), kToday)), "2027-05-01");
}

TEST(DateText, WhatTheProgramWritesReadsBackAsTheSameDate)
{
    // The tape state file keeps the short date and compares it with today; the date
    // windows write with "dd/mm/yyyy" or "mm/dd/yyyy" and read their own boxes back.
    const std::vector<QDate> dates = {QDate(100, 1, 1),    QDate(1930, 1, 2),  QDate(1999, 12, 31),
                                      QDate(2000, 2, 29),  QDate(2025, 3, 5),  QDate(2027, 1, 5),
                                      QDate(2027, 12, 12), QDate(9999, 12, 31)};
    for (Loc loc : {Loc::BR, Loc::US, Loc::YMD}) {
        const LocaleInfo l = localeOf(loc);
        const QString programFormat =
            l.dateOrder == DateOrder::DayMonthYear ? QStringLiteral("dd/mm/yyyy") : QStringLiteral("mm/dd/yyyy");
        for (const QDate& d : dates) {
            SCOPED_TRACE(std::string(nameOf(loc)) + " " + d.toString(Qt::ISODate).toStdString());
            EXPECT_EQ(show(dateValue(shortDate(d, l), l, kToday)), show(d));
            EXPECT_EQ(show(dateValue(formatDate(d, programFormat, l), l, kToday)), show(d));
        }
    }
}

TEST(DateText, StartUpProbeTellsDayFirstSystemsFromTheOthers)
{
    // The program reads "31/12/2000", writes it back as a short date and looks at the
    // first two characters: only a day-first system gives "31".
    for (Loc loc : {Loc::BR, Loc::US, Loc::YMD}) {
        SCOPED_TRACE(nameOf(loc));
        const auto d = dateValue(u"31/12/2000", localeOf(loc), kToday);
        ASSERT_TRUE(d);
        EXPECT_EQ(shortDate(*d, localeOf(loc)).left(2) == QLatin1String("31"), loc == Loc::BR);
    }
}

TEST(DateText, ReadsTimesOfDay)
{
    struct Case {
        const char16_t* text;
        std::optional<QTime> expected;
    };
    const std::optional<QTime> none;
    const std::vector<Case> cases = {
        {u"14:30", QTime(14, 30)},
        {u"9:05:07", QTime(9, 5, 7)},
        {u"0:00", QTime(0, 0)},
        {u" 23:59:59 ", QTime(23, 59, 59)},
        {u"2:30 PM", QTime(14, 30)},
        {u"12:00 am", QTime(0, 0)},
        {u"12:15PM", QTime(12, 15)},
        {u"24:00", none},
        {u"12:60", none},
        {u"12:30:60", none},
        {u"100:00:00", none},  // a duration of time mode, not a time of day
        {u"13:00 PM", none},
        {u"0:30 AM", none},
        {u"14", none},
        {u"14:30:", none},
        {u":30", none},
        {u"14:30:00:00", none},
        {u"14.30", none},
        {u"PM", none},
        {u"", none},
    };
    for (const Case& c : cases) {
        const QString text = QString::fromUtf16(c.text);
        SCOPED_TRACE(text.toStdString());
        const auto got = timeValue(text, br());
        ASSERT_EQ(got.has_value(), c.expected.has_value());
        if (got) {
            EXPECT_EQ(*got, *c.expected);
        }
    }
}

TEST(DateText, ReadsADateATimeOrBoth)
{
    // The alarm prompts: a time alone can fall due; a date with it never does.
    const auto timeOnly = dateTimeValue(u"14:03:27", br(), kToday);
    ASSERT_TRUE(timeOnly);
    EXPECT_FALSE(timeOnly->date);
    EXPECT_EQ(timeOnly->time, QTime(14, 3, 27));

    const auto both = dateTimeValue(u" 05/01/2027  2:30 PM ", br(), kToday);
    ASSERT_TRUE(both);
    EXPECT_EQ(both->date, QDate(2027, 1, 5));
    EXPECT_EQ(both->time, QTime(14, 30));

    const auto dateOnly = dateTimeValue(u"5/1/27", us(), kToday);
    ASSERT_TRUE(dateOnly);
    EXPECT_EQ(dateOnly->date, QDate(2027, 5, 1));
    EXPECT_FALSE(dateOnly->time);

    for (const char16_t* bad : {u"", u"05/01/2027 x", u"31/02/2027 10:00", u"05/01/2027 25:00", u"x 10:00",
                                u"100:00:00", u"12,5"}) {
        SCOPED_TRACE(QString::fromUtf16(bad).toStdString());
        EXPECT_FALSE(isDateOrTime(QString::fromUtf16(bad), br(), kToday));
    }
    EXPECT_TRUE(isDateOrTime(u"12:34", br(), kToday));  // a tape time in MM:SS reads as a time
}

TEST(DateText, FormatsThePatternsOfTheProgram)
{
    const QDateTime moment(QDate(2025, 3, 5), QTime(14, 47, 27));  // a Wednesday; minutes unlike the month
    struct Case {
        const char16_t* pattern;
        Loc loc;
        const char16_t* expected;
    };
    const std::vector<Case> cases = {
        {u"dd/mm/yyyy", Loc::BR, u"05/03/2025"},
        {u"mm/dd/yyyy", Loc::US, u"03/05/2025"},
        {u"dd/mm/yy", Loc::BR, u"05/03/25"},
        {u"DD/MM/YYYY", Loc::BR, u"05/03/2025"},
        {u"yyyy/mm/dd", Loc::YMD, u"2025-03-05"},
        {u"mm/yyyy", Loc::BR, u"03/2025"},
        {u"d/m/yy", Loc::BR, u"5/3/25"},
        {u"mmmm", Loc::BR, u"março"},
        {u"mmmm", Loc::US, u"March"},
        {u"mmm", Loc::US, u"Mar"},
        {u"dddd", Loc::BR, u"quarta-feira"},
        {u"dddd", Loc::US, u"Wednesday"},
        {u"ddd", Loc::BR, u"qua"},
        {u"ddd", Loc::US, u"Wed"},
        {u"y", Loc::BR, u"64"},
        {u"hh:mm:ss", Loc::BR, u"14:47:27"},
        {u"hh:mm", Loc::US, u"14:47"},
        {u"h:m", Loc::BR, u"14:47"},
        {u"hhmm", Loc::BR, u"1447"},
        {u"hh:nn", Loc::BR, u"14:47"},
        {u"dd/mm/yyyy hh:mm", Loc::BR, u"05/03/2025 14:47"},
        {u"mm \"de\" yyyy", Loc::BR, u"03 de 2025"},
        {u"\\d\\m dd", Loc::BR, u"dm 05"},
        {u"ddddd", Loc::US, u"3/5/2025"},
        {u"dddddd", Loc::BR, u"quarta-feira, 5 de março de 2025"},
    };
    for (const Case& c : cases) {
        const QString pattern = QString::fromUtf16(c.pattern);
        SCOPED_TRACE(pattern.toStdString() + " in " + nameOf(c.loc));
        EXPECT_EQ(formatDate(moment, pattern, localeOf(c.loc)), QString::fromUtf16(c.expected));
    }
}

TEST(DateText, SlashStandsForTheUsersSeparator)
{
    const LocaleInfo l = dotted();
    EXPECT_EQ(formatDate(QDate(2003, 12, 15), u"dd/mm/yyyy", l).mid(2, 1), QStringLiteral("."));
    EXPECT_EQ(formatDate(QDate(2024, 2, 9), u"dd/mm/yyyy", l), QStringLiteral("09.02.2024"));
    EXPECT_EQ(show(dateValue(u"09.02.2024", l, kToday)), "2024-02-09");
}

TEST(DateText, ShortAndLongDates)
{
    const QDate d(2025, 3, 5);
    EXPECT_EQ(shortDate(d, br()), QStringLiteral("05/03/2025"));
    EXPECT_EQ(shortDate(d, us()), QStringLiteral("3/5/2025"));
    EXPECT_EQ(shortDate(d, ymd()), QStringLiteral("2025-03-05"));
    EXPECT_EQ(longDate(d, br()), QStringLiteral("quarta-feira, 5 de março de 2025"));
    EXPECT_EQ(longDate(d, us()), QStringLiteral("Wednesday, March 5, 2025"));
}

TEST(DateText, FormattingEdges)
{
    // Years below 1000 keep four digits, as a half-typed year read back shows them.
    EXPECT_EQ(formatDate(QDate(202, 5, 12), u"dd/mm/yyyy", br()), QStringLiteral("12/05/0202"));
    // Alarm captions format a time of day alone.
    EXPECT_EQ(formatTime(QTime(7, 5, 9), u"hh:mm:ss", br()), QStringLiteral("07:05:09"));
    EXPECT_EQ(formatDate(QDate(), u"dd/mm/yyyy", br()), QString());
    EXPECT_EQ(formatTime(QTime(), u"hh:mm:ss", br()), QString());
    // A locale without names must not crash the formatter.
    LocaleInfo bare;
    bare.monthNames.clear();
    bare.weekdayNames.clear();
    EXPECT_EQ(formatDate(QDate(2025, 3, 5), u"dddd mmmm", bare), QStringLiteral("Wednesday March"));
    EXPECT_TRUE(inDateRange(QDate(100, 1, 1)));
    EXPECT_TRUE(inDateRange(QDate(9999, 12, 31)));
    EXPECT_FALSE(inDateRange(QDate(99, 12, 31)));
    EXPECT_FALSE(inDateRange(QDate(10000, 1, 1)));
    EXPECT_FALSE(inDateRange(QDate()));
}

TEST(DateText, AnyTextReadsSafelyAndEveryDateReadIsOneTheProgramCanWrite)
{
    // Fields of the tape state file and typed answers are untrusted: nothing may crash,
    // and a date read must lie in the supported range and survive a write and re-read.
    const QString alphabet = QStringLiteral("0123456789/-.: \tAPMampx\u00a0");
    quint32 seed = 12345;
    auto next = [&seed] {
        seed = seed * 1664525u + 1013904223u;
        return seed >> 8;
    };
    for (int n = 0; n < 20000; ++n) {
        QString text;
        const int length = int(next() % 16);
        for (int i = 0; i < length; ++i)
            text += alphabet.at(int(next() % alphabet.size()));
        for (const LocaleInfo& l : {br(), us(), ymd()}) {
            SCOPED_TRACE(text.toStdString());
            if (const auto d = dateValue(text, l, kToday)) {
                ASSERT_TRUE(inDateRange(*d));
                ASSERT_EQ(show(dateValue(shortDate(*d, l), l, kToday)), show(d));
            }
            if (const auto t = timeValue(text, l)) {
                ASSERT_TRUE(t->isValid());
            }
            if (const auto both = dateTimeValue(text, l, kToday)) {
                ASSERT_TRUE(both->date || both->time);
            }
        }
    }
}
