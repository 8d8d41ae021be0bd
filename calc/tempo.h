#pragma once

#include "platform/localeinfo.h"

#include <QString>
#include <QStringView>

namespace tarvelo {

// Time mode's conversion in both directions: a text with ":" is a time and gives its
// seconds as a plain number text; any other text is seconds and gives a time text,
// "MM:SS" when `minutosSegundos`, else "HH:MM:SS" (the leading field takes as many digits
// as it needs). A leading "-" is carried over. Seconds are rounded to a whole number
// first, so 119,6 gives "02:00" and never "01:60".
QString converterTempo(QStringView texto, bool minutosSegundos, const LocaleInfo& locale = currentLocale());

}  // namespace tarvelo
