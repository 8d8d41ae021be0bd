#pragma once

#include "platform/localeinfo.h"

#include <QDate>
#include <QString>
#include <QTime>

#include <optional>

namespace tarvelo {

// The clock windows of the tray's alarms and timed power-off. Times are times of day with
// whole seconds; the windows are measured round the 24-hour circle, so an alarm set for
// 23:59:59 still falls due just after midnight.

// An alarm falls due from one to four seconds after its time.
bool AlarmeVence(QTime hora, QTime agora);
// The power-off warning (beeps and blinking) runs from 19 seconds before its time until
// four seconds after it.
bool DesligarPerto(QTime hora, QTime agora);

// What an alarm or power-off time typed by the user means.
struct HoraAgendada {
    // The text is a date or a time at all; anything else is refused.
    bool valida = false;
    // The time of day it falls due; none for a text that holds a date, which names no
    // time of day and so never falls due.
    std::optional<QTime> hora;
    // The time part shown in the menu caption (midnight for a bare date).
    QTime mostrada;
};
HoraAgendada LerHoraAgendada(const QString& texto, const LocaleInfo& locale = currentLocale(),
                             QDate hoje = QDate::currentDate());

}  // namespace tarvelo
