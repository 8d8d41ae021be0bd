#include "platform/localeinfo.h"

#include <array>

namespace tarvelo {
namespace {

QChar firstChar(const QString& text, QChar fallback)
{
    if (text.isEmpty())
        return fallback;
    // Tapes and files are written in Windows-1252, which has the no-break space but not
    // the narrow one some locales now group with.
    if (text.front() == QChar(0x202F))
        return QChar(0x00A0);
    return text.front();
}

// Letters of a Qt date or time format, skipping quoted literal text.
template <typename Visit>
void forEachFormatChar(const QString& format, Visit visit)
{
    bool quoted = false;
    for (const QChar c : format) {
        if (c == QLatin1Char('\''))
            quoted = !quoted;
        else if (!quoted && !visit(c))
            return;
    }
}

DateOrder dateOrderOf(const QString& format)
{
    qsizetype day = -1, month = -1, year = -1, at = 0;
    forEachFormatChar(format, [&](QChar c) {
        if (c == QLatin1Char('d') && day < 0)
            day = at;
        else if (c == QLatin1Char('M') && month < 0)
            month = at;
        else if (c == QLatin1Char('y') && year < 0)
            year = at;
        ++at;
        return true;
    });
    if (year >= 0 && (day < 0 || year < day) && (month < 0 || year < month))
        return DateOrder::YearMonthDay;
    if (month >= 0 && day >= 0 && month < day)
        return DateOrder::MonthDayYear;
    return DateOrder::DayMonthYear;
}

// The first punctuation between the fields of a format ("dd/MM/yyyy" gives "/").
QChar separatorOf(const QString& format, QChar fallback)
{
    QChar found;
    bool seenField = false;
    forEachFormatChar(format, [&](QChar c) {
        if (c.isLetter()) {
            seenField = true;
            return true;
        }
        if (seenField && !c.isSpace()) {
            found = c;
            return false;
        }
        return true;
    });
    return found.isNull() ? fallback : found;
}

quint16 languageIdOf(const QLocale& locale)
{
    struct Entry {
        QLocale::Language language;
        QLocale::Territory territory;  // AnyTerritory: the language's default
        quint16 id;
    };
    static constexpr std::array<Entry, 21> table = {{
        {QLocale::Portuguese, QLocale::Brazil, 0x0416},
        {QLocale::Portuguese, QLocale::Portugal, 0x0816},
        {QLocale::English, QLocale::UnitedStates, 0x0409},
        {QLocale::English, QLocale::UnitedKingdom, 0x0809},
        {QLocale::English, QLocale::Australia, 0x0C09},
        {QLocale::English, QLocale::Canada, 0x1009},
        {QLocale::Spanish, QLocale::Spain, 0x0C0A},
        {QLocale::Spanish, QLocale::Mexico, 0x080A},
        {QLocale::French, QLocale::France, 0x040C},
        {QLocale::French, QLocale::Belgium, 0x080C},
        {QLocale::French, QLocale::Canada, 0x0C0C},
        {QLocale::French, QLocale::Switzerland, 0x100C},
        {QLocale::German, QLocale::Germany, 0x0407},
        {QLocale::German, QLocale::Switzerland, 0x0807},
        {QLocale::German, QLocale::Austria, 0x0C07},
        {QLocale::Italian, QLocale::Italy, 0x0410},
        // Other countries of these languages still pick the right interface language.
        {QLocale::Portuguese, QLocale::AnyTerritory, 0x0816},
        {QLocale::Spanish, QLocale::AnyTerritory, 0x0C0A},
        {QLocale::French, QLocale::AnyTerritory, 0x040C},
        {QLocale::German, QLocale::AnyTerritory, 0x0407},
        {QLocale::Italian, QLocale::AnyTerritory, 0x0410},
    }};
    for (const Entry& e : table)
        if (e.language == locale.language() && e.territory == locale.territory())
            return e.id;
    for (const Entry& e : table)
        if (e.language == locale.language() && e.territory == QLocale::AnyTerritory)
            return e.id;
    return 0x0409;
}

LocaleInfo& current()
{
    static LocaleInfo locale = LocaleInfo::system();
    return locale;
}

}  // namespace

LocaleInfo LocaleInfo::fromQLocale(const QLocale& locale)
{
    LocaleInfo info;
    info.decimalSymbol = firstChar(locale.decimalPoint(), QLatin1Char('.'));
    info.thousandsSeparator = firstChar(
        locale.groupSeparator(), info.decimalSymbol == QLatin1Char(',') ? QLatin1Char('.') : QLatin1Char(','));
    const QString shortDate = locale.dateFormat(QLocale::ShortFormat);
    info.dateOrder = dateOrderOf(shortDate);
    info.dateSeparator = separatorOf(shortDate, QLatin1Char('/'));
    info.timeSeparator = separatorOf(locale.timeFormat(QLocale::ShortFormat), QLatin1Char(':'));
    for (int month = 1; month <= 12; ++month)
        info.monthNames << locale.monthName(month, QLocale::LongFormat);
    info.weekdayNames << locale.dayName(Qt::Sunday, QLocale::LongFormat);
    for (int day = Qt::Monday; day <= Qt::Saturday; ++day)
        info.weekdayNames << locale.dayName(day, QLocale::LongFormat);
    info.languageId = languageIdOf(locale);
    return info;
}

LocaleInfo LocaleInfo::system()
{
    return fromQLocale(QLocale::system());
}

LocaleInfo LocaleInfo::brazil()
{
    LocaleInfo info;
    info.decimalSymbol = QLatin1Char(',');
    info.thousandsSeparator = QLatin1Char('.');
    info.dateOrder = DateOrder::DayMonthYear;
    info.dateSeparator = QLatin1Char('/');
    info.timeSeparator = QLatin1Char(':');
    info.monthNames = {QStringLiteral("janeiro"), QStringLiteral("fevereiro"), QStringLiteral("março"),
                       QStringLiteral("abril"),   QStringLiteral("maio"),      QStringLiteral("junho"),
                       QStringLiteral("julho"),   QStringLiteral("agosto"),    QStringLiteral("setembro"),
                       QStringLiteral("outubro"), QStringLiteral("novembro"),  QStringLiteral("dezembro")};
    info.weekdayNames = {QStringLiteral("domingo"),      QStringLiteral("segunda-feira"),
                         QStringLiteral("terça-feira"),  QStringLiteral("quarta-feira"),
                         QStringLiteral("quinta-feira"), QStringLiteral("sexta-feira"),
                         QStringLiteral("sábado")};
    info.languageId = 0x0416;
    return info;
}

LocaleInfo LocaleInfo::unitedStates()
{
    LocaleInfo info;
    info.decimalSymbol = QLatin1Char('.');
    info.thousandsSeparator = QLatin1Char(',');
    info.dateOrder = DateOrder::MonthDayYear;
    info.dateSeparator = QLatin1Char('/');
    info.timeSeparator = QLatin1Char(':');
    info.monthNames = {QStringLiteral("January"), QStringLiteral("February"), QStringLiteral("March"),
                       QStringLiteral("April"),   QStringLiteral("May"),      QStringLiteral("June"),
                       QStringLiteral("July"),    QStringLiteral("August"),   QStringLiteral("September"),
                       QStringLiteral("October"), QStringLiteral("November"), QStringLiteral("December")};
    info.weekdayNames = {QStringLiteral("Sunday"),   QStringLiteral("Monday"), QStringLiteral("Tuesday"),
                         QStringLiteral("Wednesday"), QStringLiteral("Thursday"), QStringLiteral("Friday"),
                         QStringLiteral("Saturday")};
    info.languageId = 0x0409;
    return info;
}

const LocaleInfo& currentLocale()
{
    return current();
}

void setCurrentLocale(const LocaleInfo& locale)
{
    current() = locale;
}

bool fixDecimalSymbolClash(LocaleInfo& locale)
{
    if (locale.thousandsSeparator != locale.decimalSymbol)
        return false;
    locale.decimalSymbol = locale.thousandsSeparator == QLatin1Char('.') ? QLatin1Char(',') : QLatin1Char('.');
    return true;
}

ScopedLocale::ScopedLocale(const LocaleInfo& locale) : previous_(currentLocale())
{
    setCurrentLocale(locale);
}

ScopedLocale::~ScopedLocale()
{
    setCurrentLocale(previous_);
}

}  // namespace tarvelo
