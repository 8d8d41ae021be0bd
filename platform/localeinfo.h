#pragma once

#include <QChar>
#include <QLocale>
#include <QString>
#include <QStringList>

namespace tarvelo {

enum class DateOrder { DayMonthYear, MonthDayYear, YearMonthDay };

// The user's regional settings as the program reads them: number symbols, date order
// and names. Everything that reads or writes numbers and dates takes one of these;
// `currentLocale()` is the one in effect for the process.
struct LocaleInfo {
    QChar decimalSymbol = QLatin1Char(',');
    QChar thousandsSeparator = QLatin1Char('.');
    DateOrder dateOrder = DateOrder::DayMonthYear;
    QChar dateSeparator = QLatin1Char('/');
    QChar timeSeparator = QLatin1Char(':');
    QStringList monthNames;    // 12 full names, January first, lower case as the locale writes them
    QStringList weekdayNames;  // 7 full names, Sunday first
    quint16 languageId = 0x0416;  // the user's default language id (0x0416 pt-BR, 0x0409 en-US)

    static LocaleInfo fromQLocale(const QLocale& locale);
    static LocaleInfo system();  // QLocale::system()

    // Fixed fixtures, independent of the machine.
    static LocaleInfo brazil();
    static LocaleInfo unitedStates();
};

// The locale in effect for this process. Starts as LocaleInfo::system().
const LocaleInfo& currentLocale();
void setCurrentLocale(const LocaleInfo& locale);

// The start-up rule: when the thousands separator equals the decimal symbol, the decimal
// symbol becomes the other of "," and ".". Only the process's own copy changes; the
// user's system settings are never touched. Returns true when it swapped.
bool fixDecimalSymbolClash(LocaleInfo& locale);

// Sets the current locale for the life of the guard (tests).
class ScopedLocale {
public:
    explicit ScopedLocale(const LocaleInfo& locale);
    ~ScopedLocale();
    ScopedLocale(const ScopedLocale&) = delete;
    ScopedLocale& operator=(const ScopedLocale&) = delete;

private:
    LocaleInfo previous_;
};

}  // namespace tarvelo
