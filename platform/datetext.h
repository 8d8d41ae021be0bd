#pragma once

#include "platform/localeinfo.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringView>
#include <QTime>
#include <optional>

namespace tarvelo {

// Reading dates the way the user types them.
//
// A date is two or three groups of digits joined by separators: "/", "-", "." or the
// locale's own date separator, in any mix. Blanks around the text are ignored.
//
// - Three groups: a group of three or four digits at either end is the year; otherwise
//   the year sits where the user's date order puts it (first for year-first systems,
//   last for the others). A year of one or two digits means 2000-2029 for 0-29 and
//   1930-1999 for 30-99; longer years are taken as written and must lie in 100..9999.
// - Two groups (optionally followed by a separator, as a half-typed masked date leaves
//   it): a day and a month in the year of `today`.
// - Day and month are read in the user's order (month first on year-first systems, since
//   that is the order the program itself writes for them); when that gives no date, in
//   the other order. The second reading can only succeed when one group is above 12, so
//   it never changes the meaning of a text the user's order already accepts: it is what
//   lets "28/02/2024" read day first on any system, and "31/12/2000" read on a month-
//   first one. A year-first text is never read with day and month swapped.
// - A day that does not exist in its month is no date (31/02/2027, 29/02/2023).
//
// `today` only supplies the year of a day-month pair; tests pass a fixed one.
std::optional<QDate> dateValue(QStringView text, const LocaleInfo& locale = currentLocale(),
                               QDate today = QDate::currentDate());

// The same, with the day-and-month order given instead of the user's (windows that only
// run day first read their fields with DateOrder::DayMonthYear).
std::optional<QDate> dateValue(QStringView text, DateOrder order, const LocaleInfo& locale = currentLocale(),
                               QDate today = QDate::currentDate());

bool isDate(QStringView text, const LocaleInfo& locale = currentLocale(), QDate today = QDate::currentDate());

// A time of day: "h:mm" or "h:mm:ss" (one or two digits per group), hours 0-23, with ":"
// or the locale's time separator; "AM"/"PM" after it, in any case, makes it a 12-hour
// time (hours 1-12). Blanks around it are ignored. Hours of a duration such as "100:00:00"
// are no time.
std::optional<QTime> timeValue(QStringView text, const LocaleInfo& locale = currentLocale());

// A date, a time, or a date followed by blanks and a time. At least one part is set.
struct DateTimeParts {
    std::optional<QDate> date;
    std::optional<QTime> time;
};
std::optional<DateTimeParts> dateTimeValue(QStringView text, const LocaleInfo& locale = currentLocale(),
                                           QDate today = QDate::currentDate());

// "Is a date or time": what the alarm prompts and the tape's double click accept.
bool isDateOrTime(QStringView text, const LocaleInfo& locale = currentLocale(),
                  QDate today = QDate::currentDate());

// The dates the reader accepts and the formatter is meant for: 1 January 100 to
// 31 December 9999. Date arithmetic checks its results against this.
bool inDateRange(QDate date);

// Formats with the program's date patterns. Letters are case-insensitive:
//   d dd        day, without / with a leading zero
//   ddd dddd    weekday, first three letters / full name (from the locale, Sunday first)
//   ddddd       the short date (see shortDate)
//   m mm        month number; minutes when it follows an hour ("hh:mm", "h:mm")
//   mmm mmmm    month, first three letters / full name (from the locale)
//   yy yyyy     year, two / four digits;  y  day of the year
//   h hh        hour (24-hour clock);  n nn  minutes;  s ss  seconds
//   /           the locale's date separator;  :  the locale's time separator
//   "text" and \c are copied as they stand; every other character is copied too.
// An invalid date gives an empty text.
QString formatDate(const QDateTime& value, QStringView pattern, const LocaleInfo& locale = currentLocale());
QString formatDate(QDate date, QStringView pattern, const LocaleInfo& locale = currentLocale());
// A time alone sits on day zero (30 December 1899), as a time typed without a date does.
QString formatTime(QTime time, QStringView pattern, const LocaleInfo& locale = currentLocale());

// The locale's short date: day first "dd/mm/yyyy", month first "m/d/yyyy", year first
// "yyyy/mm/dd", each with the locale's separator. dateValue reads every one of them back.
QString shortDatePattern(const LocaleInfo& locale = currentLocale());
QString shortDate(QDate date, const LocaleInfo& locale = currentLocale());

// The locale's long date, with its weekday and month names: Portuguese and Spanish
// "quarta-feira, 5 de março de 2025", French "mercredi 5 mars 2025", otherwise by the date
// order ("Wednesday, March 5, 2025" month first, "Wednesday, 5 March 2025" day first).
QString longDate(QDate date, const LocaleInfo& locale = currentLocale());

}  // namespace tarvelo
