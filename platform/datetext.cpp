#include "platform/datetext.h"

#include <QLocale>
#include <array>
#include <initializer_list>

namespace tarvelo {

namespace {

constexpr int kMinYear = 100;
constexpr int kMaxYear = 9999;

bool isAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

struct DigitGroup {
    int value = 0;
    int digits = 0;
};

// A run of at most `maxDigits` digits from `pos`; a longer run is no group at all.
std::optional<DigitGroup> readGroup(QStringView s, qsizetype& pos, int maxDigits)
{
    DigitGroup g;
    while (pos < s.size() && isAsciiDigit(s[pos])) {
        if (g.digits == maxDigits)
            return std::nullopt;
        g.value = g.value * 10 + (s[pos].unicode() - '0');
        ++g.digits;
        ++pos;
    }
    if (g.digits == 0)
        return std::nullopt;
    return g;
}

bool isDateSeparator(QChar c, const LocaleInfo& locale)
{
    return c == QLatin1Char('/') || c == QLatin1Char('-') || c == QLatin1Char('.') || c == locale.dateSeparator;
}

struct DateGroups {
    std::array<DigitGroup, 3> group;
    int count = 0;
};

// Two or three groups of digits between separators; after two groups a trailing
// separator is allowed (a masked date with only day and month typed). Separators may
// differ: the due-day schedule joins a typed day, "/" and a month formatted with the
// user's own separator, which on a "-" system gives "20/03-2024".

std::optional<DateGroups> splitDate(QStringView s, const LocaleInfo& locale)
{
    DateGroups out;
    qsizetype pos = 0;
    while (true) {
        // A year may have four digits; day and month two. Which group is the year is
        // only known at the end, so every group may take four here.
        const auto g = readGroup(s, pos, 4);
        if (!g)
            return std::nullopt;
        out.group[out.count++] = *g;
        if (pos == s.size())
            break;
        if (!isDateSeparator(s[pos], locale))
            return std::nullopt;
        ++pos;
        if (pos == s.size()) {
            if (out.count != 2)
                return std::nullopt;
            break;
        }
        if (out.count == 3)
            return std::nullopt;
    }
    if (out.count < 2)
        return std::nullopt;
    return out;
}

std::optional<int> yearOf(DigitGroup g)
{
    if (g.digits <= 2)
        return g.value < 30 ? 2000 + g.value : 1900 + g.value;
    if (g.value < kMinYear || g.value > kMaxYear)
        return std::nullopt;
    return g.value;
}

std::optional<QDate> makeDate(int year, DigitGroup month, DigitGroup day)
{
    if (month.digits > 2 || day.digits > 2)
        return std::nullopt;
    if (!QDate::isValid(year, month.value, day.value))
        return std::nullopt;
    return QDate(year, month.value, day.value);
}

// Day and month in the given order first, the other order only when that fails.
std::optional<QDate> dayAndMonth(int year, DigitGroup first, DigitGroup second, bool dayFirst)
{
    const auto inOrder = dayFirst ? makeDate(year, second, first) : makeDate(year, first, second);
    if (inOrder)
        return inOrder;
    return dayFirst ? makeDate(year, first, second) : makeDate(year, second, first);
}

std::optional<QDate> readDate(QStringView text, DateOrder order, const LocaleInfo& locale, QDate today)
{
    const auto groups = splitDate(text.trimmed(), locale);
    if (!groups)
        return std::nullopt;
    const auto& g = groups->group;
    const bool dayFirst = order == DateOrder::DayMonthYear;

    if (groups->count == 2) {
        if (!today.isValid())
            return std::nullopt;
        return dayAndMonth(today.year(), g[0], g[1], dayFirst);
    }

    bool yearFirst = order == DateOrder::YearMonthDay;
    if (g[0].digits > 2 && g[2].digits > 2)
        return std::nullopt;
    if (g[0].digits > 2)
        yearFirst = true;
    else if (g[2].digits > 2)
        yearFirst = false;

    if (yearFirst) {
        const auto year = yearOf(g[0]);
        if (!year)
            return std::nullopt;
        return makeDate(*year, g[1], g[2]);
    }
    const auto year = yearOf(g[2]);
    if (!year)
        return std::nullopt;
    return dayAndMonth(*year, g[0], g[1], dayFirst);
}

bool isTimeSeparator(QChar c, const LocaleInfo& locale)
{
    return c == QLatin1Char(':') || c == locale.timeSeparator;
}

// "AM"/"PM" (any case) at the end of the text, with or without a blank before it.
// Returns 0 for none, 1 for AM, 2 for PM, and shortens the text.
int takeMeridiem(QStringView& s)
{
    if (s.size() < 2)
        return 0;
    const QStringView tail = s.right(2);
    int kind = 0;
    if (tail.compare(QLatin1String("AM"), Qt::CaseInsensitive) == 0)
        kind = 1;
    else if (tail.compare(QLatin1String("PM"), Qt::CaseInsensitive) == 0)
        kind = 2;
    if (kind)
        s = s.chopped(2).trimmed();
    return kind;
}

std::optional<QTime> readTime(QStringView text, const LocaleInfo& locale)
{
    QStringView s = text.trimmed();
    const int meridiem = takeMeridiem(s);

    std::array<int, 3> part{0, 0, 0};
    int count = 0;
    qsizetype pos = 0;
    while (true) {
        const auto g = readGroup(s, pos, 2);
        if (!g)
            return std::nullopt;
        part[count++] = g->value;
        if (pos == s.size())
            break;
        if (count == 3 || !isTimeSeparator(s[pos], locale))
            return std::nullopt;
        ++pos;
    }
    if (count < 2)
        return std::nullopt;

    int hour = part[0];
    if (meridiem) {
        if (hour < 1 || hour > 12)
            return std::nullopt;
        hour = hour % 12 + (meridiem == 2 ? 12 : 0);
    }
    if (!QTime::isValid(hour, part[1], part[2]))
        return std::nullopt;
    return QTime(hour, part[1], part[2]);
}

QString padded(int value, int width)
{
    return QString::number(value).rightJustified(width, QLatin1Char('0'));
}

QString weekdayName(QDate date, const LocaleInfo& locale)
{
    const int index = date.dayOfWeek() % 7;  // Sunday first
    if (locale.weekdayNames.size() == 7)
        return locale.weekdayNames.at(index);
    return QLocale::c().dayName(date.dayOfWeek());
}

QString monthName(QDate date, const LocaleInfo& locale)
{
    if (locale.monthNames.size() >= 12)
        return locale.monthNames.at(date.month() - 1);
    return QLocale::c().monthName(date.month());
}

// How many letters of a run make one field: the longest field not longer than the run.
int take(int run, std::initializer_list<int> lengths)
{
    int best = 1;
    for (int n : lengths)
        if (n <= run && n > best)
            best = n;
    return best;
}

QString formatParts(QDate date, QTime time, QStringView pattern, const LocaleInfo& locale)
{
    QString out;
    bool afterHour = false;  // an hour was written, with at most separators since
    qsizetype i = 0;
    while (i < pattern.size()) {
        const QChar c = pattern[i];
        if (c == QLatin1Char('"')) {
            const qsizetype end = pattern.indexOf(QLatin1Char('"'), i + 1);
            const qsizetype stop = end < 0 ? pattern.size() : end;
            out += pattern.mid(i + 1, stop - i - 1);
            i = stop + 1;
            afterHour = false;
            continue;
        }
        if (c == QLatin1Char('\\')) {
            if (i + 1 < pattern.size())
                out += pattern[i + 1];
            i += 2;
            afterHour = false;
            continue;
        }
        if (c == QLatin1Char('/')) {
            out += locale.dateSeparator;
            ++i;
            afterHour = false;
            continue;
        }
        if (c == QLatin1Char(':')) {
            out += locale.timeSeparator;
            ++i;
            continue;
        }

        const QChar letter = c.toLower();
        qsizetype run = 1;
        while (i + run < pattern.size() && pattern[i + run].toLower() == letter)
            ++run;
        const int r = int(qMin<qsizetype>(run, 6));
        int used = 1;
        bool wroteHour = false;

        switch (letter.unicode()) {
        case 'd':
            used = take(r, {2, 3, 4, 5, 6});
            switch (used) {
            case 1: out += QString::number(date.day()); break;
            case 2: out += padded(date.day(), 2); break;
            case 3: out += weekdayName(date, locale).left(3); break;
            case 4: out += weekdayName(date, locale); break;
            case 5: out += shortDate(date, locale); break;
            default: out += longDate(date, locale); break;
            }
            break;
        case 'm':
            if (afterHour) {
                used = take(r, {2});
                out += used == 2 ? padded(time.minute(), 2) : QString::number(time.minute());
                break;
            }
            used = take(r, {2, 3, 4});
            switch (used) {
            case 1: out += QString::number(date.month()); break;
            case 2: out += padded(date.month(), 2); break;
            case 3: out += monthName(date, locale).left(3); break;
            default: out += monthName(date, locale); break;
            }
            break;
        case 'y':
            used = take(r, {2, 4});
            if (used == 1)
                out += QString::number(date.dayOfYear());
            else if (used == 2)
                out += padded(qAbs(date.year()) % 100, 2);
            else
                out += padded(date.year(), 4);
            break;
        case 'h':
            used = take(r, {2});
            out += used == 2 ? padded(time.hour(), 2) : QString::number(time.hour());
            wroteHour = true;
            break;
        case 'n':
            used = take(r, {2});
            out += used == 2 ? padded(time.minute(), 2) : QString::number(time.minute());
            break;
        case 's':
            used = take(r, {2});
            out += used == 2 ? padded(time.second(), 2) : QString::number(time.second());
            break;
        default:
            out += c;
            break;
        }
        afterHour = wroteHour;
        i += used;
    }
    return out;
}

}  // namespace

std::optional<QDate> dateValue(QStringView text, const LocaleInfo& locale, QDate today)
{
    return readDate(text, locale.dateOrder, locale, today);
}

std::optional<QDate> dateValue(QStringView text, DateOrder order, const LocaleInfo& locale, QDate today)
{
    return readDate(text, order, locale, today);
}

bool isDate(QStringView text, const LocaleInfo& locale, QDate today)
{
    return dateValue(text, locale, today).has_value();
}

std::optional<QTime> timeValue(QStringView text, const LocaleInfo& locale)
{
    return readTime(text, locale);
}

std::optional<DateTimeParts> dateTimeValue(QStringView text, const LocaleInfo& locale, QDate today)
{
    const QStringView s = text.trimmed();
    if (auto date = dateValue(s, locale, today))
        return DateTimeParts{date, std::nullopt};
    if (auto time = timeValue(s, locale))
        return DateTimeParts{std::nullopt, time};

    // A date holds no blank, so the first blank ends it; a time may keep one before AM/PM.
    qsizetype blank = 0;
    while (blank < s.size() && !s[blank].isSpace())
        ++blank;
    if (blank == s.size())
        return std::nullopt;
    const auto date = dateValue(s.left(blank), locale, today);
    const auto time = date ? timeValue(s.mid(blank), locale) : std::nullopt;
    if (!date || !time)
        return std::nullopt;
    return DateTimeParts{date, time};
}

bool isDateOrTime(QStringView text, const LocaleInfo& locale, QDate today)
{
    return dateTimeValue(text, locale, today).has_value();
}

bool inDateRange(QDate date)
{
    return date.isValid() && date.year() >= kMinYear && date.year() <= kMaxYear;
}

QString formatDate(const QDateTime& value, QStringView pattern, const LocaleInfo& locale)
{
    if (!value.date().isValid() || !value.time().isValid())
        return {};
    return formatParts(value.date(), value.time(), pattern, locale);
}

QString formatDate(QDate date, QStringView pattern, const LocaleInfo& locale)
{
    if (!date.isValid())
        return {};
    return formatParts(date, QTime(0, 0), pattern, locale);
}

QString formatTime(QTime time, QStringView pattern, const LocaleInfo& locale)
{
    if (!time.isValid())
        return {};
    return formatParts(QDate(1899, 12, 30), time, pattern, locale);
}

QString shortDatePattern(const LocaleInfo& locale)
{
    switch (locale.dateOrder) {
    case DateOrder::DayMonthYear: return QStringLiteral("dd/mm/yyyy");
    case DateOrder::MonthDayYear: return QStringLiteral("m/d/yyyy");
    case DateOrder::YearMonthDay: return QStringLiteral("yyyy/mm/dd");
    }
    return QStringLiteral("dd/mm/yyyy");
}

QString shortDate(QDate date, const LocaleInfo& locale)
{
    return formatDate(date, shortDatePattern(locale), locale);
}

QString longDate(QDate date, const LocaleInfo& locale)
{
    QStringView pattern;
    switch (locale.languageId & 0x3FF) {
    case 0x16:  // Portuguese
    case 0x0A:  // Spanish
        pattern = u"dddd, d \"de\" mmmm \"de\" yyyy";
        break;
    case 0x0C:  // French
        pattern = u"dddd d mmmm yyyy";
        break;
    default:
        switch (locale.dateOrder) {
        case DateOrder::MonthDayYear: pattern = u"dddd, mmmm d, yyyy"; break;
        case DateOrder::DayMonthYear: pattern = u"dddd, d mmmm yyyy"; break;
        case DateOrder::YearMonthDay: pattern = u"dddd, yyyy mmmm d"; break;
        }
    }
    return formatDate(date, pattern, locale);
}

}  // namespace tarvelo
