#pragma once

#include "platform/decimal.h"
#include "platform/localeinfo.h"

#include <QString>
#include <QStringView>

namespace tarvelo {

// Number masks: "0" a digit always shown, "#" a digit shown when significant, "," in the
// integer part groups thousands, "." the place of the decimal symbol, anything else
// copied. Digits fill from the right; the leftmost placeholder takes any overflow. The
// value is rounded half away from zero on its decimal value; a negative value gets a
// leading "-" unless it rounds to zero. A mask whose decimals are all "#" leaves a bare
// decimal symbol when the value has no fraction ("#,##0.##" of 5 is "5,").
QString formatNumber(const Decimal& value, QStringView mask, const LocaleInfo& locale = currentLocale());
QString formatNumber(double value, QStringView mask, const LocaleInfo& locale = currentLocale());
// A text is read as a number in the locale first, keeping all its digits; a text that
// is not a number comes back unchanged. An empty mask gives the plain number text; a
// double that is not finite gives numberText()'s word for it.
QString formatNumber(QStringView text, QStringView mask, const LocaleInfo& locale = currentLocale());

}  // namespace tarvelo
