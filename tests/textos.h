#pragma once

#include <QString>

#include <ostream>

// QString in failure messages as text, with CR and LF spelled out so that a failed
// comparison of a tape block shows where a line break went wrong.
inline void PrintTo(const QString& texto, std::ostream* os)
{
    QString visivel = texto;
    visivel.replace(QLatin1Char('\r'), QLatin1String("\\r")).replace(QLatin1Char('\n'), QLatin1String("\\n\n"));
    *os << '"' << visivel.toStdString() << '"';
}
