#pragma once

#include "platform/localeinfo.h"

#include <QString>
#include <QStringView>
#include <optional>

namespace tarvelo {

// A number text taken apart: sign, the digits before and after the decimal symbol
// (thousands separators removed) and the exponent. "-1.234,5e2" in pt-BR gives
// {negative, "1234", "5", 2}.
struct NumberParts {
    bool negative = false;
    QString integerDigits;
    QString fractionDigits;
    int exponent = 0;
};

// Reads a number the way the program reads every user text: blanks, tabs, CR and LF
// around it, a leading sign, thousands separators tolerated in the integer part, one
// decimal symbol, an optional exponent. nullopt when the text is not a number.
// Separators must stand between whole groups ("1.234.567" but not "12.5" in pt-BR, which
// would otherwise silently read as 125); a value beyond the range of a double is no number.
// Integer digits keep any leading zeros; ",5" has empty integer digits.
std::optional<NumberParts> scanNumber(QStringView text, const LocaleInfo& locale = currentLocale());

// Whether `c` separates the digit groups of a number the user gives: the locale's thousands
// separator, and where that is a space of some kind, any of the blank people type, the
// no-break space the program writes and the narrow no-break space the system writes.
bool isGroupSeparator(QChar c, const LocaleInfo& locale = currentLocale());

bool isNumeric(QStringView text, const LocaleInfo& locale = currentLocale());
std::optional<double> numberValue(QStringView text, const LocaleInfo& locale = currentLocale());

// The "leading value" reader: period as the only decimal point, reads up to the first
// character that cannot continue a number ("12,5" gives 12, "3.5kg" gives 3.5, "x" 0).
// Blanks, tabs and line feeds are skipped anywhere ("1 2" gives 12); an unfinished
// exponent is ignored ("1e" gives 1); a value beyond the double range gives 0.
double leadingValue(QStringView text);

// Whole-number conversions: round half to even, nullopt outside the type's range.
std::optional<qint32> toLong(double value);
std::optional<qint16> toInteger(double value);

// A double as text with 15 significant digits, the locale's decimal symbol, no grouping;
// exponent form below 1E-04 and from 1E+15 on ("1,5E-07", "1E+20"). Not-a-number and
// infinities, which no text ever produces, come out as "NaN", "Inf" and "-Inf".
QString numberText(double value, const LocaleInfo& locale = currentLocale());

}  // namespace tarvelo
